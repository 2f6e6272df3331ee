#include "checkin/check_in.h"

#include "core/counters.h"
#include "core/formats.h"
#include "core/counters.h"
#include "core/reservations.h"
#include "core/stays.h"
#include "ledger/charge_codes.h"
#include "ledger/ledger.h"
#include "folio/printed_folio.h"
#include "core/record_file.h"
#include "core/rooms.h"

namespace innvera {

CheckedIn checkIn(DataDir& dir, const CheckInOrder& order, Date hotelDate, const std::string& arrivalTime) {
    const float taxRate = readTaxRate(dir);
    bool counterRepaired = false;
    const float folioNo = takeFolioNumber(dir, &counterRepaired);
    if (order.reservationConfirmNo) closeReservation(dir, *order.reservationConfirmNo);

    Guest guest;
    order.guest.copyTo(guest);
    guest.roomNo = order.roomNo;
    guest.payType = order.payCode ? std::string(1, order.payCode) : std::string();
    guest.arrivalTime = arrivalTime;
    guest.arrivalDate = order.arrivalDate;
    guest.departDate = order.departDate;
    guest.rate = toSingle(order.rate);
    guest.folioNo = folioNo;
    guest.directBillNo = order.payCode == 'R' && order.account ? order.account->accountNo : 0;
    RecordFile<Guest>(dir, dir.guests()).append(guest);

    occupyRoom(dir, order.roomNo, hotelDate.plusDays(1));

    // The first night, posted under the room as stored (five characters); a direct-bill stay's
    // night opens a new invoice of its account.
    const std::string room = guest.roomNo.stored(5);
    std::optional<InvoiceFiles> invoiceFiles;
    std::optional<InvoiceOfAccount> invoice;
    if (guest.directBillNo != 0) {
        invoiceFiles = InvoiceFiles::of(dir, order.account->accountName.str());
        if (invoiceFiles) invoice = InvoiceOfAccount{&*invoiceFiles, nextInvoiceNumber(dir, *invoiceFiles), order.roomNo};
    }
    const NightRent night = postRoomRent(dir, hotelDate, order.rate, taxRate, FolioOfStay{folioNo, room}, invoice);
    appendFolioLine(dir, folioNo, room, hotelDate, 'L', "Total", night.total());
    if (isSundryCharge(order.extraCode)) postToFolio(dir, folioNo, room, hotelDate, order.extraCode, order.extraAmount);
    if (isSettlement(order.payCode)) postToFolio(dir, folioNo, room, hotelDate, order.payCode, order.payment);
    return {folioNo, counterRepaired};
}

PrintJob printedCheckInFolio(DataDir& dir, const MotelDetails& motel, const CheckInOrder& order, const CheckedIn& stay,
                             const std::string& arrivalTime, const std::optional<std::string>& chosenAccount) {
    FolioGuestBlock block;
    block.name = order.guest.name;
    block.address = order.guest.address;
    block.city = order.guest.city;
    block.state = order.guest.state;
    block.zip = order.guest.zip;
    block.phone = order.guest.phone;
    block.cell = order.guest.cell;
    block.arrivalTime = arrivalTime;
    block.folioNo = stay.folioNo;
    return checkInFolio(motel, block, readFolioLines(dir, stay.folioNo), chosenAccount);
}

}  // namespace innvera
