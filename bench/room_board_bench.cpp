// The room board on twenty years of a 200-room motel (about 360,000 stays and 120,000
// reservations, of which the coming months' are open) against one year of the same motel: the
// board of fourteen nights built from the indexes (its opening) and a week paged, then the
// window itself opened and paged on Qt's offscreen platform, each painted once. The indexes
// are built before the timings, as the main window builds them when the program starts; the
// first board of a run, which builds them, is shown apart.
//
// A last row builds the board on the reservation book the front-desk sample writes, whose
// 60,000 open reservations have no departure: every one of them is listed as unplaced.
//
//   build/room_board_bench            # makes the sample directories in the temporary folder

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/counters.h"
#include "core/front_desk.h"
#include "core/session.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/windows.h"
#include "rooms/room_board.h"
#include "rooms/ui/room_board_window.h"
#include "sample_data.h"

using namespace innvera;

namespace {

const Date kToday = Date::fromYmd(2026, 12, 6);
constexpr int kRooms = 200;
constexpr std::uint64_t kInHouse = 180;

struct Motel {
    const char* name;
    std::uint64_t stays;
    std::uint64_t reservations;
    bool sampleBook;  // the front-desk sample's reservation book instead of the realistic one
    std::filesystem::path root;
};

// A timing in milliseconds: the time it took, and the processor time the program spent on it
// (on a machine busy with other work the first grows, the second does not).
struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing timed(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    work();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
            1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

// The medians of `runs` timings.
Timing median(int runs, const std::function<void()>& work) {
    std::vector<double> walls, cpus;
    for (int i = 0; i < runs; ++i) {
        const Timing t = timed(work);
        walls.push_back(t.wall);
        cpus.push_back(t.cpu);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(cpus.begin(), cpus.end());
    return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

class BenchClock : public Clock {
public:
    Date today() const override { return kToday; }
    TimeOfDay now() const override { return {14, 0, 0}; }
};

class SilentDialogs : public Dialogs {
public:
    void inform(const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "message box \"%s\": %s\n", title.c_str(), text.c_str());
    }
    bool ask(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&) override { return std::nullopt; }
};

class NoPrinter : public Printer {
public:
    void print(const PrintJob&) override {}
};

struct Figures {
    Timing firstBoard, board, week, window, windowWeek;
    std::size_t bookings = 0, unplaced = 0;
};

Figures measure(const Motel& motel, bool windows) {
    Figures f;
    f.firstBoard = median(5, [&] {
        DataDir dir(motel.root);  // a new run of the program: the indexes are built
        buildRoomBoard(dir, kToday);
    });
    DataDir dir(motel.root);
    dayAtAGlance(dir, kToday);  // the main window's start-up builds the indexes
    const RoomBoard board = buildRoomBoard(dir, kToday);
    f.bookings = board.bookings.size();
    f.unplaced = board.unplaced.size();
    f.board = median(21, [&] { buildRoomBoard(dir, kToday); });
    int week = 0;
    f.week = median(21, [&] { buildRoomBoard(dir, kToday.plusDays(kBoardPage * (++week % 20))); });
    if (!windows) return f;

    BenchClock clock;
    SilentDialogs dialogs;
    NoPrinter printer;
    Session session;
    session.hotelDate = kToday;
    Windows registry([] {});
    ChangeNotices notices;
    Desk desk{clock, dialogs, printer, dir, session, registry, notices};
    registry.attach(desk);
    f.window = median(11, [&] {
        auto* window = new RoomBoardWindow(desk);
        window->show();
        QApplication::processEvents();
        window->repaint();
        delete window;
    });
    RoomBoardWindow window(desk);
    window.show();
    QApplication::processEvents();
    f.windowWeek = median(21, [&] {
        window.nextWeek();
        window.repaint();
    });
    return f;
}

// The offscreen platform's remarks on what it cannot do are dropped.
void quiet(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QApplication app(argc, argv);

    std::vector<Motel> motels = {{"one year", 18000, 6000, false, {}},
                                 {"twenty years", 360000, 120000, false, {}},
                                 {"twenty years, the front-desk sample's book", 360000, 120000, true, {}}};
    for (std::size_t i = 0; i < motels.size(); ++i) {
        Motel& motel = motels[i];
        motel.root = std::filesystem::temp_directory_path() / ("innvera-board-bench-" + std::to_string(i));
        std::filesystem::remove_all(motel.root);
        DataDir dir(motel.root);
        bench::writeSampleMotel(dir, motel.stays, kInHouse, motel.reservations, kRooms, kToday);
        if (!motel.sampleBook) bench::writeSampleReservationBook(dir, motel.reservations, kRooms, kToday);
        switchWelcomeOff(dir, true);
        writeTaxRate(dir, 0.09f);
        dir.commit();
    }
    const Figures year = measure(motels[0], true);
    const Figures twenty = measure(motels[1], true);
    const Figures stress = measure(motels[2], false);

    std::printf("%-42s %22s %22s\n", "milliseconds: time taken (processor time)", "one year", "twenty years");
    const auto row = [](const char* what, Timing a, Timing b) {
        std::printf("%-42s %12.2f (%6.2f) %12.2f (%6.2f)\n", what, a.wall, a.cpu, b.wall, b.cpu);
    };
    row("first board of a run (indexes built)", year.firstBoard, twenty.firstBoard);
    row("board opened (14 nights built)", year.board, twenty.board);
    row("board paged a week", year.week, twenty.week);
    row("window opened and painted", year.window, twenty.window);
    row("window paged a week and painted", year.windowWeek, twenty.windowWeek);
    std::printf("bookings on the board: %zu and %zu, unplaced: %zu and %zu\n", year.bookings, twenty.bookings,
                year.unplaced, twenty.unplaced);
    std::printf("twenty years against one year (budget 1.5): board %.2f, week %.2f, window %.2f, window week %.2f\n",
                twenty.board.wall / year.board.wall, twenty.week.wall / year.week.wall,
                twenty.window.wall / year.window.wall, twenty.windowWeek.wall / year.windowWeek.wall);
    std::printf("budget 50 ms each: largest %.2f ms\n",
                std::max({twenty.board.wall, twenty.week.wall, twenty.window.wall, twenty.windowWeek.wall,
                          year.window.wall, year.windowWeek.wall}));
    std::printf("%s: board %.2f ms, %zu unplaced\n", motels[2].name, stress.board.wall, stress.unplaced);
    for (const Motel& motel : motels) std::filesystem::remove_all(motel.root);
}
