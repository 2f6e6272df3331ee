#include "folio/ui/folio_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/formats.h"
#include "core/stay_rules.h"
#include "core/stays.h"
#include "core/ui/date_calendar.h"
#include "core/ui/guest_details_panel.h"
#include "core/ui/motel_on_record.h"
#include "ledger/charge_codes.h"
#include "folio/check_out.h"
#include "folio/folio_screen.h"
#include "folio/post_entry.h"
#include "folio/printed_folio.h"
#include "folio/ui/folio_colours.h"
#include "messages/ui/message_windows.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

// Back colours of "View Message" (those of the list and balance are the folio's colours).
const char* const kMessageWaiting = "#ff8080";
const char* const kNoMessage = "#e0e0e0";

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

// The window of that kind the folio screen has open, if any.
template <class W>
W* openChild(QWidget* owner) {
    for (W* window : owner->findChildren<W*>(QString(), Qt::FindDirectChildrenOnly))
        if (window->isVisible()) return window;
    return nullptr;
}

QLabel* caption(const char* text, QWidget* parent) { return captionLabel(QString::fromLatin1(text), parent); }

}  // namespace

FolioWindow::FolioWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("View Folio"));
    createControls();
    createLayout();
    connectControls();
    load();
}

void FolioWindow::createControls() {
    guestList_ = promptList(QStringLiteral("Combo3"), QString::fromLatin1(kSelectGuest), {}, this);
    guestList_->setMinimumContentsLength(28);
    guest_ = new GuestDetailsPanel({GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                                    GuestDetailsPanel::State, GuestDetailsPanel::Company, GuestDetailsPanel::Comment},
                                   false, desk_.clock.today().year(), this);
    const GuestDetailsPanel::StayDates dates = guest_->addStayDates(this);
    arrivalBox_ = dates.arrival;
    departBox_ = dates.depart;
    daysBox_ = dates.days;
    rateBox_ = lineEdit("Text17", this);
    arrivalTimeLabel_ = valueLabel("Label28", this, 70);
    folioLabel_ = valueLabel("Label24", this, 70);
    roomLabel_ = valueLabel("Label29", this, 70);
    directBillCaption_ = captionLabel("Label31", "Direct Bill Account", this);
    directBillLabel_ = valueLabel("Label30", this, 70);
    lines_ = listBox("List1", this);
    balanceLabel_ = valueLabel("Label22", this, 110);
    balanceLabel_->setAutoFillBackground(true);
    chargesFrame_ = new QGroupBox(QStringLiteral("Add Charges/Payments"), this);
    chargesFrame_->setObjectName(QStringLiteral("ChargesFrame"));
    QStringList codes;
    for (std::string_view entry : folioScreenCodeEntries()) codes << qs(std::string(entry));
    codeList_ = promptList(QStringLiteral("Combo4"), qs(std::string(kSelectCode)), codes, chargesFrame_);
    amountBox_ = lineEdit("Text16", chargesFrame_);
    doNowButton_ = button("Command4", "Do Now", chargesFrame_);
    roomList_ = promptList(QStringLiteral("Combo5"), QString::fromLatin1(kChangeRoom), {}, this);
    takeOnlyDeliberateChoices(roomList_);  // choosing moves the guest at once
    actionFrame_ = new QGroupBox(QStringLiteral("Action"), this);
    actionFrame_->setObjectName(QStringLiteral("ActionFrame"));
    checkOutButton_ = button("Command1", "Check Out", actionFrame_);
    printButton_ = button("Command2", "Print Folio", actionFrame_);
    saveButton_ = button("Command5", "Save and Exit", actionFrame_);
    frameExitButton_ = button("Command3", "Exit", actionFrame_);
    postMessageButton_ = button("Command6", "Post Message", actionFrame_);
    viewMessageButton_ = button("Command7", "View Message", actionFrame_);
    topExitButton_ = button("Command8", "Exit", this);

    // The folio lines in a fixed-pitch font, under headings at the rows' columns.
    showInColumns(lines_, 100, 80);
    headings_ = columnHeadings(lines_, qs(folioListHeadings()), this);
}

