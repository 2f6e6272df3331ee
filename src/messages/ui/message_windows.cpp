#include "messages/ui/message_windows.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/forms.h"
#include "messages/messages.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

QTextEdit* messageBox(QWidget* parent) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QStringLiteral("RichTextBox1"));
    box->setAcceptRichText(false);
    box->setMinimumHeight(90);
    return box;
}

}  // namespace

std::optional<MessageStay> stayShownOnFolioScreen(Desk& desk) {
    QWidget* folio = desk.windows.find(QStringLiteral("FolioWindow"));
    if (!folio) return std::nullopt;
    auto* folioLabel = folio->findChild<QLabel*>(QStringLiteral("Label24"));
    auto* roomLabel = folio->findChild<QLabel*>(QStringLiteral("Label29"));
    if (!folioLabel || !roomLabel) return std::nullopt;
    const std::string folioText = folioLabel->text().toStdString();
    if (!isNumberText(folioText)) return std::nullopt;
    return MessageStay{static_cast<float>(leadingNumber(folioText)), roomLabel->text().toStdString()};
}

PostMessageWindow::PostMessageWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QStringLiteral("PostMessageWindow"));
    setWindowTitle(QStringLiteral("Message"));
    stay_ = stayShownOnFolioScreen(desk_);

    dateLabel_ = valueLabel("Label2", this, 100);
    timeLabel_ = valueLabel("Label3", this, 100);
    fromBox_ = lineEdit("Text1", this);
    toBox_ = lineEdit("Text2", this);
    textBox_ = messageBox(this);
    postButton_ = button("Command1", "Post", this);
    exitButton_ = button("Command2", "Exit", this);

    auto* when = new QHBoxLayout;
    when->addWidget(dateLabel_);
    when->addWidget(timeLabel_);
    when->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Message From"), fromBox_);
    form->addRow(QStringLiteral("To"), toBox_);
    form->addRow(QStringLiteral("Message"), textBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(postButton_);
    buttons->addWidget(exitButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(when);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(420, 260);

    dateLabel_->setText(qs(desk_.clock.today().text()));
    timeLabel_->setText(qs(desk_.clock.now().text()));
    postButton_->setEnabled(stay_.has_value());

    connect(postButton_, &QPushButton::clicked, this, &PostMessageWindow::post);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
}

void PostMessageWindow::post() {
    if (!stay_) return;
    bool posted = false;
    runHandler(desk_, [&] {
        NewMessage message;
        message.date = Date::parse(dateLabel_->text().toStdString()).value_or(desk_.clock.today());
        message.time = timeLabel_->text().toStdString();
        message.from = fromBox_->text().toStdString();
        message.to = toBox_->text().toStdString();
        message.text = textBox_->toPlainText().toStdString();
        postMessage(desk_.dataDir, stay_->folioNo, message);
        posted = true;
    });
    if (!posted) return;
    // The folio screen lights "View Message" while it still shows this stay.
    const auto shown = stayShownOnFolioScreen(desk_);
    if (shown && shown->folioNo == stay_->folioNo)
        QMetaObject::invokeMethod(desk_.windows.find(QStringLiteral("FolioWindow")), "showMessageWaiting");
    close();
}

ViewMessageWindow::ViewMessageWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QStringLiteral("ViewMessageWindow"));
    setWindowTitle(QStringLiteral("Message"));
    stay_ = stayShownOnFolioScreen(desk_);

    dateLabel_ = valueLabel("Label1", this, 100);
    timeLabel_ = valueLabel("Label2", this, 100);
    toBox_ = lineEdit("Text1", this);
    fromBox_ = lineEdit("Text2", this);
    textBox_ = messageBox(this);
    printButton_ = button("Command1", "Print", this);
    deleteButton_ = button("Command2", "Delete", this);
    closeButton_ = button("Command3", "Close", this);

    auto* when = new QHBoxLayout;
    when->addWidget(dateLabel_);
    when->addWidget(timeLabel_);
    when->addStretch();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("To"), toBox_);
    form->addRow(QStringLiteral("From"), fromBox_);
    form->addRow(QStringLiteral("Message"), textBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(deleteButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(when);
    layout->addLayout(form);
    layout->addLayout(buttons);
    resize(420, 260);

    printButton_->setEnabled(stay_.has_value());
    deleteButton_->setEnabled(stay_.has_value());
    if (stay_) {
        runHandler(desk_, [&] {
            // A stay without a message file shows empty fields.
            if (!hasMessageFile(desk_.dataDir, stay_->folioNo)) return;
            const Message message = readMessage(desk_.dataDir, stay_->folioNo);
            dateLabel_->setText(qs(message.msgDate.text()));
            timeLabel_->setText(qs(message.msgTime.str()));
            toBox_->setText(qs(message.msgTo.str()));
            fromBox_->setText(qs(message.msgFrom.str()));
            textBox_->setPlainText(qs(message.msgText.str()));
        });
    }

    connect(printButton_, &QPushButton::clicked, this, &ViewMessageWindow::print);
    connect(deleteButton_, &QPushButton::clicked, this, &ViewMessageWindow::deleteMessage);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
}

void ViewMessageWindow::print() {
    if (!stay_) return;
    PrintedMessage message;
    message.date = dateLabel_->text().toStdString();
    message.time = timeLabel_->text().toStdString();
    message.room = stay_->room;
    message.to = toBox_->text().toStdString();
    message.from = fromBox_->text().toStdString();
    message.text = textBox_->toPlainText().toStdString();
    runHandler(desk_, [&] { desk_.printer.print(printMessage(message)); });
}

void ViewMessageWindow::deleteMessage() {
    if (!stay_) return;
    if (!desk_.dialogs.ask(kDeleteTitle, kDeleteQuestion)) return;
    bool deleted = false;
    runHandler(desk_, [&] {
        innvera::deleteMessage(desk_.dataDir, stay_->folioNo);
        deleted = true;
    });
    if (deleted) close();
}

}  // namespace innvera
