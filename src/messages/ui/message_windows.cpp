#include "messages/ui/message_windows.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/formats.h"
#include "core/records.h"
#include "messages/messages.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

QTextEdit* messageBox(QWidget* parent) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QStringLiteral("RichTextBox1"));
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);  // Tab moves on to the buttons; the message holds no tab
    box->setMinimumHeight(90);
    return box;
}

consteval int widthOf(Text Message::*field) { return static_cast<int>(fieldWidth(kMessageFields, field)); }

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchFirst) {
    auto* layout = new QHBoxLayout;
    if (stretchFirst) layout->addStretch();
    for (QWidget* widget : widgets) layout->addWidget(widget);
    if (!stretchFirst) layout->addStretch();
    return layout;
}

}  // namespace

PostMessageWindow::PostMessageWindow(Desk& desk, MessageStay stay, QWidget* owner)
    : QWidget(owner, Qt::Window), desk_(desk), stay_(std::move(stay)) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Message"));
    createControls();
    createLayout();
    dateLabel_->setText(qs(desk_.clock.today().text()));
    timeLabel_->setText(qs(desk_.clock.now().text()));
    connect(postButton_, &QPushButton::clicked, this, &PostMessageWindow::post);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterClicks(postButton_, {fromBox_, toBox_});
}

void PostMessageWindow::createControls() {
    dateLabel_ = valueLabel("Label2", this, 100);
    timeLabel_ = valueLabel("Label3", this, 100);
    fromBox_ = lineEdit("Text1", this);
    holdToField(fromBox_, widthOf(&Message::msgFrom));
    toBox_ = lineEdit("Text2", this);
    holdToField(toBox_, widthOf(&Message::msgTo));
    textBox_ = messageBox(this);
    limitPlainText(textBox_, fieldWidth(kMessageFields, &Message::msgText));
    postButton_ = button("Command1", "Post", this);
    exitButton_ = button("Command2", "Exit", this);
}

void PostMessageWindow::createLayout() {
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Message From"), fromBox_);
    form->addRow(QStringLiteral("To"), toBox_);
    form->addRow(QStringLiteral("Message"), textBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row({dateLabel_, timeLabel_}, false));
    layout->addLayout(form);
    layout->addLayout(row({postButton_, exitButton_}, true));
    resize(420, 260);
}

void PostMessageWindow::post() {
    bool posted = false;
    runHandler(desk_, [&] {
        NewMessage message;
        message.date = Date::parse(dateLabel_->text().toStdString()).value_or(desk_.clock.today());
        message.time = timeLabel_->text().toStdString();
        message.from = fromBox_->text().toStdString();
        message.to = toBox_->text().toStdString();
        message.text = textBox_->toPlainText().toStdString();
        postMessage(desk_.dataDir, stay_.folioNo, message);
        posted = true;
    });
    if (!posted) return;
    emit this->posted(stay_.folioNo);
    close();
}

ViewMessageWindow::ViewMessageWindow(Desk& desk, MessageStay stay, QWidget* owner)
    : QWidget(owner, Qt::Window), desk_(desk), stay_(std::move(stay)) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Message"));
    createControls();
    createLayout();
    load();
    connect(printButton_, &QPushButton::clicked, this, &ViewMessageWindow::print);
    connect(deleteButton_, &QPushButton::clicked, this, &ViewMessageWindow::deleteMessage);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, closeButton_);
}

void ViewMessageWindow::createControls() {
    dateLabel_ = valueLabel("Label1", this, 100);
    timeLabel_ = valueLabel("Label2", this, 100);
    toBox_ = lineEdit("Text1", this);
    fromBox_ = lineEdit("Text2", this);
    textBox_ = messageBox(this);
    printButton_ = button("Command1", "Print", this);
    deleteButton_ = button("Command2", "Delete", this);
    closeButton_ = button("Command3", "Close", this);
}

void ViewMessageWindow::createLayout() {
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("To"), toBox_);
    form->addRow(QStringLiteral("From"), fromBox_);
    form->addRow(QStringLiteral("Message"), textBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row({dateLabel_, timeLabel_}, false));
    layout->addLayout(form);
    layout->addLayout(row({printButton_, deleteButton_, closeButton_}, true));
    resize(420, 260);
}

void ViewMessageWindow::load() {
    runHandler(desk_, [&] {
        // A stay without a message file shows empty fields.
        if (!hasMessageFile(desk_.dataDir, stay_.folioNo)) return;
        const Message message = readMessage(desk_.dataDir, stay_.folioNo);
        dateLabel_->setText(qs(message.msgDate.text()));
        timeLabel_->setText(qs(message.msgTime.str()));
        toBox_->setText(qs(message.msgTo.str()));
        fromBox_->setText(qs(message.msgFrom.str()));
        textBox_->setPlainText(qs(message.msgText.str()));
    });
}

void ViewMessageWindow::print() {
    PrintedMessage message;
    message.date = dateLabel_->text().toStdString();
    message.time = timeLabel_->text().toStdString();
    message.room = stay_.room;
    message.to = toBox_->text().toStdString();
    message.from = fromBox_->text().toStdString();
    message.text = textBox_->toPlainText().toStdString();
    runHandler(desk_, [&] { desk_.printer.print(printMessage(message)); });
}

void ViewMessageWindow::deleteMessage() {
    if (!desk_.dialogs.ask(kDeleteTitle, kDeleteQuestion)) return;
    bool deleted = false;
    runHandler(desk_, [&] {
        innvera::deleteMessage(desk_.dataDir, stay_.folioNo);
        deleted = true;
    });
    if (deleted) close();
}

}  // namespace innvera
