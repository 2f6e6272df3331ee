#include "rooms/ui/room_properties_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/formats.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "core/room_types.h"
#include "core/rooms.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

namespace {

constexpr int kValueWidth = 90;
constexpr const char* kChooseRoom = "Choose Room";
constexpr const char* kSelectType = "Select Type";
constexpr const char* kSelectVacant = "Select Vacant";
constexpr const char* kSelectClean = "Select Clean Status";
constexpr const char* kOutOfOrder = "Out Of Order";

}  // namespace

RoomPropertiesWindow::RoomPropertiesWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("RoomPropertiesWindow");
    setWindowTitle("Edit Room Properties");
    createControls();
    createLayout();
    connectSignals();
    showView(std::nullopt);  // nothing can be changed before a room is shown
    runHandler(desk_, [this] {
        for (const std::string& entry : roomListEntries(desk_.dataDir)) chooser_->addItem(qs(entry));
    });
    showPrompt(chooser_, kChooseRoom);
}

void RoomPropertiesWindow::createControls() {
    chooser_ = promptList("Combo1", kChooseRoom, {}, this);
    chooser_->setMinimumWidth(180);
    roomNoValue_ = valueLabel("Label3", this, kValueWidth);

    typeEditor_ = promptList("Combo2", kSelectType, roomTypeItems(false), this);
    limitTypedText(typeEditor_, kRoomTypeWidth);
    rateBox_ = lineEdit("Text1", this);
    vacantEditor_ = promptList("Combo3", kSelectVacant, {"Y", "O"}, this);
    cleanEditor_ = promptList("Combo4", kSelectClean, {"Y", "N"}, this);
    statusEditor_ = promptList("Combo5", kOutOfOrder, {"K", "X"}, this);

    const auto property = [this](const char* valueName, const char* changeName, QWidget* editor, const char* nowName,
                                 std::string RoomView::*shown, const QString& prompt) {
        return Property{valueLabel(valueName, this, kValueWidth), button(changeName, "Change", this), editor,
                        button(nowName, "Change Now", this), shown, prompt};
    };
    type_ = property("Label4", "Command1", typeEditor_, "Command9", &RoomView::roomType, kSelectType);
    rate_ = property("Label6", "Command2", rateBox_, "Command6", &RoomView::rate, {});
    vacant_ = property("Label8", "Command3", vacantEditor_, "Command7", &RoomView::vacant, kSelectVacant);
    clean_ = property("Label10", "Command4", cleanEditor_, "Command8", &RoomView::clean, kSelectClean);
    status_ = property("Label12", "Command5", statusEditor_, "Command10", &RoomView::status, kOutOfOrder);

    commentBox_ = lineEdit("Text2", this);
    holdToField(commentBox_, fieldWidth(kRoomFields, &Room::comment));
    updateButton_ = button("Command12", "Update", this);
    exitButton_ = button("Command11", "Exit", this);

    // What the one-letter flags mean: under the rows, and as the tip of each flag's value, list
    // and entries.
    flagsLegend_ = captionLabel("FlagsLegend",
                                "Vacant: Y vacant, O occupied     Clean: Y clean, N dirty     "
                                "Status: K in service, X out of order",
                                this);
    struct Letter {
        const char* letter;
        const char* meaning;
    };
    struct Flag {
        Property* property;
        Letter letters[2];
    };
    const Flag flags[] = {
        {&vacant_, {{"Y", "vacant"}, {"O", "occupied"}}},
        {&clean_, {{"Y", "clean"}, {"N", "dirty"}}},
        {&status_, {{"K", "in service"}, {"X", "out of order"}}},
    };
    for (const Flag& flag : flags) {
        Property* p = flag.property;
        QStringList meanings;
        auto* list = static_cast<QComboBox*>(p->editor);
        for (const auto& [letter, meaning] : flag.letters) {
            meanings << QStringLiteral("%1 = %2").arg(QLatin1String(letter), QLatin1String(meaning));
            list->setItemData(list->findText(QLatin1String(letter)), QString::fromLatin1(meaning), Qt::ToolTipRole);
        }
        for (QWidget* shown : {static_cast<QWidget*>(p->value), p->editor}) shown->setToolTip(meanings.join(QStringLiteral(", ")));
    }
}

std::array<RoomPropertiesWindow::Property*, 5> RoomPropertiesWindow::properties() {
    return {&type_, &rate_, &vacant_, &clean_, &status_};
}

void RoomPropertiesWindow::createLayout() {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    grid->addWidget(captionLabel("Room #....................", this), 0, 0);
    grid->addWidget(roomNoValue_, 0, 1);
    const std::pair<const char*, Property*> rows[] = {
        {"Room Type.............", &type_},       {"Room Rate...............", &rate_},
        {"Vacant......................", &vacant_}, {"Clean........................", &clean_},
        {"Status........................", &status_},
    };
    int row = 1;
    for (const auto& [caption, p] : rows) {
        grid->addWidget(captionLabel(caption, this), row, 0);
        grid->addWidget(p->value, row, 1);
        grid->addWidget(p->change, row, 2);
        grid->addWidget(p->editor, row, 3);
        grid->addWidget(p->changeNow, row, 4);
        ++row;
    }

    auto* chooserRow = new QHBoxLayout;
    chooserRow->addWidget(chooser_);
    chooserRow->addStretch();

    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(captionLabel("Comment", this));
    commentRow->addWidget(commentBox_, 1);
    commentRow->addWidget(updateButton_);

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooserRow);
    layout->addLayout(grid);
    layout->addWidget(flagsLegend_);
    layout->addLayout(commentRow);
    layout->addStretch();
    layout->addLayout(exitRow);
    resize(640, 330);
}

