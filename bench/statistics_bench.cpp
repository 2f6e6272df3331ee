// The owner's statistics and the exports on twenty years of a 200-room motel (about 360,000
// stays, a folio file each, the day and month totals of every posting): a month's statistics
// with the year before, a year's with the year before, the first of them in a new run (the stay
// index built), the CSV of a year's guest list, and the program's own --export of it from the
// command line (a new process: the index built, the list read and written).
//
//   build/statistics_bench           # makes the sample in the temporary folder, then removes it
//   build/statistics_bench --keep    # keeps it for the next run (made once, some 1.5 GB)

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/counters.h"
#include "reports/csv_exports.h"
#include "reports/statistics.h"
#include "sample_data.h"
#include "timing.h"

using namespace innvera;

namespace {

using innvera::bench::milliseconds;
using innvera::bench::median;

const Date kToday = Date::fromYmd(2026, 12, 6);
constexpr int kRooms = 200;
constexpr std::uint64_t kStays = 360000;
constexpr std::uint64_t kInHouse = 180;

// The program run as a shell runs it, its output thrown away; the wall time in ms.
double programRun(const std::vector<std::string>& arguments) {
#ifdef INNVERA_BINARY
    return milliseconds([&] {
        const pid_t child = fork();
        if (child == 0) {
            std::vector<char*> argv{const_cast<char*>(INNVERA_BINARY)};
            for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(INNVERA_BINARY, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::printf("the program ended with status %d\n", status);
    });
#else
    (void)arguments;
    return 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const bool keep = argc > 1 && std::strcmp(argv[1], "--keep") == 0;
    const auto root = std::filesystem::temp_directory_path() / "innvera-bench-statistics";
    const auto complete = root / ".sample-complete";
    if (!std::filesystem::exists(complete)) {
        std::filesystem::remove_all(root);
        DataDir dir(root);
        const double made = milliseconds([&] {
            bench::writeSampleMotel(dir, kStays, kInHouse, 1000, kRooms, kToday);
            bench::writeSampleLedger(dir, kStays, kRooms, kToday);
            writeTaxRate(dir, 0.12f);
            dir.commit();
        });
        std::ofstream(complete) << "made\n";
        std::printf("sample made in %.1f s\n", made / 1000);
    }

    const StatisticsPeriod month{2026, 11};
    const StatisticsPeriod year{2025, 0};
    std::printf("%-62s %10s\n", "", "median");
    const auto row = [](const char* what, double ms) { std::printf("%-62s %7.2f ms\n", what, ms); };

    std::vector<double> first;
    for (int i = 0; i < 5; ++i) {
        DataDir fresh(root);  // a new run of the program: the index is built by the first request
        first.push_back(milliseconds([&] { readStatistics(fresh, month); }));
    }
    row("month with the year before, first request (index built)", median(first));

    DataDir dir(root);
    readStatistics(dir, month);
    std::vector<double> months, years, monthsCsv;
    for (int i = 0; i < 21; ++i) {
        const StatisticsPeriod m{2026 - i % 3, 1 + i % 11};
        months.push_back(milliseconds([&] { readStatistics(dir, m); }));
    }
    row("month with the year before (budget 100 ms)", median(months));
    for (int i = 0; i < 7; ++i) {
        const StatisticsPeriod y{2025 - i % 3, 0};
        years.push_back(milliseconds([&] { readStatistics(dir, y); }));
    }
    row("year with the year before (budget 300 ms)", median(years));
    const Statistics shown = readStatistics(dir, year);
    for (int i = 0; i < 21; ++i) monthsCsv.push_back(milliseconds([&] { statisticsCsv(shown); }));
    row("its CSV text", median(monthsCsv));

    std::vector<double> guests;
    std::size_t bytes = 0;
    for (int i = 0; i < 5; ++i)
        guests.push_back(milliseconds([&] {
            bytes = guestListCsv(dir, GuestListKind::InHouse, Date::fromYmd(2025, 1, 1), Date::fromYmd(2025, 12, 31)).size();
        }));
    std::printf("%-62s %7.2f ms (%zu bytes)\n", "a year's guest list (in house) as CSV, index built", median(guests), bytes);

    std::vector<double> program;
    const std::string output = (std::filesystem::temp_directory_path() / "innvera-bench-guests.csv").string();
    for (int i = 0; i < 5; ++i)
        program.push_back(programRun({"--export", "guests", "in-house", "2025-01-01", "2025-12-31", "--data-dir",
                                      root.string(), "--output", output}));
    row("innvera --export guests in-house (a year), whole run (budget 1 s)", median(program));
    std::filesystem::remove(output);

    if (!keep) std::filesystem::remove_all(root);
}
