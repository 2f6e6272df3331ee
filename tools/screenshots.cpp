// Makes the README's screenshots (scripts/screenshots runs it): a sample motel in a temporary
// data directory, set up through the same domain calls the windows make, then the main windows
// opened on it as the program opens them, each grabbed to a PNG.
//
//   innvera_screenshots DIR     writes DIR/main-window.png, DIR/check-in.png, ...
//
// Runs on Qt's offscreen platform unless another is chosen. Exits 1 when the sample cannot be
// made or a window shows a message, so a stale screenshot is never kept quietly.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cstdio>
#include <iostream>
#include <variant>

#include "checkin/check_in.h"
#include "checkin/check_in_form.h"
#include "checkin/ui/check_in_window.h"
#include "checkin/ui/guest_list_window.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/counters.h"
#include "core/record_file.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/motel_details_window.h"
#include "app/welcome_window.h"
#include "ledger/ledger.h"
#include "folio/ui/folio_window.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/windows.h"
#include "reservations/add_reservation.h"
#include "reports/backup.h"
#include "reports/ui/check_data_window.h"
#include "reports/ui/restore_backup_window.h"
#include "reports/ui/statistics_window.h"
#include "reservations/ui/add_reservation_window.h"
#include "rooms/inventory.h"
#include "rooms/properties.h"
#include "rooms/rates.h"
#include "rooms/ui/room_board_window.h"
#include "rooms/ui/room_inventory_window.h"
#include "rooms/ui/room_rates_window.h"
#include "rooms/ui/tax_rate_window.h"
#include "rooms/ui/room_status_window.h"

using namespace innvera;

