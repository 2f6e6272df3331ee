#include "folio/ui/folio_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/forms.h"
#include "folio/charge_codes.h"
#include "folio/check_out.h"
#include "folio/folio_screen.h"
#include "folio/post_entry.h"
#include "folio/printed_folio.h"
#include "core/front_desk.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

// Back colours of the list and balance (paid up, or owing) and of "View Message".
const char* const kPaidUp = "#c0ffc0";
const char* const kOwing = "#ffc0c0";
const char* const kWhite = "#ffffff";
const char* const kMessageWaiting = "#ff8080";
const char* const kNoMessage = "#e0e0e0";

void setBackColour(QWidget* widget, const char* colour) {
    widget->setStyleSheet(QStringLiteral("%1 { background-color: %2; }")
                              .arg(QString::fromLatin1(widget->metaObject()->className()), QString::fromLatin1(colour)));
}

void setButtonColour(QPushButton* button, const char* colour) {
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #8a8a8a; "
                                         "border-radius: 2px; padding: 4px 10px; }"
                                         "QPushButton:disabled { color: #8a8a8a; }")
                              .arg(QString::fromLatin1(colour)));
}

void refill(QComboBox* list, const std::vector<std::string>& entries, const char* prompt) {
    list->clear();
    for (const std::string& entry : entries) list->addItem(qs(entry));
    showPrompt(list, QString::fromLatin1(prompt));
}

}  // namespace