void FolioWindow::createLayout() {
    // Top: the guest chooser, the stay's number and room, and the way out.
    auto* top = new QHBoxLayout;
    top->addWidget(guestList_);
    top->addSpacing(12);
    for (auto [text, value] : {std::pair{"Folio#", folioLabel_}, std::pair{"Room", roomLabel_},
                               std::pair{"Arrival Time", arrivalTimeLabel_}}) {
        top->addWidget(caption(text, this));
        top->addWidget(value);
    }
    top->addStretch();
    top->addWidget(topExitButton_);

    // Left: the guest, and the stay's rows under the guest boxes, in the same columns.
    guest_->addRow(QStringLiteral("Rate"), rateBox_);
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    // Right: the folio, its balance and account, then posting, room change and actions.
    auto* balanceRow = new QHBoxLayout;
    balanceRow->addWidget(directBillCaption_);
    balanceRow->addWidget(directBillLabel_);
    balanceRow->addStretch();
    balanceRow->addWidget(caption("Balance.....", this));
    balanceRow->addWidget(balanceLabel_);

    auto* charges = new QHBoxLayout(chargesFrame_);
    charges->addWidget(codeList_);
    charges->addWidget(caption("Amount", chargesFrame_));
    charges->addWidget(amountBox_);
    charges->addWidget(doNowButton_);
    auto* changeRoomBox = new QGroupBox(this);  // the list shows "Change Room" itself
    auto* changeRoomLayout = new QVBoxLayout(changeRoomBox);
    changeRoomLayout->addWidget(roomList_);
    auto* middleRow = new QHBoxLayout;
    middleRow->addWidget(chargesFrame_, 2);
    middleRow->addWidget(changeRoomBox, 1);

    auto* actions = new QGridLayout(actionFrame_);
    actions->addWidget(checkOutButton_, 0, 0);
    actions->addWidget(printButton_, 0, 1);
    actions->addWidget(saveButton_, 0, 2);
    actions->addWidget(frameExitButton_, 0, 3);
    actions->addWidget(postMessageButton_, 1, 0);
    actions->addWidget(viewMessageButton_, 1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(headings_);
    right->addWidget(lines_, 1);
    right->addLayout(balanceRow);
    right->addLayout(middleRow);
    right->addWidget(actionFrame_);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
}

void FolioWindow::connectControls() {
    connect(guestList_, &QComboBox::activated, this, &FolioWindow::guestChosen);
    connect(codeList_, &QComboBox::activated, this, &FolioWindow::codeChosen);
    connect(doNowButton_, &QPushButton::clicked, this, &FolioWindow::doNow);
    connect(printButton_, &QPushButton::clicked, this, &FolioWindow::printFolio);
    connect(checkOutButton_, &QPushButton::clicked, this, &FolioWindow::checkOutGuest);
    connect(roomList_, &QComboBox::activated, this, &FolioWindow::roomChosen);
    connect(saveButton_, &QPushButton::clicked, this, &FolioWindow::saveAndExit);
    connect(frameExitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(topExitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(postMessageButton_, &QPushButton::clicked, this, &FolioWindow::openPostMessage);
    connect(viewMessageButton_, &QPushButton::clicked, this, &FolioWindow::openViewMessage);
    opensCalendar(departBox_, [this] {
        if (shown_) openDepartureCalendar();
    });
    // "Days" follows the departure, typed or picked, as on the check-in window; a date half
    // typed changes nothing.
    connect(departBox_, &QLineEdit::textChanged, this, [this] {
        if (!shown_) return;
        if (const auto departure = stayDate(text(departBox_)))
            daysBox_->setText(QString::number(departure->daysSince(shown_->arrivalDate)));
    });
    exitOnEscape(this, topExitButton_);
    enterClicks(doNowButton_, {amountBox_});
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
    showPrompt(codeList_, qs(std::string(kSelectCode)));
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
    for (QWidget* window : findChildren<PostMessageWindow*>(Qt::FindDirectChildrenOnly)) window->close();
    for (QWidget* window : findChildren<ViewMessageWindow*>(Qt::FindDirectChildrenOnly)) window->close();
}

void FolioWindow::showNoGuest() {
    closeMessageWindows();
    shown_.reset();
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
    shown_ = g;
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
    balanceLabel_->setText(qs(moneyText(view.balance)));
    colourByBalance(lines_, balanceLabel_, view.balance);
}

void FolioWindow::showMessageWaiting() {
    viewMessageButton_->setEnabled(true);
    setButtonColour(viewMessageButton_, kMessageWaiting);
}

void FolioWindow::openPostMessage() {
    if (!shown_) return;
    if (QWidget* open = openChild<PostMessageWindow>(this)) {
        desk_.windows.show(open);
        return;
    }
    auto* window = new PostMessageWindow(desk_, {shown_->folioNo, roomLabel_->text().toStdString()}, this);
    connect(window, &PostMessageWindow::posted, this, [this](float folioNo) {
        if (shown_ && shown_->folioNo == folioNo) showMessageWaiting();
    });
    desk_.windows.show(window);
}

void FolioWindow::openViewMessage() {
    if (!shown_) return;
    if (QWidget* open = openChild<ViewMessageWindow>(this)) {
        desk_.windows.show(open);
        return;
    }
    desk_.windows.show(new ViewMessageWindow(desk_, {shown_->folioNo, roomLabel_->text().toStdString()}, this));
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

void FolioWindow::showStay(float folioNo) {
    runHandler(desk_, [&] {
        fillGuestList();
        const auto stay = findInHouseStay(desk_.dataDir, folioNo);
        if (!stay) {
            showNoGuest();
            return;
        }
        const int index = guestList_->findText(qs(guestEntry(*stay)));
        if (index >= 0) guestList_->setCurrentIndex(index);
        showGuest(*stay);
    });
}

void FolioWindow::codeChosen() {
    if (codeList_->currentText().startsWith(QLatin1Char('E'))) amountBox_->setText(rateBox_->text());
    amountBox_->setFocus();
    amountBox_->selectAll();  // what the box holds is replaced by what the clerk types
}

void FolioWindow::doNow() {
    if (!shown_) return;
    const float folioNo = shown_->folioNo;
    PostEntryInput input;
    input.folioNo = folioNo;
    input.codeText = codeList_->currentText().toStdString();
    input.amountText = text(amountBox_);
    input.hotelDate = desk_.session.hotelDate;
    // A negative amount corrects a posting: asked first, the answer No posting nothing.
    std::optional<FolioPosting> posting;
    const bool checked = runHandler(desk_, [&] {
        const auto reading = checkPostEntry(desk_.dataDir, input);
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        posting = std::get<std::optional<FolioPosting>>(reading);
    });
    if (!checked || !posting) return;
    if (posting->correction() && !desk_.dialogs.ask(kCorrectionTitle, correctionQuestion(*posting))) return;
    runHandler(desk_, [&] {
        if (const auto refusal = postEntry(desk_.dataDir, input)) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        resetCodeEntry();
        showFolioLines(folioNo);
    });
}

void FolioWindow::printFolio() {
    if (!shown_) return;
    const float folioNo = shown_->folioNo;
    runHandler(desk_, [&] {
        const std::optional<Guest> stay = findStay(desk_.dataDir, folioNo);
        if (!stay) return;
        desk_.printer.print(
            folioScreenFolio(motelOnRecord(desk_).printed, guestBlockOf(*stay), readFolioLines(desk_.dataDir, folioNo)));
    });
}

void FolioWindow::checkOutGuest() {
    if (!shown_) return;
    const float folioNo = shown_->folioNo;
    std::string question = kCheckOutQuestion;
    if (!runHandler(desk_, [&] { question = checkOutQuestion(desk_.dataDir, folioNo); })) return;
    if (!desk_.dialogs.ask(kCheckOutTitle, question)) return;
    runHandler(desk_, [&] {
        checkOut(desk_.dataDir, folioNo, desk_.clock.now().text());
        showNoGuest();
        fillGuestList();
    });
}

void FolioWindow::roomChosen() {
    if (!shown_) return;
    const float folioNo = shown_->folioNo;
    runHandler(desk_, [&] {
        const auto change = changeRoom(desk_.dataDir, folioNo, shown_->roomNo.str(),
                                       roomList_->currentText().toStdString());
        if (const auto* refusal = std::get_if<Refusal>(&change)) {
            showRefusal(desk_, this, *refusal);
            showPrompt(roomList_, QString::fromLatin1(kChangeRoom));
            return;
        }
        const std::string& newRoom = std::get<std::string>(change);
        shown_->roomNo = newRoom;
        roomLabel_->setText(qs(newRoom));
        // The lists follow the move: the guest under the new room, the new room no longer free.
        fillGuestList();
        const int index = guestList_->findText(qs(guestEntry(*shown_)));
        if (index >= 0) guestList_->setCurrentIndex(index);
        fillRoomList();
    });
}

void FolioWindow::saveAndExit() {
    if (!shown_) return;
    const float folioNo = shown_->folioNo;
    bool saved = false;
    runHandler(desk_, [&] {
        FolioSaveForm form;
        form.guest = guest_->form();
        form.departDate = text(departBox_);
        form.rate = text(rateBox_);
        form.arrivalDate = shown_->arrivalDate;
        if (const auto refusal = checkFolioSave(form)) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        if (!saveFolio(desk_.dataDir, folioNo, form)) {
            desk_.dialogs.inform("ATTENTION!", kNoStayInHouse);
            return;
        }
        saved = true;
    });
    if (saved) close();
}

void FolioWindow::openDepartureCalendar() {
    DateCalendar::open(desk_, this, {"Form9", "Form9", desk_.session.hotelDate, 0, departBox_},
                       [this](Date picked) { departureDatePicked(picked); });
}

// The departure calendar's pick: refused when the stay would run into an open reservation of
// the guest's room.
void FolioWindow::departureDatePicked(Date picked) {
    if (!shown_) return;
    runHandler(desk_, [&] {
        if (overbooks(desk_.dataDir, roomLabel_->text().toStdString(), picked)) {
            desk_.dialogs.inform("ATTENTION!", kOverbooking);
            return;
        }
        departBox_->setText(qs(picked.text()));
    });
}

void FolioWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closeMessageWindows();
    for (QWidget* calendar : findChildren<DateCalendar*>(Qt::FindDirectChildrenOnly)) calendar->close();
    desk_.session.folioPreselection = Session::kNoPreselection;
    // Whatever way the clerk leaves, the main window comes back when it was closed for this one.
    desk_.windows.openHub();
}

}  // namespace innvera