namespace {

// The sample's day: the hotel date and the system date the windows show.
const Date kToday = Date::fromYmd(2026, 5, 14);
const TimeOfDay kNow{10, 15, 0};

class SampleClock : public Clock {
public:
    Date today() const override { return kToday; }
    TimeOfDay now() const override { return kNow; }
};

// A message means the sample or a window went wrong: it is reported and fails the run. A
// question (leaving a window that asks first) is answered Yes.
class ReportingDialogs : public Dialogs {
public:
    void inform(const std::string& title, const std::string& text) override {
        std::cerr << "message box \"" << title << "\": " << text << '\n';
        ++shown;
    }
    bool ask(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&) override { return std::nullopt; }
    int shown = 0;
};

class NoPrinter : public Printer {
public:
    void print(const PrintJob&) override {}
};

struct SampleFailed {
    std::string what;
};

void check(const std::optional<Refusal>& refusal, const std::string& step) {
    if (refusal) throw SampleFailed{step + ": " + refusal->message};
}

GuestForm guest(const char* name, const char* address, const char* city, const char* state, const char* zip,
                const char* phone) {
    GuestForm g;
    g.name = name;
    g.address = address;
    g.city = city;
    g.state = state;
    g.zip = zip;
    g.phone = phone;
    g.cardMonth = "Expire Month";
    g.cardYear = "Expire Year";
    g.adults = "2";
    g.children = "0";
    return g;
}

// A walk-in checked in on `arrival` as the check-in window does it, and charged each night
// since as the end of day does.
float checkInWalkIn(DataDir& dir, const GuestForm& who, const char* room, Date arrival, Date departure,
                    const char* payType) {
    std::string entry;
    for (const std::string& offered : offeredRooms(dir, arrival))
        if (offered.starts_with(room)) entry = offered;
    const float rate = roomRate(dir, entry).value_or(0);
    const float taxRate = readTaxRate(dir);
    const double night = oneNight(decimalOf(rate), taxRate).total;

    CheckInForm form;
    form.guest = who;
    form.arrivalDate = arrival.text();
    form.departDate = departure.text();
    form.roomEntry = entry;
    form.rate = plainNumber(rate);
    form.payType = payType;
    form.totalStay = moneyText(totalStay(departure.daysSince(arrival), night));
    form.cashTotal = form.totalStay;
    form.extraCharge = kExtraCharge;
    const auto reading = readCheckIn(dir, form, arrival);
    if (const auto* refusal = std::get_if<Refusal>(&reading)) throw SampleFailed{std::string("check-in of ") + room + ": " + refusal->message};
    const CheckedIn stay = checkIn(dir, std::get<CheckInOrder>(reading), arrival, "2:40:12 PM");
    for (Date day = arrival.plusDays(1); day.daysSince(kToday) < 0; day = day.plusDays(1)) {
        postToFolio(dir, stay.folioNo, room, day, 'E', rate);
        postToFolio(dir, stay.folioNo, room, day, 'T', rate * taxRate);
    }
    dir.commit();
    return stay.folioNo;
}

void reserve(DataDir& dir, const GuestForm& who, const char* room, Date arrival, Date departure, const char* rate) {
    AddReservationForm form;
    form.guest = who;
    form.arrivalDate = arrival.text();
    form.departDate = departure.text();
    for (const std::string& entry : roomsToReserve(dir))
        if (entry.starts_with(room)) form.roomEntry = entry;
    form.rate = rate;
    form.payCode = "V - Visa";
    form.confirmNo = plainNumber(takeConfirmationNumber(dir));
    const auto reading = readReservation(dir, form);
    if (const auto* refusal = std::get_if<Refusal>(&reading)) throw SampleFailed{std::string("reservation of ") + room + ": " + refusal->message};
    appendReservation(dir, std::get<Reservation>(reading));
    dir.commit();
}

// The year and a month before the sample's guests, for the statistics: stays of one to four
// nights in each room (more at the weekend and in summer), each night's rent and tax posted on
// its folio as the end of day posts them and the stay paid by card on arrival. The room out of
// order today has none, so no night sells more rooms than the statistics count available.
void addPastYear(DataDir& dir) {
    const float taxRate = readTaxRate(dir);
    std::uint32_t seed = 2024;
    const auto chance = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / (1u << 24);
    };
    RecordFile<Room> roomFile(dir, dir.rooms());
    std::vector<Room> rooms;
    roomFile.scan([&](const Room& room, std::uint64_t) { rooms.push_back(room); });
    const Date first = Date::fromYmd(2025, 4, 1);
    const Date last = kToday.plusDays(-11);
    int stays = 0;
    for (const Room& room : rooms) {
        if (room.outOfOrder()) continue;  // out of order all along, as the statistics take it
        for (Date day = first; day <= last;) {
            const int weekday = (day.serial() + 6) % 7;  // 0 Sunday, 5 Friday, 6 Saturday
            const double summer = day.month() >= 6 && day.month() <= 8 ? 0.25 : 0;
            if (chance() > 0.35 + summer + (weekday >= 5 ? 0.3 : 0)) {
                day = day.plusDays(1);
                continue;
            }
            const int nights = 1 + static_cast<int>(chance() * 4);
            Guest g;
            g.guestName = "PAST GUEST " + std::to_string(++stays);
            g.city = "SPRINGFIELD";
            g.adults = "2";
            g.roomNo = room.roomNo.str();
            g.payType = "V";
            g.arrivalDate = day;
            g.departDate = day.plusDays(nights);
            g.rate = room.rate;
            g.folioNo = takeFolioNumber(dir);
            g.stayStatus = "*";
            RecordFile<Guest>(dir, dir.guests()).append(g);
            const FolioOfStay folio{g.folioNo, g.roomNo.str()};
            const NightRent night = nightRent(rentOfRate(room.rate), taxRate);
            postToFolio(dir, g.folioNo, g.roomNo.str(), day, 'V', night.total() * nights);
            for (int n = 0; n < nights; ++n) postRoomRent(dir, day.plusDays(n), night.rent, taxRate, folio, std::nullopt);
            if (stays % 50 == 0) dir.commit();
            day = day.plusDays(nights + static_cast<int>(chance() * 2));
        }
    }
    dir.commit();
}