FolioWindow::FolioWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QStringLiteral("FolioWindow"));
    setWindowTitle(QStringLiteral("View Folio"));

    guestList_ = promptList(QStringLiteral("Combo3"), QString::fromLatin1(kSelectGuest), {}, this);
    guestList_->setMinimumContentsLength(28);
    guest_ = new GuestDetailsPanel({GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                                    GuestDetailsPanel::State, GuestDetailsPanel::Company, GuestDetailsPanel::Comment},
                                   false, this);
    arrivalBox_ = lineEdit("Text13", this);
    departBox_ = lineEdit("Text14", this);
    daysBox_ = lineEdit("Text15", this);
    rateBox_ = lineEdit("Text17", this);
    arrivalTimeLabel_ = valueLabel("Label28", this, 70);
    folioLabel_ = valueLabel("Label24", this, 70);
    roomLabel_ = valueLabel("Label29", this, 70);
    directBillCaption_ = new QLabel(QStringLiteral("Direct Bill Account"), this);
    directBillCaption_->setObjectName(QStringLiteral("Label31"));
    directBillLabel_ = valueLabel("Label30", this, 70);
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("List1"));
    balanceLabel_ = valueLabel("Label22", this, 70);
    balanceLabel_->setMinimumWidth(110);
    balanceLabel_->setAutoFillBackground(true);
    chargesFrame_ = new QGroupBox(QStringLiteral("Add Charges/Payments"), this);
    chargesFrame_->setObjectName(QStringLiteral("ChargesFrame"));
    QStringList codes;
    for (std::string_view entry : folioScreenCodeEntries()) codes << qs(std::string(entry));
    codeList_ = promptList(QStringLiteral("Combo4"), qs(std::string(kSelectCode)), codes, chargesFrame_);
    amountBox_ = lineEdit("Text16", chargesFrame_);
    doNowButton_ = button("Command4", "Do Now", chargesFrame_);
    roomList_ = promptList(QStringLiteral("Combo5"), QString::fromLatin1(kChangeRoom), {}, this);
    auto* actionFrame = new QGroupBox(QStringLiteral("Action"), this);
    actionFrame->setObjectName(QStringLiteral("ActionFrame"));
    checkOutButton_ = button("Command1", "Check Out", actionFrame);
    printButton_ = button("Command2", "Print Folio", actionFrame);
    saveButton_ = button("Command5", "Save and Exit", actionFrame);
    frameExitButton_ = button("Command3", "Exit", actionFrame);
    postMessageButton_ = button("Command6", "Post Message", actionFrame);
    viewMessageButton_ = button("Command7", "View Message", actionFrame);
    topExitButton_ = button("Command8", "Exit", this);

    // The folio lines in a fixed-pitch font, under headings at the rows' columns.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lines_->setFont(fixed);
    auto* headings = new QLabel(qs(fitWidth("Room", 10) + fitWidth("Date", 20) + fitWidth("Code", 15) +
                                   fitWidth("Description", 35) + "Amount"),
                                this);
    headings->setFont(fixed);
    const int rowWidth = QFontMetrics(fixed).horizontalAdvance(QString(100, QLatin1Char('M')));
    lines_->setMinimumWidth(rowWidth + 30);
    headings->setContentsMargins(lines_->frameWidth() + 2, 0, 0, 0);

    // Top: the guest chooser, the stay's number and room, and the way out.
    auto* top = new QHBoxLayout;
    top->addWidget(guestList_);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Folio#"), this));
    top->addWidget(folioLabel_);
    top->addWidget(new QLabel(QStringLiteral("Room"), this));
    top->addWidget(roomLabel_);
    top->addWidget(new QLabel(QStringLiteral("Arrival Time"), this));
    top->addWidget(arrivalTimeLabel_);
    top->addStretch();
    top->addWidget(topExitButton_);

    // Left: the guest and the stay's dates and rate.
    // The stay's rows go on under the guest boxes, in the same columns.
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    if (auto* grid = qobject_cast<QGridLayout*>(guest_->layout())) {
        for (auto [caption, box] : {std::pair{"Arrival Date", arrivalBox_}, std::pair{"Depart Date", departBox_},
                                    std::pair{"Days", daysBox_}, std::pair{"Rate", rateBox_}}) {
            const int row = grid->rowCount();
            grid->addWidget(new QLabel(QString::fromLatin1(caption), guest_), row, 0);
            grid->addWidget(box, row, 1);
        }
    }
    left->addStretch();

    // Right: the folio, its balance and account, then posting, room change and actions.
    auto* right = new QVBoxLayout;
    right->addWidget(headings);
    right->addWidget(lines_, 1);
    auto* balanceRow = new QHBoxLayout;
    balanceRow->addWidget(directBillCaption_);
    balanceRow->addWidget(directBillLabel_);
    balanceRow->addStretch();
    balanceRow->addWidget(new QLabel(QStringLiteral("Balance....."), this));
    balanceRow->addWidget(balanceLabel_);
    right->addLayout(balanceRow);

    auto* charges = new QHBoxLayout(chargesFrame_);
    charges->addWidget(codeList_);
    charges->addWidget(new QLabel(QStringLiteral("Amount"), chargesFrame_));
    charges->addWidget(amountBox_);
    charges->addWidget(doNowButton_);
    auto* changeRoomBox = new QGroupBox(this);  // the list shows "Change Room" itself
    auto* changeRoomLayout = new QVBoxLayout(changeRoomBox);
    changeRoomLayout->addWidget(roomList_);
    auto* middleRow = new QHBoxLayout;
    middleRow->addWidget(chargesFrame_, 2);
    middleRow->addWidget(changeRoomBox, 1);
    right->addLayout(middleRow);

    auto* actions = new QGridLayout(actionFrame);
    actions->addWidget(checkOutButton_, 0, 0);
    actions->addWidget(printButton_, 0, 1);
    actions->addWidget(saveButton_, 0, 2);
    actions->addWidget(frameExitButton_, 0, 3);
    actions->addWidget(postMessageButton_, 1, 0);
    actions->addWidget(viewMessageButton_, 1, 1);
    right->addWidget(actionFrame);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);

    connect(guestList_, &QComboBox::activated, this, &FolioWindow::guestChosen);
    connect(codeList_, &QComboBox::activated, this, &FolioWindow::codeChosen);
    connect(doNowButton_, &QPushButton::clicked, this, &FolioWindow::doNow);
    connect(printButton_, &QPushButton::clicked, this, &FolioWindow::printFolio);
    connect(checkOutButton_, &QPushButton::clicked, this, &FolioWindow::checkOutGuest);
    connect(roomList_, &QComboBox::activated, this, &FolioWindow::roomChosen);
    connect(saveButton_, &QPushButton::clicked, this, &FolioWindow::saveAndExit);
    connect(frameExitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(topExitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(postMessageButton_, &QPushButton::clicked, this,
            [this] { desk_.windows.open(QStringLiteral("PostMessageWindow")); });
    connect(viewMessageButton_, &QPushButton::clicked, this,
            [this] { desk_.windows.open(QStringLiteral("ViewMessageWindow")); });
    departBox_->installEventFilter(this);

    load();
}

void FolioWindow::load() {
    showNoGuest();
    runHandler(desk_, [&] {
        fillGuestList();
        fillRoomList();
        const std::string preselection(trimRight(desk_.session.folioPreselection));
        if (preselection == Session::kNoPreselection) return;
        desk_.session.folioPreselection.clear();
        if (const auto stay = departingStay(desk_.dataDir, preselection, desk_.session.hotelDate)) {
            const int index = guestList_->findText(qs(guestEntry(*stay)));
            if (index >= 0) guestList_->setCurrentIndex(index);
            showGuest(*stay);
        }
    });
}

void FolioWindow::fillGuestList() { refill(guestList_, inHouseGuestEntries(desk_.dataDir), kSelectGuest); }

void FolioWindow::fillRoomList() { refill(roomList_, roomsToMoveTo(desk_.dataDir), kChangeRoom); }

void FolioWindow::resetCodeEntry() {
    showPrompt(codeList_, QString::fromLatin1(kSelectCode.data(), static_cast<int>(kSelectCode.size())));
    amountBox_->clear();
}

void FolioWindow::enableGuestActions(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{checkOutButton_, printButton_, saveButton_, chargesFrame_,
                                                            roomList_, postMessageButton_})
        control->setEnabled(enabled);
}

