// The front desk on twenty years of a 200-room motel (about 360,000 stays and 120,000
// reservations) against one year of the same motel, with one raw read of the same files as the
// yardstick: the main window's day at a glance (its first opening builds the stay index), the
// folio screen's opening and a switch of the guest shown, a past-guest keystroke, and the
// program's resident memory on the twenty-year directory.
//
//   build/front_desk_bench            # makes both sample directories in the temporary folder

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/counters.h"
#include "core/front_desk.h"
#include "core/stays.h"
#include "folio/folio_screen.h"
#include "folio/past_guests.h"
#include "sample_data.h"
#include "timing.h"

using namespace innvera;

namespace {

using innvera::bench::milliseconds;

const Date kToday = Date::fromYmd(2026, 12, 6);
constexpr int kRooms = 200;
constexpr std::uint64_t kInHouse = 180;

struct Motel {
    const char* name;
    std::uint64_t stays;
    std::uint64_t reservations;
    std::filesystem::path root;
};

// The median of `runs` timings.
double median(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(milliseconds(work));
    return innvera::bench::median(times);
}

// One plain read of the guest and reservation files in 1 MiB blocks, touching every record.
double rawRead(const std::filesystem::path& root) {
    return median(5, [&] {
        DataDir dir(root);
        unsigned sum = 0;
        for (const auto& [file, length] : {std::pair{dir.guests(), std::size_t{528}}, {dir.reservations(), std::size_t{538}}})
            dir.readBlocks(file, length * 1985, [&](const char* data, std::size_t size) {
                for (std::size_t at = 0; at < size; at += length) sum += static_cast<unsigned char>(data[at]);
                return true;
            });
        if (sum == 1) std::puts("");
    });
}

// What the folio screen does when it opens, and when the clerk shows another guest.
void openFolioScreen(DataDir& dir) {
    inHouseGuestEntries(dir);
    roomsToMoveTo(dir);
}
void showGuest(DataDir& dir, const std::string& entry) {
    if (const auto stay = stayOfEntry(dir, entry)) {
        folioView(dir, stay->folioNo);
        directBillLine(dir, stay->directBillNo);
    }
}

// The program's resident memory, in MB, a few seconds after it opened on the directory.
double programMemory(const std::filesystem::path& root) {
#ifdef INNVERA_BINARY
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(INNVERA_BINARY, INNVERA_BINARY, "--data-dir", root.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::seconds(6));
    double megabytes = 0;
    std::ifstream status("/proc/" + std::to_string(child) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) megabytes = std::stod(line.substr(6)) / 1024;
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return megabytes;
#else
    (void)root;
    return 0;
#endif
}

struct Figures {
    double raw, firstOpening, laterOpening, folioOpening, folioSwitch, keystroke;
};

Figures measure(const Motel& motel) {
    Figures f{};
    f.raw = rawRead(motel.root);
    f.firstOpening = median(5, [&] {
        DataDir dir(motel.root);  // a new run of the program: the index is built
        dayAtAGlance(dir, kToday);
    });
    DataDir dir(motel.root);
    dayAtAGlance(dir, kToday);
    f.laterOpening = median(21, [&] { dayAtAGlance(dir, kToday); });
    f.folioOpening = median(21, [&] { openFolioScreen(dir); });
    const std::vector<std::string> guests = inHouseGuestEntries(dir);
    std::size_t next = 0;
    f.folioSwitch = median(21, [&] { showGuest(dir, guests[next++ % guests.size()]); });
    const std::vector<CheckedOutStay> past = checkedOutStays(dir);
    f.keystroke = median(21, [&] {
        const FoundStays found = staysNamed(past, "GUEST NUMBER 12");
        for (std::size_t i = 0; i < found.size() && i < 40; ++i) foundStayRow(past[found[i]]);
    });
    return f;
}

}  // namespace

int main() {
    std::vector<Motel> motels = {{"one year", 18000, 6000, {}}, {"twenty years", 360000, 120000, {}}};
    for (Motel& motel : motels) {
        motel.root = std::filesystem::temp_directory_path() / ("innvera-bench-" + std::to_string(motel.stays));
        std::filesystem::remove_all(motel.root);
        DataDir dir(motel.root);
        bench::writeSampleMotel(dir, motel.stays, kInHouse, motel.reservations, kRooms, kToday);
        switchWelcomeOff(dir, true);
        dir.commit();
    }
    const Figures year = measure(motels[0]);
    const Figures twenty = measure(motels[1]);

    std::printf("%-44s %12s %12s\n", "", "one year", "twenty years");
    const auto row = [](const char* what, double a, double b) { std::printf("%-44s %9.2f ms %9.2f ms\n", what, a, b); };
    row("raw read of the guest and reservation files", year.raw, twenty.raw);
    row("main window, first opening (index built)", year.firstOpening, twenty.firstOpening);
    row("main window, later openings", year.laterOpening, twenty.laterOpening);
    row("folio screen, opening", year.folioOpening, twenty.folioOpening);
    row("folio screen, another guest shown", year.folioSwitch, twenty.folioSwitch);
    row("past-guest keystroke (list model filled)", year.keystroke, twenty.keystroke);
    std::printf("first opening / raw read (twenty years): %.2f (budget 1.5)\n", twenty.firstOpening / twenty.raw);
    std::printf("coming back, twenty years against one year: %.2f ms against %.2f ms (budget 1.3x + 3 ms)\n",
                twenty.laterOpening + twenty.folioOpening, year.laterOpening + year.folioOpening);
    std::printf("program resident memory on twenty years: %.0f MB (budget 150 MB)\n", programMemory(motels[1].root));
    for (const Motel& motel : motels) std::filesystem::remove_all(motel.root);
}
