#include "folio/printed_folio.h"

#include <algorithm>

#include "core/formats.h"

namespace innvera {

namespace {

const std::string kRule(114, '=');

enum class Variant { FolioScreen, CheckIn, Reprint };

// The street line ends in blanks up to this column, as the sample property's does, so that the
// page is as wide whatever the motel's street.
constexpr std::size_t kStreetLineEnd = 126;

// One line of the motel's heading, centred on the line's middle column; an empty line when the
// motel has none.
std::string headingLine(const MotelLine& line, const MotelDetails& motel) {
    const std::string& text = motel.*(line.field);
    if (text.empty()) return {};
    return std::string(headingBlanks(line, text), ' ') + text;
}

void heading(PrintJob& job, const MotelDetails& motel) {
    const auto& [name, street, city, phone, extra] = kMotelLines;
    job.emptyLines();
    job.line().text(headingLine(name, motel));
    job.emptyLines();
    std::string streetLine = headingLine(street, motel);
    if (!streetLine.empty()) streetLine = fitWidth(streetLine, std::max(kStreetLineEnd, charCount(streetLine)));
    job.line().text(streetLine);
    job.emptyLines();
    job.line().text(headingLine(city, motel));
    job.emptyLines();
    job.line().text(headingLine(phone, motel));
    // The extra line takes the middle one of the three empty lines before the guest.
    if (motel.extra.empty()) {
        job.emptyLines(3);
    } else {
        job.emptyLines();
        job.line().text(headingLine(extra, motel));
        job.emptyLines();
    }
}

void guestBlock(PrintJob& job, const FolioGuestBlock& guest, Variant variant) {
    job.line().text(guest.name).column(79).text("Phone:   " + guest.phone);
    job.line().text(guest.address).column(82).text("Cell:   " + guest.cell);
    job.line().text(guest.city + ", " + guest.state + "  " + guest.zip).column(80).text("Email:   " + guest.email);
    job.line().text("Arrival Time: " + guest.arrivalTime);
    if (variant == Variant::Reprint) {
        job.line().text("Depart Time: " + guest.departTime);
        job.line().text("Arrivl Date: " + guest.arrivalDate.text());
        job.line().text("Depart Date: " + guest.departDate.text());
    }
    job.line().text("Folio:  " + signedNumber(guest.folioNo));
    job.emptyLines();
}

void rows(PrintJob& job, const std::vector<FolioLine>& lines) {
    job.line().text(kRule);
    job.line().text("Room      Date                     Code                       Description                                    Amount");
    job.line().text(kRule);
    for (const FolioLine& line : lines) {
        job.line()
            .text(line.room)
            .column(10)
            .text(line.postDate.text())
            .column(30)
            .text(line.code)
            .column(50)
            .text(line.description)
            .column(85)
            .text(signedNumber(roundCents(line.amount)));
    }
    job.line().text(kRule);
    job.line().column(75).text("Balance:   " + signedNumber(folioBalance(lines)));
}

void closing(PrintJob& job, int underscores) {
    job.line().text("Thank you for staying with us. We hope you have a wonderful day. If you have any issues, Please");
    job.line().text("let us know.");
    job.emptyLines(2);
    job.line().text(std::string(static_cast<std::size_t>(underscores), '_'));
    job.line().blanks(35).text("Signature");
}

PrintJob folioPage(const MotelDetails& motel, const FolioGuestBlock& guest, const std::vector<FolioLine>& lines,
                   Variant variant) {
    PrintJob job("Folio");
    heading(job, motel);
    guestBlock(job, guest, variant);
    rows(job, lines);
    return job;
}

}  // namespace

FolioGuestBlock guestBlockOf(const Guest& guest) {
    FolioGuestBlock block;
    block.name = guest.guestName.str();
    block.address = guest.address.str();
    block.city = guest.city.str();
    block.state = guest.state.str();
    block.zip = guest.zip.stored(15);
    block.phone = guest.phone.stored(15);
    block.cell = guest.cell.stored(15);
    block.email = guest.email.stored(30);
    block.arrivalTime = guest.arrivalTime.stored(15);
    block.folioNo = guest.folioNo;
    block.departTime = guest.departTime.stored(15);
    block.arrivalDate = guest.arrivalDate;
    block.departDate = guest.departDate;
    return block;
}

PrintJob folioScreenFolio(const MotelDetails& motel, const FolioGuestBlock& guest,
                          const std::vector<FolioLine>& lines) {
    PrintJob job = folioPage(motel, guest, lines, Variant::FolioScreen);
    job.emptyLines(6);
    closing(job, 76);
    return job;
}

PrintJob checkInFolio(const MotelDetails& motel, const FolioGuestBlock& guest, const std::vector<FolioLine>& lines,
                      const std::optional<std::string>& directBillAccount) {
    PrintJob job = folioPage(motel, guest, lines, Variant::CheckIn);
    job.emptyLines(2);
    if (directBillAccount) job.line().text("Direct Bill Account:  " + *directBillAccount);
    job.emptyLines(4);
    closing(job, 65);
    return job;
}

PrintJob reprintFolio(const MotelDetails& motel, const FolioGuestBlock& guest, const std::vector<FolioLine>& lines,
                      const std::string& directBillAccountLine) {
    PrintJob job = folioPage(motel, guest, lines, Variant::Reprint);
    job.emptyLines(3);
    job.line().text("Direct Bill Account:  " + directBillAccountLine);
    job.emptyLines(3);
    closing(job, 78);
    return job;
}

}  // namespace innvera