// The message windows belong to the stay they were opened for: they close whenever the
// window shows another stay or none, so a message never lands on the wrong guest.
void FolioWindow::closeMessageWindows() {
    for (const char* name : {"PostMessageWindow", "ViewMessageWindow"})
        if (QWidget* window = desk_.windows.find(QString::fromLatin1(name))) window->close();
}

void FolioWindow::showNoGuest() {
    closeMessageWindows();
    lines_->clear();
    guest_->clear();
    for (QLineEdit* box : {arrivalBox_, departBox_, daysBox_, rateBox_}) box->clear();
    for (QLabel* label : {folioLabel_, balanceLabel_, arrivalTimeLabel_, roomLabel_, directBillLabel_}) label->clear();
    directBillCaption_->hide();
    directBillLabel_->hide();
    enableGuestActions(false);
    viewMessageButton_->setEnabled(false);
    setButtonColour(viewMessageButton_, kNoMessage);
    setBackColour(lines_, kWhite);
    balanceLabel_->setStyleSheet(QString());  // the plain face of the window
    resetCodeEntry();
}

void FolioWindow::showGuest(const Guest& g) {
    closeMessageWindows();
    lines_->clear();
    directBillCaption_->hide();
    directBillLabel_->hide();
    viewMessageButton_->setEnabled(false);
    setButtonColour(viewMessageButton_, kNoMessage);
    setBackColour(lines_, kWhite);

    guest_->showForm(GuestForm::from(g));
    arrivalBox_->setText(qs(g.arrivalDate.text()));
    departBox_->setText(qs(g.departDate.text()));
    daysBox_->setText(QString::number(g.departDate.daysSince(g.arrivalDate)));
    rateBox_->setText(qs(plainNumber(g.rate)));
    arrivalTimeLabel_->setText(qs(g.arrivalTime.str()));
    folioLabel_->setText(qs(plainNumber(g.folioNo)));
    roomLabel_->setText(qs(std::string(trimRight(g.roomNo.str()))));

    enableGuestActions(true);
    if (g.messageFlag == 1.0f) showMessageWaiting();
    if (const auto account = directBillLine(desk_.dataDir, g.directBillNo)) {
        directBillLabel_->setText(qs(*account));
        directBillCaption_->show();
        directBillLabel_->show();
    }
    showFolioLines(g.folioNo);
}

void FolioWindow::showFolioLines(float folioNo) {
    const FolioView view = folioView(desk_.dataDir, folioNo);
    lines_->clear();
    for (const std::string& row : view.rows) lines_->addItem(qs(row));
    balanceLabel_->setText(qs(plainNumber(view.balance)));
    const char* colour = view.balance <= 0 ? kPaidUp : kOwing;
    setBackColour(lines_, colour);
    setBackColour(balanceLabel_, colour);
}

void FolioWindow::showMessageWaiting() {
    viewMessageButton_->setEnabled(true);
    setButtonColour(viewMessageButton_, kMessageWaiting);
}

std::optional<float> FolioWindow::shownFolio() const {
    const std::string folio = folioLabel_->text().toStdString();
    if (!isNumberText(folio)) return std::nullopt;
    return static_cast<float>(leadingNumber(folio));
}

