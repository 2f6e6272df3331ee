#include "core/records.h"

namespace innvera {

Room Room::decode(const Bytes& bytes) {
    Room r;
    r.raw = bytes;
    r.roomNo = getText(bytes, 0, 5);
    r.roomType = getText(bytes, 5, 10);
    r.enteredDate = getDate(bytes, 15);
    r.dueOutDate = getDate(bytes, 23);
    r.vacantFlag = getText(bytes, 31, 1);
    r.cleanFlag = getText(bytes, 32, 1);
    r.statusFlag = getText(bytes, 33, 1);
    r.rate = getSingle(bytes, 34);
    r.comment = getText(bytes, 38, 20);
    return r;
}

Bytes Room::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    putText(b, 0, 5, roomNo);
    putText(b, 5, 10, roomType);
    putDate(b, 15, enteredDate);
    putDate(b, 23, dueOutDate);
    putText(b, 31, 1, vacantFlag);
    putText(b, 32, 1, cleanFlag);
    putText(b, 33, 1, statusFlag);
    putSingle(b, 34, rate);
    putText(b, 38, 20, comment);
    return b;
}

void GuestDetails::decodeDetails(const Bytes& b) {
    guestName = getText(b, 0, 30);
    address = getText(b, 30, 30);
    city = getText(b, 60, 30);
    state = getText(b, 90, 20);
    zip = getText(b, 110, 15);
    phone = getText(b, 125, 15);
    cell = getText(b, 140, 15);
    comment = getText(b, 170, 40);
    company = getText(b, 210, 20);
    cardNo = getText(b, 230, 20);
    cardMonth = getText(b, 250, 10);
    cardYear = getText(b, 260, 10);
    adults = getText(b, 270, 1);
    children = getText(b, 271, 1);
    roomNo = getText(b, 272, 5);
    payType = getText(b, 281, 1);
    arrivalTime = getText(b, 282, 15);
    departTime = getText(b, 297, 15);
    arrivalDate = getDate(b, 312);
    departDate = getDate(b, 320);
    rate = getSingle(b, 328);
    folioNo = getSingle(b, 356);
    email = getText(b, 360, 30);
}

void GuestDetails::encodeDetails(Bytes& b) const {
    putText(b, 0, 30, guestName);
    putText(b, 30, 30, address);
    putText(b, 60, 30, city);
    putText(b, 90, 20, state);
    putText(b, 110, 15, zip);
    putText(b, 125, 15, phone);
    putText(b, 140, 15, cell);
    putText(b, 170, 40, comment);
    putText(b, 210, 20, company);
    putText(b, 230, 20, cardNo);
    putText(b, 250, 10, cardMonth);
    putText(b, 260, 10, cardYear);
    putText(b, 270, 1, adults);
    putText(b, 271, 1, children);
    putText(b, 272, 5, roomNo);
    putText(b, 281, 1, payType);
    putText(b, 282, 15, arrivalTime);
    putText(b, 297, 15, departTime);
    putDate(b, 312, arrivalDate);
    putDate(b, 320, departDate);
    putSingle(b, 328, rate);
    putSingle(b, 356, folioNo);
    putText(b, 360, 30, email);
}

Guest Guest::decode(const Bytes& bytes) {
    Guest g;
    g.raw = bytes;
    g.decodeDetails(bytes);
    g.stayStatus = getText(bytes, 394, 20);
    g.directBillNo = getSingle(bytes, 474);
    g.messageFlag = getSingle(bytes, 478);
    return g;
}

Bytes Guest::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    encodeDetails(b);
    putText(b, 394, 20, stayStatus);
    putSingle(b, 474, directBillNo);
    putSingle(b, 478, messageFlag);
    return b;
}

StayKeys StayKeys::decode(const Bytes& bytes) {
    StayKeys k;
    k.guestName = getText(bytes, 0, 30);
    k.roomNo = getText(bytes, 272, 5);
    k.departDate = getDate(bytes, 320);
    k.folioNo = getSingle(bytes, 356);
    k.stayStatus = getText(bytes, 394, 20);
    return k;
}

Reservation Reservation::decode(const Bytes& bytes) {
    Reservation r;
    r.raw = bytes;
    r.decodeDetails(bytes);
    r.confirmNo = getText(bytes, 390, 10);
    r.resStatus = getText(bytes, 400, 20);
    r.directBillNo = getSingle(bytes, 480);
    return r;
}

Bytes Reservation::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    encodeDetails(b);
    putText(b, 390, 10, confirmNo);
    putText(b, 400, 20, resStatus);
    putSingle(b, 480, directBillNo);
    return b;
}

DirectBillAccount DirectBillAccount::decode(const Bytes& b) {
    DirectBillAccount a;
    a.raw = b;
    a.accountName = getText(b, 0, 30);
    a.address = getText(b, 30, 40);
    a.city = getText(b, 70, 30);
    a.state = getText(b, 100, 2);
    a.zip = getText(b, 102, 20);
    a.phone = getText(b, 122, 15);
    a.fax = getText(b, 137, 15);
    a.cell = getText(b, 152, 15);
    a.contact = getText(b, 167, 30);
    a.accountNo = getSingle(b, 197);
    a.balance = getSingle(b, 201);
    return a;
}

Bytes DirectBillAccount::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    putText(b, 0, 30, accountName);
    putText(b, 30, 40, address);
    putText(b, 70, 30, city);
    putText(b, 100, 2, state);
    putText(b, 102, 20, zip);
    putText(b, 122, 15, phone);
    putText(b, 137, 15, fax);
    putText(b, 152, 15, cell);
    putText(b, 167, 30, contact);
    putSingle(b, 197, accountNo);
    putSingle(b, 201, balance);
    return b;
}

InvoiceLine InvoiceLine::decode(const Bytes& b) {
    InvoiceLine l;
    l.raw = b;
    l.roomNo = getText(b, 0, 5);
    l.postDate = getDate(b, 5);
    l.invoiceNo = getSingle(b, 13);
    l.amount = getSingle(b, 17);
    l.code = getText(b, 21, 30);
    l.description = getText(b, 51, 30);
    l.checkNo = getText(b, 81, 20);
    return l;
}

Bytes InvoiceLine::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    putText(b, 0, 5, roomNo);
    putDate(b, 5, postDate);
    putSingle(b, 13, invoiceNo);
    putSingle(b, 17, amount);
    putText(b, 21, 30, code);
    putText(b, 51, 30, description);
    putText(b, 81, 20, checkNo);
    return b;
}

Message Message::decode(const Bytes& b) {
    Message m;
    m.raw = b;
    m.msgDate = getDate(b, 0);
    m.msgTime = getText(b, 8, 15);
    m.msgTo = getText(b, 23, 30);
    m.msgFrom = getText(b, 53, 30);
    m.msgText = getText(b, 83, 100);
    return m;
}

Bytes Message::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    putDate(b, 0, msgDate);
    putText(b, 8, 15, msgTime);
    putText(b, 23, 30, msgTo);
    putText(b, 53, 30, msgFrom);
    putText(b, 83, 100, msgText);
    return b;
}

Counter Counter::decode(const Bytes& bytes) {
    Counter c;
    c.raw = bytes;
    c.value = getSingle(bytes, 0);
    return c;
}

Bytes Counter::encode() const {
    Bytes b = raw;
    b.resize(kLength, '\0');
    putSingle(b, 0, value);
    return b;
}

}  // namespace innvera
