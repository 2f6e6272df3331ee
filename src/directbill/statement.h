#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data_dir.h"
#include "core/motel_details.h"
#include "core/print_job.h"

// The printed statement of one direct-bill invoice.
namespace innvera {

// The top of the statement, as the ledger window shows it.
struct StatementHeading {
    std::string account;    // the account list's text
    std::string accountNo;  // the number beside "Account#"
    std::string address;    // the boxes, as they stand
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    std::string fax;
    std::string cell;
    std::string contact;
    std::string invoiceNo;  // the invoice list's text
};

// The statement of invoice `invoiceNo` of the account, one print job "Statement", read from
// the invoice line file:
//   two empty lines; "Direct Bill Account:  " and the account; "Account#  " and the number;
//   the address; the city without trailing blanks, ", ", the state, two blanks, the zip;
//   "Phone:  ", "Fax:  ", "Cell:  " and "Contact:  " each with its box; "Invoice#  " and the
//   invoice number; two empty lines; the column headings; a rule of 111 "=";
//   per line: the room as stored at column 1, the date at 10, the code at 25, the invoice
//   number in signed form at 30, the check number at 45, the description as stored (30
//   characters) at 60 and the amount in signed form at 87 (a column already passed starts
//   the item at that column of the next line, so each amount comes under its line);
//   the rule again; "Balance:  " at column 78 with the invoice balance in signed form.
// A statement goes to a company, so once the motel's details have been saved it opens with them
// as its letterhead: each of the motel's lines that is not empty, centred over the rule, before
// the two empty lines. Without saved details (`letterhead` empty) it starts with those lines.
PrintJob invoiceStatement(DataDir& dir, const StatementHeading& heading, std::string_view accountName, float invoiceNo,
                          const std::optional<MotelDetails>& letterhead);

}  // namespace innvera
