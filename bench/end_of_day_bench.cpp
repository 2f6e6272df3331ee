// The end-of-day run on twenty years of a motel: a guest file of 400,000 stays (some 200 MB)
// with 200 guests in house, each with the folio its check-in wrote.
// Then the whole end of day, backup included, night after night on one year and on twenty years
// of a 200-room motel with a folio file for every stay it ever had (18,150 and 363,000 stays): the
// first night, which fills the store of closed folios, and the nights after it, with the share
// the backup takes. Timed: the run from its
// first check to the flag (every posting synced, the reports made), without the backup; the
// same postings committed one stay at a time with no journaling ahead, as a yardstick; and the
// backup of that data directory on its own, also with 20,000 past folios (a real installation
// keeps one folio file per stay it ever had: the copy grows with their number).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/counters.h"
#include "core/reservations.h"
#include "core/stays.h"
#include "ledger/folio_file.h"
#include "ledger/ledger.h"
#include "platform/file_layer.h"
#include "reports/end_of_day.h"
#include "sample_data.h"

using namespace innvera;

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kStays = 400000;
constexpr std::uint64_t kInHouse = 200;
const Date kHotelDate = Date::fromYmd(2026, 12, 6);

// The sample motel, made once. What a run changes (the in-house folios, the night's totals, the
// flag) is kept aside and put back before each timed run.
class NightMotel {
public:
    NightMotel() : root_(fs::temp_directory_path() / "innvera-bench-end-of-day" / "motel"), dir_(root_) {
        fs::remove_all(root_.parent_path());
        bench::writeSampleMotel(dir_, kStays, kInHouse, 20000, 250, kHotelDate);
        // Nobody arrives or leaves tonight: the run gets past its two checks.
        RecordFile<Guest> guests(dir_, dir_.guests());
        for (std::uint64_t n = kStays - kInHouse + 1; n <= kStays; ++n) {
            Guest stay = guests.read(n);
            stay.departDate = kHotelDate.plusDays(2);
            guests.write(n, stay);
        }
        RecordFile<Reservation> reservations(dir_, dir_.reservations());
        reservations.scan([&](const Reservation& r, std::uint64_t n) {
            if (r.arrivalDate != kHotelDate) return;
            Reservation closed = r;
            closed.resStatus = "*";
            reservations.write(n, closed);
        });
        writeTaxRate(dir_, 0.12f);
        writeFlag<EndOfDayFlagRecord>(dir_, dir_.endOfDayFlag(), 0);
        // Each guest's check-in, three nights ago.
        for (const Found<Guest>& stay : staysInHouse(dir_)) {
            const Guest& g = stay.record;
            postToFolio(dir_, g.folioNo, g.roomNo.str(), kHotelDate.plusDays(-3), 'E', 65.0);
            postToFolio(dir_, g.folioNo, g.roomNo.str(), kHotelDate.plusDays(-3), 'T', 7.8);
            postToFolio(dir_, g.folioNo, g.roomNo.str(), kHotelDate.plusDays(-3), 'V', 218.4);
        }
        dir_.commit();
        fs::copy(root_, saved(), fs::copy_options::recursive);
        syncFileSystemOf(root_);  // the sample's writing is not charged to the first run timed
    }
    ~NightMotel() { fs::remove_all(root_.parent_path()); }

    DataDir& dir() { return dir_; }
    // The folios of the first `count` past stays, as their check-ins and nights wrote them (a
    // real installation holds one per stay it ever had).
    void addPastFolios(std::uint64_t count) {
        for (; pastFolios_ < count; ++pastFolios_) {
            const float folioNo = static_cast<float>(pastFolios_ + 1);
            std::string lines;
            for (char code : {'E', 'T', 'L', 'V'})
                lines += folioLineText(folioNo, "101", kHotelDate.plusDays(-1000), code, "Room Rent", "65");
            std::ofstream(dir_.folioCharges(folioKey(folioNo)), std::ios::binary) << lines;
        }
        syncFileSystemOf(root_);
    }
    fs::path backups() const { return root_.parent_path() / "backups"; }

    // Puts back what a run changed, on the disk, so that the run timed next does not pay for
    // writing it out.
    void reset() {
        for (const char* folder : {"dailycharge", "totals", "dailytotals"}) {
            fs::remove_all(root_ / folder);
            fs::copy(saved() / folder, root_ / folder, fs::copy_options::recursive);
        }
        fs::copy_file(saved() / "dateaudit", root_ / "dateaudit", fs::copy_options::overwrite_existing);
        syncFileSystemOf(root_);
    }

private:
    fs::path saved() const { return root_.parent_path() / "saved"; }
    fs::path root_;
    DataDir dir_;
    std::uint64_t pastFolios_ = 0;
};