// Eight rooms at their rates, a tax rate, a year of past stays, three guests in house (one
// leaving today) and two reservations (one arriving today).
void makeSampleMotel(DataDir& dir) {
    const Date opened = kToday.plusDays(-10);
    check(storeTaxRate(dir, ".09"), "tax rate");
    const std::pair<const char*, const char*> rooms[] = {{"101", "NQ1"}, {"102", "NQ1"},  {"103", "NQQ1"},
                                                        {"104", "NQQ1"}, {"105", "NK1"},  {"106", "NK1"},
                                                        {"107", "JNK1"}, {"108", "PNQ1"}};
    for (const auto& [room, type] : rooms)
        if (const auto refusal = enterRoom(dir, NewRoom{room, type}, opened)) throw SampleFailed{std::string("room ") + room + ": " + refusal->message};
    const std::pair<const char*, const char*> rates[] = {
        {"NQ1", "59"}, {"NQQ1", "69"}, {"NK1", "74"}, {"JNK1", "99"}, {"PNQ1", "59"}};
    for (const auto& [type, rate] : rates) check(applyRateToType(dir, type, rate), std::string("rate of ") + type);
    if (!changeStatus(dir, "104", "X") || !updateComment(dir, "104", "NEW CARPET FRIDAY"))
        throw SampleFailed{"room 104 out of order"};
    dir.commit();
    addPastYear(dir);

    checkInWalkIn(dir, guest("MARGARET OKAFOR", "14 LINDEN AVE", "DAYTON", "OH", "45402", "937-555-0148"), "103",
                  kToday.plusDays(-2), kToday.plusDays(1), "C - Cash");
    const float reyes = checkInWalkIn(dir, guest("DANIEL REYES", "880 MESA DR", "TUCSON", "AZ", "85701", "520-555-0192"),
                                      "105", kToday.plusDays(-1), kToday, "V - Visa");
    postToFolio(dir, reyes, "105", kToday.plusDays(-1), 'P', 15.0);
    checkInWalkIn(dir, guest("HANNA LINDQVIST", "2 HARBOR ST", "DULUTH", "MN", "55802", "218-555-0117"), "101",
                  kToday.plusDays(-1), kToday.plusDays(3), "M - Master Card");
    dir.commit();

    reserve(dir, guest("THOMAS BRANDT", "51 ELM ST", "PEORIA", "IL", "61602", "309-555-0163"), "106", kToday,
            kToday.plusDays(2), "74");
    reserve(dir, guest("ALICE NGUYEN", "7 CEDAR CT", "BOISE", "ID", "83702", "208-555-0121"), "107",
            kToday.plusDays(3), kToday.plusDays(5), "99");
    choosePrintFolio(dir, true);
    // Last night's end of day has run: the desk works on today all morning.
    writeFlag<EndOfDayFlagRecord>(dir, dir.endOfDayFlag(), 1.0f);
    dir.commit();
}

// Further ahead, for the room board: a long weekend, a week's stay and a room booked twice.
void reserveTheComingDays(DataDir& dir) {
    reserve(dir, guest("PETER WALSH", "19 BIRCH RD", "MADISON", "WI", "53703", "608-555-0140"), "102",
            kToday.plusDays(1), kToday.plusDays(4), "59");
    reserve(dir, guest("GRACE KIM", "4 OAK LN", "AMES", "IA", "50010", "515-555-0176"), "108",
            kToday.plusDays(2), kToday.plusDays(9), "59");
    reserve(dir, guest("LUIS ORTEGA", "62 ASPEN WAY", "PUEBLO", "CO", "81003", "719-555-0155"), "105",
            kToday.plusDays(6), kToday.plusDays(8), "74");
    reserve(dir, guest("NORA BLAKE", "3 WILLOW ST", "TOPEKA", "KS", "66603", "785-555-0132"), "105",
            kToday.plusDays(7), kToday.plusDays(10), "74");
}

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Types into a box or chooses in a list as the clerk would; says so when the control is gone.
void typeInto(QWidget* window, const char* box, const QString& text) {
    if (auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(box))) {
        edit->setText(text);
        emit edit->textEdited(text);
    } else {
        std::cerr << "no box " << box << " in " << window->objectName().toStdString() << '\n';
    }
}

void chooseIn(QWidget* window, const char* list, const QString& startingWith) {
    auto* combo = window->findChild<QComboBox*>(QString::fromLatin1(list));
    for (int i = 0; combo && i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(startingWith)) {
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            return;
        }
    }
    std::cerr << "no entry " << startingWith.toStdString() << " in " << list << '\n';
}

bool save(QWidget* window, const QDir& folder, const char* name) {
    settle();
    const QString file = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window || !window->grab().save(file)) {
        std::cerr << "cannot save " << file.toStdString() << '\n';
        return false;
    }
    std::cout << file.toStdString() << '\n';
    return true;
}

