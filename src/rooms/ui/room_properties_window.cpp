#include "rooms/ui/room_properties_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/forms.h"
#include "core/ui/main_window.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "rooms/rooms.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

namespace {

constexpr const char* kChooseRoom = "Choose Room";
constexpr const char* kSelectType = "Select Type";
constexpr const char* kSelectVacant = "Select Vacant";
constexpr const char* kSelectClean = "Select Clean Status";
constexpr const char* kOutOfOrder = "Out Of Order";

QLabel* valueLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setMinimumWidth(90);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

QPushButton* button(const char* caption, const char* name) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

}  // namespace

RoomPropertiesWindow::RoomPropertiesWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("RoomPropertiesWindow");
    setWindowTitle("Edit Room Properties");

    chooser_ = new QComboBox;
    chooser_->setObjectName("Combo1");
    chooser_->setEditable(true);
    chooser_->setInsertPolicy(QComboBox::NoInsert);
    chooser_->setMinimumWidth(180);

    roomNoValue_ = valueLabel("Label3");
    typeValue_ = valueLabel("Label4");
    rateValue_ = valueLabel("Label6");
    vacantValue_ = valueLabel("Label8");
    cleanValue_ = valueLabel("Label10");
    statusValue_ = valueLabel("Label12");

    changeType_ = button("Change", "Command1");
    changeRate_ = button("Change", "Command2");
    changeVacant_ = button("Change", "Command3");
    changeClean_ = button("Change", "Command4");
    changeStatus_ = button("Change", "Command5");

    typeEditor_ = makeTypedList("Combo2", roomTypeItems(false), kSelectType);
    rateEditor_ = new QLineEdit;
    rateEditor_->setObjectName("Text1");
    vacantEditor_ = makeTypedList("Combo3", {"Y", "O"}, kSelectVacant);
    cleanEditor_ = makeTypedList("Combo4", {"Y", "N"}, kSelectClean);
    statusEditor_ = makeTypedList("Combo5", {"K", "X"}, kOutOfOrder);

    typeNow_ = button("Change Now", "Command9");
    rateNow_ = button("Change Now", "Command6");
    vacantNow_ = button("Change Now", "Command7");
    cleanNow_ = button("Change Now", "Command8");
    statusNow_ = button("Change Now", "Command10");

    commentBox_ = new QLineEdit;
    commentBox_->setObjectName("Text2");
    updateButton_ = button("Update", "Command12");
    exitButton_ = button("Exit", "Command11");

    auto* grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    int row = 0;
    grid->addWidget(new QLabel("Room #...................."), row, 0);
    grid->addWidget(roomNoValue_, row, 1);
    ++row;
    const struct {
        const char* caption;
        QLabel* value;
        QPushButton* change;
        QWidget* editor;
        QPushButton* now;
    } properties[] = {
        {"Room Type.............", typeValue_, changeType_, typeEditor_, typeNow_},
        {"Room Rate...............", rateValue_, changeRate_, rateEditor_, rateNow_},
        {"Vacant......................", vacantValue_, changeVacant_, vacantEditor_, vacantNow_},
        {"Clean........................", cleanValue_, changeClean_, cleanEditor_, cleanNow_},
        {"Status........................", statusValue_, changeStatus_, statusEditor_, statusNow_},
    };
    for (const auto& p : properties) {
        grid->addWidget(new QLabel(p.caption), row, 0);
        grid->addWidget(p.value, row, 1);
        grid->addWidget(p.change, row, 2);
        grid->addWidget(p.editor, row, 3);
        grid->addWidget(p.now, row, 4);
        ++row;
    }

    auto* chooserRow = new QHBoxLayout;
    chooserRow->addWidget(chooser_);
    chooserRow->addStretch();

    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(new QLabel("Comment"));
    commentRow->addWidget(commentBox_, 1);
    commentRow->addWidget(updateButton_);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooserRow);
    layout->addLayout(grid);
    layout->addLayout(commentRow);
    layout->addStretch();
    layout->addLayout(exitRow);
    resize(640, 330);

    // A room is chosen from the list, or typed and confirmed with Enter.
    connect(chooser_, &QComboBox::activated, this, &RoomPropertiesWindow::chooseRoom);
    connect(chooser_->lineEdit(), &QLineEdit::returnPressed, this, &RoomPropertiesWindow::chooseRoom);

    // "Change" shows its editor; a choice (or typed text) shows its "Change Now".
    const struct {
        QPushButton* change;
        QComboBox* editor;
        QPushButton* now;
        const char* prompt;
    } lists[] = {
        {changeType_, typeEditor_, typeNow_, kSelectType},
        {changeVacant_, vacantEditor_, vacantNow_, kSelectVacant},
        {changeClean_, cleanEditor_, cleanNow_, kSelectClean},
        {changeStatus_, statusEditor_, statusNow_, kOutOfOrder},
    };
    for (const auto& l : lists) {
        QComboBox* editor = l.editor;
        QPushButton* now = l.now;
        const QString prompt = l.prompt;
        connect(l.change, &QPushButton::clicked, this, [editor, now, prompt] {
            showPrompt(editor, prompt);
            now->hide();
            editor->show();
            editor->setFocus();
        });
        connect(editor, &QComboBox::activated, now, &QWidget::show);
        connect(editor->lineEdit(), &QLineEdit::textEdited, now, &QWidget::show);
    }
    connect(changeRate_, &QPushButton::clicked, this, [this] {
        rateEditor_->show();
        rateNow_->show();
        rateEditor_->setFocus();
    });
    connect(rateEditor_, &QLineEdit::textEdited, rateNow_, &QWidget::show);

    connect(typeNow_, &QPushButton::clicked, this, &RoomPropertiesWindow::changeTypeNow);
    connect(rateNow_, &QPushButton::clicked, this, &RoomPropertiesWindow::changeRateNow);
    connect(vacantNow_, &QPushButton::clicked, this, &RoomPropertiesWindow::changeVacantNow);
    connect(cleanNow_, &QPushButton::clicked, this, &RoomPropertiesWindow::changeCleanNow);
    connect(statusNow_, &QPushButton::clicked, this, &RoomPropertiesWindow::changeStatusNow);
    connect(updateButton_, &QPushButton::clicked, this, &RoomPropertiesWindow::updateCommentNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);

    enableChanges(false);
    hideEditors();
    runHandler(desk_, [this] {
        for (const std::string& entry : roomListEntries(desk_.dataDir)) chooser_->addItem(qText(entry));
    });
    showPrompt(chooser_, kChooseRoom);
}