NightMotel& motel() {
    static NightMotel night;
    return night;
}

class NoPrinter : public Printer {
public:
    void print(const PrintJob& job) override { benchmark::DoNotOptimize(job.lines()); }
};

// The run as the window makes it, less the backup.
void BM_EndOfDayRunWithoutBackup(benchmark::State& state) {
    NightMotel& night = motel();
    DataDir& dir = night.dir();
    NoPrinter printer;
    for (auto _ : state) {
        state.PauseTiming();
        night.reset();
        state.ResumeTiming();
        if (openReservationArrivesOn(dir, kHotelDate) || inHouseStayDepartsOn(dir, kHotelDate))
            state.SkipWithError("the run would be refused");
        const NightCharges charges = chargeRoomAndTax(dir, kHotelDate);
        if (charges.charged != static_cast<int>(kInHouse)) state.SkipWithError("not every stay was charged");
        printer.print(endOfDayDailyReport(dir, kHotelDate));
        printer.print(endOfDayMonthlyReport(dir, kHotelDate));
        printer.print(endOfDayHousekeepingReport(dir, kHotelDate));
        writeFlag<EndOfDayFlagRecord>(dir, dir.endOfDayFlag(), 1.0f);
        dir.commit();
    }
}
BENCHMARK(BM_EndOfDayRunWithoutBackup)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The night's postings alone, committed one stay at a time and journaled write by write.
void BM_PostingsOneCommitPerStay(benchmark::State& state) {
    NightMotel& night = motel();
    DataDir& dir = night.dir();
    for (auto _ : state) {
        state.PauseTiming();
        night.reset();
        state.ResumeTiming();
        const float taxRate = readTaxRate(dir);
        for (const Found<Guest>& stay : staysInHouse(dir)) {
            const Guest& g = stay.record;
            postToFolio(dir, g.folioNo, g.roomNo.str(), kHotelDate, 'E', g.rate);
            postToFolio(dir, g.folioNo, g.roomNo.str(), kHotelDate, 'T', g.rate * taxRate);
            dir.commit();
        }
    }
}
BENCHMARK(BM_PostingsOneCommitPerStay)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The night's postings alone, as the run makes them.
void BM_PostingsAsTheRunMakesThem(benchmark::State& state) {
    NightMotel& night = motel();
    DataDir& dir = night.dir();
    for (auto _ : state) {
        state.PauseTiming();
        night.reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(chargeRoomAndTax(dir, kHotelDate));
    }
}
BENCHMARK(BM_PostingsAsTheRunMakesThem)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The backup of the whole data directory, synced, with as many past folios beside the
// in-house ones as the argument says.
void BM_NightlyBackup(benchmark::State& state) {
    NightMotel& night = motel();
    night.addPastFolios(static_cast<std::uint64_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(night.backups());
        state.ResumeTiming();
        benchmark::DoNotOptimize(backUpDataDir(night.dir(), night.backups(), "2026-12-07 013000"));
    }
    fs::remove_all(night.backups());
}
BENCHMARK(BM_NightlyBackup)->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The next night's backup, when last night's is there: the past folios, unchanged, are linked to
// last night's copies instead of copied again.
void BM_NextNightsBackup(benchmark::State& state) {
    NightMotel& night = motel();
    night.addPastFolios(static_cast<std::uint64_t>(state.range(0)));
    fs::remove_all(night.backups());
    backUpDataDir(night.dir(), night.backups(), "2026-12-07 013000");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(night.backups() / "2026-12-08 013000");
        state.ResumeTiming();
        benchmark::DoNotOptimize(backUpDataDir(night.dir(), night.backups(), "2026-12-08 013000"));
    }
    fs::remove_all(night.backups());
}
BENCHMARK(BM_NextNightsBackup)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// ---- Night after night, backup included ---------------------------------------------------------

constexpr std::uint64_t kStaysPerYear = 18150;  // 363,000 in twenty years
constexpr std::uint64_t kArrivalsPerDay = 50;   // so that the sample's days span its years
constexpr int kRooms = 200;