// The offscreen platform's remarks on what it cannot do (raise a window, ...) are dropped.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "Usage: innvera_screenshots DIR\n";
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cerr << "cannot make " << argv[1] << '\n';
        return 1;
    }

    QTemporaryDir temporary;
    DataDir dataDir(std::filesystem::path(temporary.path().toStdString()) / "motel");
    try {
        dataDir.createFolders();
        makeSampleMotel(dataDir);
    } catch (const SampleFailed& failure) {
        std::cerr << "the sample motel cannot be made: " << failure.what << '\n';
        return 1;
    } catch (const FileError& error) {
        std::cerr << "the sample motel cannot be made: " << error.what() << '\n';
        return 1;
    }

    SampleClock clock;
    ReportingDialogs dialogs;
    NoPrinter printer;
    Session session;
    Windows windows([] {});
    ChangeNotices notices;
    Desk desk{clock, dialogs, printer, dataDir, session, windows, notices};
    windows.attach(desk);

    bool saved = true;
    const auto shoot = [&](QWidget* window, const char* name) {
        saved = save(window, folder, name) && saved;
        if (window) window->close();
        settle();
    };

    MainWindow* main = windows.open<MainWindow>();
    settle();  // the welcome window comes up over it
    shoot(windows.find<WelcomeWindow>(), "welcome");
    saved = save(main, folder, "main-window") && saved;
    shoot(windows.open<SettingsMenu>(), "settings");
    // The setup windows as the clerk fills them in, before pressing their button.
    QWidget* taxRate = windows.open<TaxRateWindow>();
    typeInto(taxRate, "Text1", QStringLiteral(".09"));
    shoot(taxRate, "tax-rate");
    QWidget* inventory = windows.open<RoomInventoryWindow>();
    typeInto(inventory, "Text1", QStringLiteral("109"));
    chooseIn(inventory, "Combo1", QStringLiteral("NK1"));
    shoot(inventory, "room-inventory");
    QWidget* rates = windows.open<RoomRatesWindow>();
    chooseIn(rates, "Combo1", QStringLiteral("NK1"));
    typeInto(rates, "Text1", QStringLiteral("79"));
    shoot(rates, "room-rates");
    QWidget* motel = windows.open<MotelDetailsWindow>();
    typeInto(motel, "MotelName", QStringLiteral("Corvid Lodge Inn"));
    typeInto(motel, "MotelStreet", QStringLiteral("27 Cedar Mill Rd"));
    typeInto(motel, "MotelCity", QStringLiteral("Westerbrooke, ZZ  00000"));
    typeInto(motel, "MotelPhone", QStringLiteral("Phone: 555-010-0000   Fax: 555-010-0001"));
    typeInto(motel, "MotelExtra", QStringLiteral("www.corvidlodge.example"));
    shoot(motel, "motel-details");

    // A walk-in half way through: the guest typed, the room and payment chosen.
    QWidget* checkIn = windows.open<CheckInWindow>();
    typeInto(checkIn, "Text1", QStringLiteral("ROSA DELGADO"));
    typeInto(checkIn, "Text2", QStringLiteral("310 PINE ST"));
    typeInto(checkIn, "Text3", QStringLiteral("FARGO"));
    typeInto(checkIn, "Text4", QStringLiteral("ND"));
    typeInto(checkIn, "Text5", QStringLiteral("58102"));
    typeInto(checkIn, "Text6", QStringLiteral("701-555-0184"));
    typeInto(checkIn, "Text11", QStringLiteral("1"));
    chooseIn(checkIn, "Combo3", QStringLiteral("102"));
    chooseIn(checkIn, "Combo4", QStringLiteral("C - Cash"));
    if (auto* checkInNow = checkIn->findChild<QWidget*>(QStringLiteral("Command1"))) checkInNow->setFocus();
    shoot(checkIn, "check-in");

    // The folio of the guest leaving today, as "Check Out" opens it from the departures.
    session.folioPreselection = "105";
    shoot(windows.open<FolioWindow>(), "folio");
    shoot(windows.open<RoomStatusWindow>(), "room-list");
    shoot(windows.open<GuestListWindow>(), "guest-list");
    shoot(windows.open<AddReservationWindow>(), "add-reservation");
    try {
        reserveTheComingDays(dataDir);
    } catch (const SampleFailed& failure) {
        std::cerr << "the room board's reservations cannot be made: " << failure.what << '\n';
        return 1;
    }
    shoot(windows.open<RoomBoardWindow>(), "room-board");
    // A whole month beside the same month a year earlier.
    QWidget* statistics = windows.open<StatisticsWindow>();
    chooseIn(statistics, "MonthList", QStringLiteral("4-April"));
    shoot(statistics, "statistics");
    // The data check of the sample, and two nights' backups to choose from.
    QWidget* check = windows.open<CheckDataWindow>();
    if (auto* checkNow = check->findChild<QPushButton*>(QStringLiteral("CheckNow"))) checkNow->click();
    shoot(check, "check-data");
    try {
        const auto backups = backupFolderOf(dataDir.root());
        backUpDataDir(dataDir, backups, backupName(clock.today().plusDays(-1), TimeOfDay{1, 30, 12}));
        backUpDataDir(dataDir, backups, backupName(clock.today(), TimeOfDay{2, 5, 47}));
    } catch (const FileError& error) {
        std::cerr << "the sample's backups cannot be made: " << error.what() << '\n';
        return 1;
    }
    shoot(windows.open<RestoreBackupWindow>(), "restore-backup");

    windows.closeAllBut(nullptr, {});
    settle();
    if (dialogs.shown > 0) return 1;
    return saved ? 0 : 1;
}
