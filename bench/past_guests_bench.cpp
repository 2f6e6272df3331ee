// The past-guest search over twenty years of a 40-room motel: some 400,000 stays, a guest file
// of about 200 MB. The "Guest" window reads the checked-out stays once when it opens (the first
// load), then every keystroke filters that list in memory and the list shows the rows found; the
// view makes only the rows on screen, so a keystroke costs the filter and a screenful of rows.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/stays.h"
#include "folio/past_guests.h"
#include "sample_data.h"

using namespace innvera;

namespace {

const Date kToday = Date::fromYmd(2026, 12, 6);
constexpr std::uint64_t kStays = 400000;
constexpr std::size_t kRowsOnScreen = 40;

// The sample motel, made once and removed at exit.
class SampleMotel {
public:
    SampleMotel() : root_(std::filesystem::temp_directory_path() / "innvera-bench-past-guests"), dir_(root_) {
        std::filesystem::remove_all(root_);
        bench::writeSampleMotel(dir_, kStays, 30, 1000, 40, kToday);
    }
    ~SampleMotel() { std::filesystem::remove_all(root_); }
    DataDir& dir() { return dir_; }

private:
    std::filesystem::path root_;
    DataDir dir_;
};

DataDir& motel() {
    static SampleMotel m;
    return m.dir();
}

const std::vector<CheckedOutStay>& stays() {
    static const std::vector<CheckedOutStay> all = checkedOutStays(motel());
    return all;
}

// What the list shows of a search: the rows on screen, made as the view asks for them.
std::size_t showRows(const FoundStays& found) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < found.size() && i < kRowsOnScreen; ++i) characters += foundStayRow(stays()[found[i]]).size();
    return characters;
}

void BM_FirstLoadOfTheCheckedOutStays(benchmark::State& state) {
    DataDir& dir = motel();
    std::size_t count = 0;
    for (auto _ : state) {
        const std::vector<CheckedOutStay> all = checkedOutStays(dir);
        count = all.size();
        benchmark::DoNotOptimize(all.data());
    }
    state.counters["stays"] = static_cast<double>(count);
    // What the window keeps while it is open: the entries and the names too long to sit inside them.
    std::size_t bytes = stays().capacity() * sizeof(CheckedOutStay);
    for (const CheckedOutStay& s : stays()) {
        if (s.guestName.capacity() > 15) bytes += s.guestName.capacity() + 1;
        if (s.roomNo.capacity() > 15) bytes += s.roomNo.capacity() + 1;
    }
    state.counters["MB_kept"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_FirstLoadOfTheCheckedOutStays)->Unit(benchmark::kMillisecond)->Iterations(5);

// One keystroke in "Name": the text typed so far, from everything listed to almost nothing.
const char* const kTyped[] = {"", "G", "GUEST NUMBER 1", "GUEST NUMBER 123", "GUEST NUMBER 123456", "X"};

void BM_NameKeystroke(benchmark::State& state) {
    const char* typed = kTyped[state.range(0)];
    stays();
    std::size_t found = 0;
    for (auto _ : state) {
        const FoundStays result = staysNamed(stays(), typed);
        found = result.size();
        benchmark::DoNotOptimize(showRows(result));
    }
    state.SetLabel(std::string("\"") + typed + "\"");
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_NameKeystroke)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void BM_RoomSearch(benchmark::State& state) {
    stays();
    std::size_t found = 0;
    for (auto _ : state) {
        const PastGuestSearch result = staysInRoom(stays(), "101");
        found = result.found.size();
        benchmark::DoNotOptimize(showRows(result.found));
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_RoomSearch)->Unit(benchmark::kMillisecond);

void BM_ArrivalDateSearch(benchmark::State& state) {
    stays();
    const std::string day = kToday.plusDays(-3000).text();
    std::size_t found = 0;
    for (auto _ : state) {
        const PastGuestSearch result = staysArriving(stays(), day);
        found = result.found.size();
        benchmark::DoNotOptimize(showRows(result.found));
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_ArrivalDateSearch)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