// A motel of `years` years, every stay with its folio file and every day and month its totals,
// 200 stays in house until well after the nights run here, no reservation open.
class YearsMotel {
public:
    explicit YearsMotel(int years)
        : root_(fs::temp_directory_path() / "innvera-bench-nights" / std::to_string(years) / "motel"), dir_(root_) {
        fs::remove_all(root_.parent_path());
        const std::uint64_t stays = kStaysPerYear * static_cast<std::uint64_t>(years);
        bench::writeSampleMotel(dir_, stays, kInHouse, 20000, kRooms, kHotelDate, kArrivalsPerDay);
        bench::writeSampleLedger(dir_, stays, kRooms, kHotelDate, kArrivalsPerDay);
        RecordFile<Guest> guests(dir_, dir_.guests());
        for (std::uint64_t n = stays - kInHouse + 1; n <= stays; ++n) {
            Guest stay = guests.read(n);
            stay.departDate = kHotelDate.plusDays(90);
            guests.write(n, stay);
        }
        RecordFile<Reservation> reservations(dir_, dir_.reservations());
        reservations.scan([&](const Reservation& r, std::uint64_t n) {
            if (r.resStatus.str() == "*") return;
            Reservation closed = r;
            closed.resStatus = "*";
            reservations.write(n, closed);
        });
        writeTaxRate(dir_, 0.12f);
        writeFlag<EndOfDayFlagRecord>(dir_, dir_.endOfDayFlag(), 0);
        dir_.commit();
        syncFileSystemOf(root_);
    }
    ~YearsMotel() { fs::remove_all(root_.parent_path()); }

    DataDir& dir() { return dir_; }
    fs::path backups() const { return backupFolderOf(root_); }
    // The next night to close, and its backup's name.
    Date nextNight() { return kHotelDate.plusDays(1 + nights_++); }
    static std::string backupOf(Date night) { return backupName(night.plusDays(1), {1, 30, 0}); }
    // What a day at the desk leaves for the night: a stay checks out (its record rewritten, so the
    // guest file is copied again) and its folio joins the closed ones; then everything on the disk.
    void dayAtTheDesk() {
        RecordFile<Guest> guests(dir_, dir_.guests());
        const std::uint64_t n = guests.count() - kInHouse - static_cast<std::uint64_t>(nights_);
        Guest stay = guests.read(n);
        guests.write(n, stay);
        dir_.commit();
        syncFileSystemOf(root_);
    }

private:
    fs::path root_;
    DataDir dir_;
    int nights_ = 0;
};

YearsMotel& yearsMotel(int years) {
    static std::unique_ptr<YearsMotel> motel;  // one sample on the disk at a time
    static int made = 0;
    if (made != years) {
        motel.reset();
        motel = std::make_unique<YearsMotel>(years);
        made = years;
    }
    return *motel;
}

void runNight(benchmark::State& state, YearsMotel& motel) {
    NoPrinter printer;
    const Date night = motel.nextNight();
    // The night's check runs as at the desk; what it finds (the sample's rooms are not kept in step
    // with its stays) is counted, and the clerk's Yes is given.
    std::size_t findings = 0;
    const auto goOn = [&findings](const std::vector<Finding>& found) {
        findings = found.size();
        return true;
    };
    const EndOfDayResult result =
        runEndOfDay(motel.dir(), night, {motel.backups(), YearsMotel::backupOf(night)}, printer, {}, {}, goOn);
    state.counters["findings"] = static_cast<double>(findings);
    if (!result.done || result.backup.empty()) state.SkipWithError(("the run did not finish: " + result.message).c_str());
    else if (result.charges.charged != static_cast<int>(kInHouse)) state.SkipWithError("not every stay was charged");
}

// The first night: no backup yet, so every closed folio goes into the store.
void BM_WholeEndOfDayFirstNight(benchmark::State& state) {
    YearsMotel& motel = yearsMotel(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(motel.backups());
        motel.dayAtTheDesk();
        state.ResumeTiming();
        runNight(state, motel);
    }
}
BENCHMARK(BM_WholeEndOfDayFirstNight)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The nights after it, each a day later than the last.
void BM_WholeEndOfDayLaterNight(benchmark::State& state) {
    YearsMotel& motel = yearsMotel(static_cast<int>(state.range(0)));
    if (!fs::exists(motel.backups())) backUpDataDir(motel.dir(), motel.backups(), "2026-12-01 013000");
    for (auto _ : state) {
        state.PauseTiming();
        motel.dayAtTheDesk();
        state.ResumeTiming();
        runNight(state, motel);
    }
}
BENCHMARK(BM_WholeEndOfDayLaterNight)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The later night's backup alone, synced: its share of the whole.
void BM_LaterNightBackupAlone(benchmark::State& state) {
    YearsMotel& motel = yearsMotel(static_cast<int>(state.range(0)));
    if (!fs::exists(motel.backups())) backUpDataDir(motel.dir(), motel.backups(), "2026-12-01 013000");
    for (auto _ : state) {
        state.PauseTiming();
        motel.dayAtTheDesk();
        const Date night = motel.nextNight();
        state.ResumeTiming();
        benchmark::DoNotOptimize(backUpDataDir(motel.dir(), motel.backups(), YearsMotel::backupOf(night)));
    }
}
BENCHMARK(BM_LaterNightBackupAlone)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
