// The data check on years of a 200-room motel (about 360,000 stays, a folio file each, the day
// and month totals of every posting, 1,000 reservations): the whole check in a process of its
// own (its time and its peak memory, as a new run of the program has them), the check again in
// this process, the night's own check, and the program's `innvera --check` from the command line.
//
//   build/data_check_bench           # makes the sample in the temporary folder, then removes it
//   build/data_check_bench --keep    # keeps it for the next run (made once, some 1.5 GB)

#include <sys/resource.h>
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
#include "reports/data_check.h"
#include "sample_data.h"
#include "timing.h"

using namespace innvera;

namespace {

using innvera::bench::milliseconds;
using innvera::bench::median;

// Twenty stays arrive a day, so the sample's 360,000 stays reach back some 49 years: its last
// day is put late enough for the first to fall in 2000, the first year the motel's files hold.
const Date kToday = Date::fromYmd(2049, 12, 6);
constexpr int kRooms = 200;
constexpr std::uint64_t kStays = 360000;
constexpr std::uint64_t kInHouse = 180;
constexpr std::uint64_t kReservations = 1000;

// `work` in a child process: its wall time in ms and its peak resident memory in MB.
struct ChildRun {
    double ms = 0;
    double peakMb = 0;
    int status = -1;
};
ChildRun inChild(const std::function<int()>& work) {
    std::fflush(stdout);  // what is written so far is not the child's to write again
    ChildRun run;
    run.ms = milliseconds([&] {
        const pid_t child = fork();
        if (child == 0) _exit(work());
        int status = 0;
        struct rusage usage {};
        wait4(child, &status, 0, &usage);
        run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    });
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    const bool keep = argc > 1 && std::strcmp(argv[1], "--keep") == 0;
    const auto root = std::filesystem::temp_directory_path() / "innvera-bench-data-check";
    const auto complete = root / ".sample-complete";
    if (!std::filesystem::exists(complete)) {
        std::filesystem::remove_all(root);
        DataDir dir(root);
        const double made = milliseconds([&] {
            bench::writeSampleMotel(dir, kStays, kInHouse, kReservations, kRooms, kToday);
            bench::writeSampleReservationBook(dir, kReservations, kRooms, kToday);
            bench::writeSampleLedger(dir, kStays, kRooms, kToday);
            writeTaxRate(dir, 0.12f);
            // The numbers the sample gave out, as the counters of a desk that gave them hold them.
            writeCounter(dir, dir.folioCounter(), static_cast<float>(kStays));
            writeCounter(dir, dir.confirmationCounter(), static_cast<float>(kReservations));
            dir.commit();
        });
        std::ofstream(complete) << "made\n";
        std::printf("sample made in %.1f s\n", made / 1000);
    }
    std::printf("%-62s %10s %10s\n", "", "time", "peak");

    // A new process each time: what a run of the program from the command line pays.
    std::vector<double> times;
    double peak = 0;
    std::size_t findings = 0;
    for (int i = 0; i < 3; ++i) {
        // The exit status carries the number of findings, up to 250.
        const ChildRun run =
            inChild([&] { return static_cast<int>(std::min<std::size_t>(checkDataDir(root).findings.size(), 250)); });
        times.push_back(run.ms);
        peak = std::max(peak, run.peakMb);
        findings = static_cast<std::size_t>(run.status);
    }
    std::printf("%-62s %7.0f ms %7.0f MB\n", "the whole check, new process (budget 10 s, 300 MB)", median(times), peak);

    DataCheck check;
    std::printf("%-62s %7.0f ms\n", "the whole check again, same process",
                milliseconds([&] { check = checkDataDir(root); }));
    std::printf("  %zu findings (%zu from the child)%s\n", check.findings.size(), findings,
                check.findings.empty() ? "" : ", the first:");
    for (std::size_t i = 0; i < check.findings.size() && i < 5; ++i)
        std::printf("    %s\n", findingLine(check.findings[i]).c_str());

    std::vector<double> nights;
    for (int i = 0; i < 5; ++i) {
        DataDir dir(root);
        nights.push_back(milliseconds([&] { checkBeforeNight(dir, kToday); }));
    }
    std::printf("%-62s %7.0f ms\n", "the night's check, new DataDir (stay index built)", median(nights));
    // At the desk the stay index is built long before the night.
    DataDir desk(root);
    checkBeforeNight(desk, kToday);
    std::vector<double> warm;
    for (int i = 0; i < 5; ++i) warm.push_back(milliseconds([&] { checkBeforeNight(desk, kToday); }));
    std::printf("%-62s %7.0f ms\n", "the night's check, stay index already built", median(warm));

#ifdef INNVERA_BINARY
    const ChildRun program = inChild([&] {
        std::freopen("/dev/null", "w", stdout);
        execl(INNVERA_BINARY, INNVERA_BINARY, "--check", "--data-dir", root.c_str(), static_cast<char*>(nullptr));
        return 127;
    });
    std::printf("%-62s %7.0f ms %7.0f MB (exit %d)\n", "innvera --check, whole run", program.ms, program.peakMb,
                program.status);
#endif

    if (!keep) std::filesystem::remove_all(root);
}
