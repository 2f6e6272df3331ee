#include "directbill/statement.h"

#include "core/formats.h"
#include "directbill/account_ledger.h"

namespace innvera {

namespace {

const char* const kColumnHeadings =
    "Room      Date           Code     Invoice       Check             Description                           Amount";

}  // namespace

PrintJob invoiceStatement(DataDir& dir, const StatementHeading& h, std::string_view accountName, float invoiceNo,
                          const std::optional<MotelDetails>& letterhead) {
    const std::vector<InvoiceLine> lines = invoiceLines(dir, accountName, invoiceNo);
    const std::string rule(111, '=');
    PrintJob job("Statement");
    if (letterhead) {
        for (const MotelLine& motelLine : kMotelLines) {
            const std::string& text = (*letterhead).*(motelLine.field);
            const std::size_t width = charCount(text);
            if (width == 0) continue;
            job.line().blanks(width < rule.size() ? static_cast<int>((rule.size() - width) / 2) : 0).text(text);
        }
    }
    job.emptyLines(2);
    job.line().text("Direct Bill Account:  " + h.account);
    job.line().text("Account#  " + h.accountNo);
    job.line().text(h.address);
    job.line().text(std::string(trimRight(h.city)) + ", " + h.state + "  " + h.zip);
    job.line().text("Phone:  " + h.phone);
    job.line().text("Fax:  " + h.fax);
    job.line().text("Cell:  " + h.cell);
    job.line().text("Contact:  " + h.contact);
    job.line().text("Invoice#  " + h.invoiceNo);
    job.emptyLines(2);
    job.line().text(kColumnHeadings);
    job.line().text(rule);
    for (const InvoiceLine& line : lines) {
        job.line().text(line.roomNo.stored(5));
        job.column(10).text(line.postDate.text());
        job.column(25).text(std::string(trimRight(line.code.str())));
        job.column(30).text(signedNumber(line.invoiceNo));
        job.column(45).text(std::string(trimRight(line.checkNo.str())));
        job.column(60).text(line.description.stored(30));
        job.column(87).text(signedNumber(line.amount));
    }
    job.line().text(rule);
    job.line().column(78).text("Balance:  " + signedNumber(invoiceBalance(lines)));
    return job;
}

}  // namespace innvera
