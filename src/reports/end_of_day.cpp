#include "reports/end_of_day.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/accounts.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/front_desk.h"
#include "core/record_file.h"
#include "core/reservations.h"
#include "core/stays.h"
#include "ledger/folio_file.h"
#include "ledger/invoices.h"
#include "ledger/ledger.h"
#include "ledger/totals.h"
#include "reports/financial_reports.h"
#include "reports/housekeeping_report.h"

namespace innvera {

namespace {

// The night is on the folio already because the guest checked in tonight: the check-in posts
// the first night with its "Total" line ("L"), which nothing else writes.
bool checkedInTonight(const DataDir& dir, float folioNo, Date hotelDate) {
    const std::vector<FolioLine> lines = readFolioLines(dir, folioNo);
    return std::any_of(lines.begin(), lines.end(), [&](const FolioLine& line) {
        return line.postDate == hotelDate && trimRight(line.code) == "L";
    });
}

void chargeStay(DataDir& dir, const Guest& stay, Date hotelDate, float taxRate, NightCharges& charges) {
    const std::string& room = stay.roomNo.str();
    // Every night of a direct-bill stay is an invoice of its own.
    std::optional<InvoiceFiles> files;
    std::optional<InvoiceOfAccount> invoice;
    if (stay.directBillNo > 0) {
        const auto account = findAccount(dir, stay.directBillNo);
        if (account) files = InvoiceFiles::of(dir, account->accountName.str());
        if (files) invoice = InvoiceOfAccount{&*files, nextInvoiceNumber(dir, *files), room};
        else charges.notInvoiced.push_back(room);
    }
    postRoomRent(dir, hotelDate, rentOfRate(stay.rate), taxRate, FolioOfStay{stay.folioNo, room}, invoice);
    ++charges.charged;
    if (invoice) ++charges.invoices;
}

std::string backupFailure(const FileError& error) {
    return "The data directory could not be backed up before the end of day: the file " + error.path().string() +
           " could not be used: " + error.reason() + ". Nothing has been posted yet.";
}

// A stay whose folio number or rate a damaged record has made unusable (not a finite number,
// no folio number, a rate beyond what a clerk can type): charging it would post "NaN" lines no
// later run recognises and wipe the totals it is added to.
bool chargeable(const Guest& stay) {
    return std::isfinite(stay.folioNo) && stay.folioNo > 0 && std::isfinite(stay.rate) &&
           std::fabs(stay.rate) <= kLargestAmount;
}

}  // namespace

std::set<float> nightCharged(DataDir& dir, Date hotelDate) {
    std::set<float> charged;
    const std::optional<std::string> text = dir.readWhole(dir.nightAudit());
    if (!text) return charged;
    std::size_t at = 0;
    bool first = true;
    while (at < text->size()) {
        std::size_t end = text->find('\n', at);
        if (end == std::string::npos) end = text->size();
        const std::string_view line = trimRight(std::string_view(*text).substr(at, end - at));
        const std::string_view lineText = line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
        at = end + 1;
        if (first) {
            if (lineText != dayKey(hotelDate)) return {};  // the record of another night
            first = false;
        } else if (const auto folioNo = wholeAmount(lineText)) {
            charged.insert(static_cast<float>(*folioNo));
        }
    }
    return charged;
}

NightCharges chargeRoomAndTax(DataDir& dir, Date hotelDate) {
    const float taxRate = readTaxRate(dir);
    const std::vector<Found<Guest>> stays = staysInHouse(dir);
    const auto monthFile = dir.monthTotals(monthKey(hotelDate));
    const auto dayFile = dir.dayTotals(dayKey(hotelDate));
    NightCharges charges;
    const std::filesystem::path record = dir.nightAudit();
    std::set<float> charged = nightCharged(dir, hotelDate);  // by this run, or an earlier one tonight
    if (charged.empty()) {  // a new night: the record starts afresh, committed with the first stays
        dir.remove(record);
        dir.appendText(record, dayKey(hotelDate) + "\r\n");
    }
    for (std::size_t from = 0; from < stays.size(); from += kStaysPerCommit) {
        const std::size_t to = std::min(stays.size(), from + kStaysPerCommit);
        std::vector<const Guest*> due;
        for (std::size_t i = from; i < to; ++i) {
            const Guest& stay = stays[i].record;
            if (!chargeable(stay)) {
                charges.damaged.push_back(stay.roomNo.str());
                continue;
            }
            if (charged.count(stay.folioNo) || checkedInTonight(dir, stay.folioNo, hotelDate)) {
                ++charges.alreadyCharged;
                continue;
            }
            charged.insert(stay.folioNo);
            due.push_back(&stay);
        }
        if (due.empty()) continue;

        // What these stays will write, put on record with one sync: each folio appended to,
        // and the two totals records.
        std::vector<Journal::Region> regions{
            {monthFile, 0, Totals::kLength}, {dayFile, 0, Totals::kLength}, {record, 0, 0}};
        for (const Guest* stay : due) regions.push_back({dir.folioCharges(folioKey(stay->folioNo)), 0, 0});
        dir.journalAhead(regions);
        std::string chargedNow;
        for (const Guest* stay : due) {
            chargeStay(dir, *stay, hotelDate, taxRate, charges);
            chargedNow += plainNumber(stay->folioNo) + "\r\n";
        }
        // In the same transaction as the postings: a rerun after a crash skips exactly these.
        dir.appendText(record, chargedNow);
        dir.commit();
    }
    return charges;
}

PrintJob endOfDayDailyReport(DataDir& dir, Date hotelDate) {
    return dailyFinancialReport(hotelDate.text(), readDayTotals(dir, hotelDate));
}

PrintJob endOfDayMonthlyReport(DataDir& dir, Date hotelDate) {
    return monthlyFinancialReport(hotelDate, readMonthTotals(dir, hotelDate));
}

PrintJob endOfDayHousekeepingReport(DataDir& dir, Date hotelDate) { return housekeepingReport(dir, hotelDate); }

EndOfDayResult runEndOfDay(DataDir& dir, Date hotelDate, const NightlyBackup& backup, Printer& printer,
                           const std::function<void(EndOfDayStep)>& stepDone,
                           const std::function<bool(const std::string& why)>& goWithoutBackup,
                           const std::function<bool(const std::vector<Finding>& findings)>& goOnDespite) {
    const auto done = [&](EndOfDayStep step) {
        if (stepDone) stepDone(step);
    };
    EndOfDayResult result;
    if (openReservationArrivesOn(dir, hotelDate)) {
        result.message = kReservationsPending;
        return result;
    }
    done(EndOfDayStep::Reservations);
    if (inHouseStayDepartsOn(dir, hotelDate)) {
        result.message = kCheckOutsPending;
        return result;
    }
    done(EndOfDayStep::CheckOuts);

    // The check and the copy are made of settled files: nothing of this run is pending.
    dir.commit();
    // The files the night will touch must agree before it posts to them, unless the clerk says
    // to go on anyway.
    const DataCheck check = checkBeforeNight(dir, hotelDate);
    if (!check.agrees() && (!goOnDespite || !goOnDespite(check.findings))) return result;
    try {
        result.backup = backUpDataDir(dir, backup.folder, backup.name, backup.kept);
    } catch (const FileError& error) {
        // The night can still be closed: the clerk decides, before anything is posted.
        if (!goWithoutBackup || !goWithoutBackup(backupFailure(error))) return result;
    }

    result.charges = chargeRoomAndTax(dir, hotelDate);
    done(EndOfDayStep::RoomAndTax);
    printer.print(endOfDayDailyReport(dir, hotelDate));
    done(EndOfDayStep::DailyReport);
    printer.print(endOfDayMonthlyReport(dir, hotelDate));
    done(EndOfDayStep::MonthlyReport);
    printer.print(endOfDayHousekeepingReport(dir, hotelDate));
    done(EndOfDayStep::Housekeeping);

    RecordFile<EndOfDayFlagRecord> flagFile(dir, dir.endOfDayFlag());
    EndOfDayFlagRecord flag = flagFile.read(1);
    flag.flag = 1.0f;
    flag.closedDay = hotelDate;
    flagFile.write(1, flag);
    dir.commit();
    result.done = true;
    result.closed = hotelDate;
    result.message = kEndOfDayDone;
    return result;
}

std::optional<Date> closedNight(DataDir& dir, Date today) {
    const EndOfDayFlagRecord flag = RecordFile<EndOfDayFlagRecord>(dir, dir.endOfDayFlag()).read(1);
    if (!lastNightClosed(flag, today)) return std::nullopt;
    return flag.closedDay == Date() ? today.plusDays(-1) : flag.closedDay;
}

std::string alreadyClosedQuestion(Date closed) {
    return "The end of day has already run for " + closed.text() + ". Print the reports again?";
}

void reprintEndOfDayReports(DataDir& dir, Date closed, Printer& printer) {
    printer.print(endOfDayDailyReport(dir, closed));
    printer.print(endOfDayMonthlyReport(dir, closed));
    printer.print(endOfDayHousekeepingReport(dir, closed));
}

std::string nightFindingsQuestion(const std::vector<Finding>& findings) {
    return findingsQuestion(findings, "what tonight's end of day will touch", "Run the end of day anyway?");
}

std::string nightChargesToSeeTo(const NightCharges& charges) {
    // "room 101" or "rooms 101, 103".
    const auto rooms = [](const std::vector<std::string>& list) {
        std::string named = list.size() == 1 ? "room " : "rooms ";
        for (std::size_t i = 0; i < list.size(); ++i) named.append(i == 0 ? "" : ", ").append(trimRight(list[i]));
        return named;
    };
    std::string text;
    if (!charges.notInvoiced.empty())
        text += "No invoice was made for tonight's room and tax of " + rooms(charges.notInvoiced) +
                ": no direct bill account carries the stay's account number. Bill the night to the account by "
                "hand.";
    if (!charges.damaged.empty())
        text += std::string(text.empty() ? "" : "\n\n") + "Tonight's room and tax were not charged to " +
                rooms(charges.damaged) +
                ": the stay's record is damaged (its folio number or rate is not a number). Correct the stay and "
                "post the night on its folio by hand.";
    return text;
}

}  // namespace innvera
