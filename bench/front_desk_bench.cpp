// The main window reads the reservation, guest and room files at every opening; the
// check-in window reads rooms and reservations. Twenty years of a 40-room motel is some
// 400,000 stays (a guest file of about 200 MB).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include "checkin/check_in_form.h"
#include "core/front_desk.h"
#include "sample_data.h"

using namespace innvera;

namespace {

const Date kToday = Date::fromYmd(2026, 12, 6);

// One sample motel per size, made once and removed at exit.
class SampleMotel {
public:
    explicit SampleMotel(std::uint64_t stays)
        : root_(std::filesystem::temp_directory_path() / ("innvera-bench-" + std::to_string(stays))), dir_(root_) {
        std::filesystem::remove_all(root_);
        bench::writeSampleMotel(dir_, stays, 30, 20000, 40, kToday);
    }
    ~SampleMotel() { std::filesystem::remove_all(root_); }
    DataDir& dir() { return dir_; }

private:
    std::filesystem::path root_;
    DataDir dir_;
};

SampleMotel& motel(std::uint64_t stays) {
    static std::map<std::uint64_t, std::unique_ptr<SampleMotel>> motels;
    auto& m = motels[stays];
    if (!m) m = std::make_unique<SampleMotel>(stays);
    return *m;
}

void BM_DayAtAGlance(benchmark::State& state) {
    DataDir& dir = motel(static_cast<std::uint64_t>(state.range(0))).dir();
    for (auto _ : state) benchmark::DoNotOptimize(dayAtAGlance(dir, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DayAtAGlance)->Arg(10000)->Arg(400000)->Unit(benchmark::kMillisecond);

void BM_OfferedRooms(benchmark::State& state) {
    DataDir& dir = motel(static_cast<std::uint64_t>(state.range(0))).dir();
    for (auto _ : state) benchmark::DoNotOptimize(offeredRooms(dir, kToday));
}
BENCHMARK(BM_OfferedRooms)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
