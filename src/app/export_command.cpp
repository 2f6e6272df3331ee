#include "app/export_command.h"

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "core/accounts.h"
#include "core/csv.h"
#include "core/data_dir.h"
#include "core/date.h"
#include "core/formats.h"
#include "directbill/account_ledger.h"
#include "ledger/invoices.h"
#include "platform/file_layer.h"
#include "reports/csv_exports.h"
#include "reports/statistics.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

// What stops an export: the one line said on the error output.
struct Stop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const char* const kForms = "daily, monthly, housekeeping, guests, statistics and invoice";

// A date typed as YYYY-MM-DD.
Date dateArgument(const std::string& word) {
    const bool shaped = word.size() == 10 && word[4] == '-' && word[7] == '-' &&
                        word.find_first_not_of("0123456789-") == std::string::npos;
    const std::optional<Date> day =
        shaped ? Date::parse(word.substr(5, 2) + "/" + word.substr(8, 2) + "/" + word.substr(0, 4)) : std::nullopt;
    if (!day) throw Stop(word + " is not a date; give dates as YYYY-MM-DD.");
    return *day;
}

// A month typed as YYYY-MM, or, where a year may be given, a year as YYYY.
StatisticsPeriod periodArgument(const std::string& word, bool yearAllowed) {
    const auto number = [&](std::size_t from, std::size_t count) {
        const std::string digits = word.substr(from, count);
        return digits.find_first_not_of("0123456789") == std::string::npos ? std::stoi(digits) : -1;
    };
    StatisticsPeriod period{-1, -1};
    if (word.size() == 7 && word[4] == '-') period = {number(0, 4), number(5, 2)};
    else if (yearAllowed && word.size() == 4) period = {number(0, 4), 0};
    const bool month = period.month >= 1 && period.month <= 12;
    if (period.year < 1901 || period.year > 9998 || !(month || (yearAllowed && word.size() == 4)))
        throw Stop(word + (yearAllowed ? " is not a month or a year; give a month as YYYY-MM, a year as YYYY."
                                       : " is not a month; give it as YYYY-MM."));
    return period;
}

void expectArguments(const std::vector<std::string>& words, std::size_t least, std::size_t most, const char* usage) {
    const std::size_t given = words.size() - 1;
    if (given < least || given > most) throw Stop(std::string("the form ") + words[0] + " takes " + usage + ".");
}

void expectOrder(Date first, Date last) {
    if (last < first) throw Stop("the period ends (" + csvDate(last) + ") before it starts (" + csvDate(first) + ").");
}

// What makes the form's CSV text from the data directory; `notes` hears what is said besides.
using Export = std::function<std::string(DataDir& dir, std::vector<std::string>& notes)>;

// The export the words ask for, every argument checked before the data directory is touched.
Export exportOf(const std::vector<std::string>& words) {
    if (words.empty()) throw Stop(std::string("--export needs a form: ") + kForms + ".");
    const std::string& form = words[0];
    if (form == "daily") {
        expectArguments(words, 1, 2, "FIRST [LAST], dates as YYYY-MM-DD");
        const Date first = dateArgument(words[1]);
        const Date last = words.size() > 2 ? dateArgument(words[2]) : first;
        expectOrder(first, last);
        return [=](DataDir& dir, std::vector<std::string>&) { return dailyCsv(dir, first, last); };
    }
    if (form == "monthly") {
        expectArguments(words, 1, 1, "a month as YYYY-MM");
        const StatisticsPeriod month = periodArgument(words[1], false);
        return [=](DataDir& dir, std::vector<std::string>&) { return monthlyCsv(dir, month.year, month.month); };
    }
    if (form == "housekeeping") {
        expectArguments(words, 1, 1, "a date as YYYY-MM-DD");
        const Date day = dateArgument(words[1]);
        return [=](DataDir& dir, std::vector<std::string>&) { return housekeepingCsv(dir, day); };
    }
    if (form == "guests") {
        expectArguments(words, 3, 3, "arrivals, departures or in-house, then FIRST and LAST as YYYY-MM-DD");
        const std::optional<GuestListKind> kind = guestListKind(words[1]);
        if (!kind) throw Stop("there is no guest list " + words[1] + "; the lists are arrivals, departures and in-house.");
        const Date first = dateArgument(words[2]);
        const Date last = dateArgument(words[3]);
        expectOrder(first, last);
        return [=](DataDir& dir, std::vector<std::string>&) { return guestListCsv(dir, *kind, first, last); };
    }
    if (form == "statistics") {
        expectArguments(words, 1, 1, "a month as YYYY-MM or a year as YYYY");
        const StatisticsPeriod period = periodArgument(words[1], true);
        return [=](DataDir& dir, std::vector<std::string>& notes) {
            const Statistics statistics = readStatistics(dir, period);
            if (!statistics.periodStored) notes.push_back(nothingStored(statistics.period));
            for (const std::string& item : statistics.notCounted) notes.push_back("not counted: " + item);
            return statisticsCsv(statistics);
        };
    }
    if (form == "invoice") {
        expectArguments(words, 2, 2, "the account's name and the invoice number");
        const std::string accountName = words[1];
        const std::string typedNumber = words[2];
        const std::optional<double> number = wholeAmount(typedNumber);
        return [=](DataDir& dir, std::vector<std::string>&) {
            const auto account = findAccountNamed(dir, accountName);
            if (!account) throw Stop("there is no direct bill account named " + accountName + ".");
            const std::string& name = account->record.accountName.str();
            if (!accountNameProblem(name).empty())
                throw Stop("the invoices of the account " + name + " cannot be read: its name cannot name a file.");
            if (!number || *number < 1 || *number != std::floor(*number) || *number > invoiceCount(dir, name))
                throw Stop("the account " + name + " has no invoice " + typedNumber + ".");
            return invoiceCsv(dir, name, static_cast<float>(*number));
        };
    }
    throw Stop("there is no export form " + form + "; the forms are " + kForms + ".");
}

}  // namespace

int exportFromCommandLine(const fs::path& root, const std::vector<std::string>& words, const std::string& output,
                          std::ostream& out, std::ostream& err) {
    std::vector<std::string> notes;
    try {
        const Export make = exportOf(words);
        std::error_code error;
        if (!fs::is_directory(root, error)) throw Stop("there is no data directory " + root.string() + ".");
        DataDir dir(root);
        dir.openForReadingOnly();
        // A change in the middle (or one a crash cut off, which the desk undoes when it starts)
        // would be read half made.
        if (fs::exists(dir.journal(), error))
            throw Stop("the data directory " + root.string() +
                       " is in the middle of a change; try again in a moment, or start Innvera once to finish a "
                       "change that was cut off.");
        const std::string text = make(dir, notes);
        if (output.empty()) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.flush();
            if (!out) throw Stop("the output cannot be written.");
        } else {
            try {
                replaceFileWith(output, text);
            } catch (const FileError& error) {
                throw Stop("the output file " + output + " cannot be written: " + error.reason() + ".");
            }
        }
    } catch (const Stop& stop) {
        err << "innvera: " << stop.what() << "\n";
        return 2;
    } catch (const FileError& error) {
        err << "innvera: the file " << error.path().string() << " cannot be read: " << error.reason() << ".\n";
        return 2;
    } catch (const std::exception& error) {
        err << "innvera: the export failed: " << error.what() << "\n";
        return 2;
    }
    for (const std::string& note : notes) err << "innvera: " << note << "\n";
    return 0;
}

}  // namespace innvera