void RoomPropertiesWindow::connectSignals() {
    // A room is chosen from the list, or typed and confirmed with Enter.
    connect(chooser_, &QComboBox::activated, this, &RoomPropertiesWindow::chooseRoom);
    connect(chooser_->lineEdit(), &QLineEdit::returnPressed, this, &RoomPropertiesWindow::chooseRoom);

    for (Property* p : properties())
        connect(p->change, &QPushButton::clicked, this, [this, p] { startChange(*p); });
    // Choosing an entry offers to store it; typing into a list does not. Typing a rate does.
    for (auto [list, now] : {std::pair{typeEditor_, type_.changeNow}, {vacantEditor_, vacant_.changeNow},
                             {cleanEditor_, clean_.changeNow}, {statusEditor_, status_.changeNow}})
        connect(list, &QComboBox::activated, now, &QWidget::show);
    connect(rateBox_, &QLineEdit::textEdited, rate_.changeNow, &QWidget::show);

    connect(type_.changeNow, &QPushButton::clicked, this, &RoomPropertiesWindow::changeTypeNow);
    connect(rate_.changeNow, &QPushButton::clicked, this, &RoomPropertiesWindow::changeRateNow);
    connect(vacant_.changeNow, &QPushButton::clicked, this, &RoomPropertiesWindow::changeVacantNow);
    connect(clean_.changeNow, &QPushButton::clicked, this, &RoomPropertiesWindow::changeCleanNow);
    connect(status_.changeNow, &QPushButton::clicked, this, &RoomPropertiesWindow::changeStatusNow);
    connect(updateButton_, &QPushButton::clicked, this, &RoomPropertiesWindow::updateCommentNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterClicks(rate_.changeNow, {rateBox_});
    enterClicks(updateButton_, {commentBox_});
}

void RoomPropertiesWindow::startChange(Property& property) {
    // Only shows: a choice already made and its "Change Now" stay.
    property.editor->show();
    if (property.editor == rateBox_) property.changeNow->show();
    property.editor->setFocus();
}

void RoomPropertiesWindow::putAway(Property& property) {
    property.editor->hide();
    property.changeNow->hide();
    if (auto* list = qobject_cast<QComboBox*>(property.editor))
        showPrompt(list, property.prompt);
    else
        rateBox_->clear();
}

std::string RoomPropertiesWindow::shownRoomNo() const { return std::string(trimRight(str(roomNoValue_->text()))); }

void RoomPropertiesWindow::showView(const std::optional<RoomView>& view) {
    roomNoValue_->setText(view ? qs(view->roomNo) : QString());
    for (Property* p : properties()) {
        p->value->setText(view ? qs((*view).*(p->shown)) : QString());
        p->change->setEnabled(view.has_value());
        // With no room shown nothing can be changed, so no editor stays open.
        if (!view) putAway(*p);
    }
    commentBox_->setText(view ? qs(view->comment) : QString());
}

void RoomPropertiesWindow::chooseRoom() {
    runHandler(desk_, [this] {
        commentBox_->clear();
        // A text that names no room (typed into the chooser) shows nothing.
        showView(showRoom(desk_.dataDir, str(chooser_->currentText())));
    });
}

void RoomPropertiesWindow::storeChoice(Property& property, QComboBox* list, Change change) {
    if (const auto view = change(desk_.dataDir, shownRoomNo(), str(list->currentText())))
        property.value->setText(qs((*view).*(property.shown)));
    putAway(property);
}

void RoomPropertiesWindow::changeTypeNow() {
    runHandler(desk_, [this] {
        // A type typed over the list must be one of its codes; the editor stays for another.
        if (const auto refusal = checkTypeChange(str(typeEditor_->currentText()))) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        storeChoice(type_, typeEditor_, &changeRoomType);
    });
}

void RoomPropertiesWindow::changeVacantNow() {
    runHandler(desk_, [this] { storeChoice(vacant_, vacantEditor_, &changeVacant); });
}

void RoomPropertiesWindow::changeCleanNow() {
    runHandler(desk_, [this] { storeChoice(clean_, cleanEditor_, &changeClean); });
}

void RoomPropertiesWindow::changeStatusNow() {
    runHandler(desk_, [this] {
        storeChoice(status_, statusEditor_, &changeStatus);
    });
}

void RoomPropertiesWindow::changeRateNow() {
    runHandler(desk_, [this] {
        const std::string typed = str(rateBox_->text());
        if (const auto refusal = checkRateChange(typed)) {
            // The stored rate stays as it was; the box stays open for a number.
            showRefusal(desk_, this, *refusal);
            return;
        }
        if (const auto view = changeRate(desk_.dataDir, shownRoomNo(), typed)) rate_.value->setText(qs(view->rate));
        putAway(rate_);
    });
}

void RoomPropertiesWindow::storeComment() {
    if (shownRoomNo().empty()) return;
    updateComment(desk_.dataDir, shownRoomNo(), str(commentBox_->text()));
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