void RoomPropertiesWindow::enableChanges(bool enabled) {
    for (QPushButton* change : {changeType_, changeRate_, changeVacant_, changeClean_, changeStatus_}) change->setEnabled(enabled);
}

void RoomPropertiesWindow::hideEditors() {
    for (QWidget* w : std::initializer_list<QWidget*>{typeEditor_, rateEditor_, vacantEditor_, cleanEditor_, statusEditor_, typeNow_,
                                                     rateNow_, vacantNow_, cleanNow_, statusNow_})
        w->hide();
}

std::string RoomPropertiesWindow::shownRoomNo() const { return std::string(trimRight(stdText(roomNoValue_->text()))); }

void RoomPropertiesWindow::showView(const std::optional<RoomView>& view) {
    roomNoValue_->setText(view ? qText(view->roomNo) : QString());
    typeValue_->setText(view ? qText(view->roomType) : QString());
    rateValue_->setText(view ? qText(view->rate) : QString());
    vacantValue_->setText(view ? qText(view->vacant) : QString());
    cleanValue_->setText(view ? qText(view->clean) : QString());
    statusValue_->setText(view ? qText(view->status) : QString());
    commentBox_->setText(view ? qText(view->comment) : QString());
    enableChanges(view.has_value());
}

void RoomPropertiesWindow::chooseRoom() {
    runHandler(desk_, [this] {
        commentBox_->clear();
        hideEditors();
        // A text that names no room (typed into the chooser) shows nothing, and nothing
        // can then be changed.
        showView(showRoom(desk_.dataDir, stdText(chooser_->currentText())));
    });
}

void RoomPropertiesWindow::changeTypeNow() {
    runHandler(desk_, [this] {
        if (const auto view = changeRoomType(desk_.dataDir, shownRoomNo(), stdText(typeEditor_->currentText())))
            typeValue_->setText(qText(view->roomType));
        typeEditor_->hide();
        typeNow_->hide();
    });
}

void RoomPropertiesWindow::changeRateNow() {
    runHandler(desk_, [this] {
        const std::string typed = stdText(rateEditor_->text());
        if (!singleFromNumberText(typed)) {
            // The stored rate stays as it was; the box stays open for a number.
            desk_.dialogs.inform("ATTENTION!", "The room rate must be a number.");
            rateEditor_->setFocus();
            return;
        }
        if (const auto view = changeRate(desk_.dataDir, shownRoomNo(), typed)) rateValue_->setText(qText(view->rate));
        rateEditor_->clear();
        rateEditor_->hide();
        rateNow_->hide();
    });
}

void RoomPropertiesWindow::changeVacantNow() {
    runHandler(desk_, [this] {
        if (const auto view = changeVacant(desk_.dataDir, shownRoomNo(), stdText(vacantEditor_->currentText())))
            vacantValue_->setText(qText(view->vacant));
        vacantEditor_->hide();
        vacantNow_->hide();
    });
}

void RoomPropertiesWindow::changeCleanNow() {
    runHandler(desk_, [this] {
        if (const auto view = changeClean(desk_.dataDir, shownRoomNo(), stdText(cleanEditor_->currentText())))
            cleanValue_->setText(qText(view->clean));
        cleanEditor_->hide();
        cleanNow_->hide();
    });
}

void RoomPropertiesWindow::changeStatusNow() {
    runHandler(desk_, [this] {
        if (const auto view = changeStatus(desk_.dataDir, shownRoomNo(), stdText(statusEditor_->currentText())))
            statusValue_->setText(qText(view->status));
        statusEditor_->hide();
        statusNow_->hide();
        refreshOutOfOrderCount();
    });
}

void RoomPropertiesWindow::refreshOutOfOrderCount() {
    if (auto* main = desk_.windows.find<MainWindow>()) main->showOutOfOrderCount(countOutOfOrder(desk_.dataDir));
}

void RoomPropertiesWindow::storeComment() {
    if (shownRoomNo().empty()) return;
    updateComment(desk_.dataDir, shownRoomNo(), stdText(commentBox_->text()));
}

void RoomPropertiesWindow::updateCommentNow() {
    runHandler(desk_, [this] { storeComment(); });
}

void RoomPropertiesWindow::closeEvent(QCloseEvent* event) {
    // An edited comment is kept even when "Update" was not pressed.
    runHandler(desk_, [this] { storeComment(); });
    event->accept();
}

}  // namespace innvera