void FolioWindow::guestChosen() {
    runHandler(desk_, [&] {
        const auto stay = stayOfEntry(desk_.dataDir, guestList_->currentText().toStdString());
        if (!stay) {
            showNoGuest();
            return;
        }
        showGuest(*stay);
    });
}

void FolioWindow::codeChosen() {
    if (codeList_->currentText().startsWith(QLatin1Char('E'))) amountBox_->setText(rateBox_->text());
    amountBox_->setFocus();
}

void FolioWindow::doNow() {
    const std::optional<float> folio = shownFolio();
    if (!folio) return;
    runHandler(desk_, [&] {
        PostEntryInput input;
        input.folioNo = *folio;
        input.codeText = codeList_->currentText().toStdString();
        input.amountText = text(amountBox_);
        input.hotelDate = desk_.session.hotelDate;
        const PostEntryResult result = postEntry(desk_.dataDir, input);
        if (result.failed()) {
            desk_.dialogs.inform("ATTENTION!", result.message);
            if (result.outcome == PostEntryOutcome::NoCode) codeList_->setFocus();
            if (result.outcome == PostEntryOutcome::NoAmount || result.outcome == PostEntryOutcome::AmountTooLarge)
                amountBox_->setFocus();
            return;
        }
        resetCodeEntry();
        showFolioLines(*folio);
    });
}

void FolioWindow::printFolio() {
    const std::optional<float> folio = shownFolio();
    if (!folio) return;
    runHandler(desk_, [&] {
        const std::optional<Guest> stay = findStay(desk_.dataDir, *folio);
        if (!stay) return;
        desk_.printer.print(folioScreenFolio(guestBlockOf(*stay), readFolioLines(desk_.dataDir, *folio)));
    });
}

void FolioWindow::checkOutGuest() {
    const std::optional<float> folio = shownFolio();
    if (!folio) return;
    if (!desk_.dialogs.ask(kCheckOutTitle, kCheckOutQuestion)) return;
    runHandler(desk_, [&] {
        checkOut(desk_.dataDir, *folio, desk_.clock.now().text());
        showNoGuest();
        fillGuestList();
    });
}

void FolioWindow::roomChosen() {
    const std::optional<float> folio = shownFolio();
    if (!folio) return;
    runHandler(desk_, [&] {
        const RoomChange change = changeRoom(desk_.dataDir, *folio, roomLabel_->text().toStdString(),
                                             roomList_->currentText().toStdString());
        if (change.refused()) {
            desk_.dialogs.inform("ATTENTION!", change.message);
            showPrompt(roomList_, QString::fromLatin1(kChangeRoom));
            return;
        }
        roomLabel_->setText(qs(change.newRoom));
        // The lists follow the move: the guest under the new room, the new room no longer free.
        fillGuestList();
        if (const auto stay = findStay(desk_.dataDir, *folio)) {
            const int index = guestList_->findText(qs(guestEntry(*stay)));
            if (index >= 0) guestList_->setCurrentIndex(index);
        }
        fillRoomList();
    });
}

void FolioWindow::saveAndExit() {
    const std::optional<float> folio = shownFolio();
    if (!folio) return;
    bool saved = false;
    runHandler(desk_, [&] {
        FolioSaveForm form;
        form.guest = guest_->form();
        form.departDate = text(departBox_);
        form.rate = text(rateBox_);
        if (const auto refusal = checkFolioSave(form)) {
            desk_.dialogs.inform("ATTENTION!", refusal->message);
            (refusal->focus == FolioSaveField::Rate ? rateBox_ : departBox_)->setFocus();
            return;
        }
        if (!saveFolio(desk_.dataDir, *folio, form)) {
            desk_.dialogs.inform("ATTENTION!", kNoStayInHouse);
            return;
        }
        saved = true;
    });
    if (saved) close();
}

bool FolioWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == departBox_ && event->type() == QEvent::MouseButtonPress && shownFolio())
        desk_.windows.open(QStringLiteral("Form9"));
    return QWidget::eventFilter(watched, event);
}

void FolioWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closeMessageWindows();
    if (QWidget* calendar = desk_.windows.find(QStringLiteral("Form9"))) calendar->close();
    desk_.session.folioPreselection = Session::kNoPreselection;
    // Whatever way the clerk leaves, the main window comes back when it was closed for this one.
    if (!desk_.windows.find(QStringLiteral("MainWindow"))) desk_.windows.open(QStringLiteral("MainWindow"));
}

}  // namespace innvera
