#include "core/records.h"

namespace innvera {

Room Room::decode(const Bytes& bytes) { return decodeRecord<Room>(kRoomFields, bytes); }
Bytes Room::encode() const { return encodeRecord(kRoomFields, *this); }

Guest Guest::decode(const Bytes& bytes) { return decodeRecord<Guest>(kGuestFields, bytes); }
Bytes Guest::encode() const { return encodeRecord(kGuestFields, *this); }

Reservation Reservation::decode(const Bytes& bytes) { return decodeRecord<Reservation>(kReservationFields, bytes); }
Bytes Reservation::encode() const { return encodeRecord(kReservationFields, *this); }

ReservationKeys ReservationKeys::decode(const Bytes& bytes) {
    ReservationKeys keys;
    decodeFields(kReservationKeyFields, bytes, keys);
    return keys;
}

DirectBillAccount DirectBillAccount::decode(const Bytes& bytes) {
    return decodeRecord<DirectBillAccount>(kDirectBillAccountFields, bytes);
}
Bytes DirectBillAccount::encode() const { return encodeRecord(kDirectBillAccountFields, *this); }

InvoiceLine InvoiceLine::decode(const Bytes& bytes) { return decodeRecord<InvoiceLine>(kInvoiceLineFields, bytes); }
Bytes InvoiceLine::encode() const { return encodeRecord(kInvoiceLineFields, *this); }

Message Message::decode(const Bytes& bytes) { return decodeRecord<Message>(kMessageFields, bytes); }
Bytes Message::encode() const { return encodeRecord(kMessageFields, *this); }

Counter Counter::decode(const Bytes& bytes) { return decodeRecord<Counter>(kCounterFields, bytes); }
Bytes Counter::encode() const { return encodeRecord(kCounterFields, *this); }

EndOfDayFlagRecord EndOfDayFlagRecord::decode(const Bytes& bytes) {
    return decodeRecord<EndOfDayFlagRecord>(kEndOfDayFlagFields, bytes);
}
Bytes EndOfDayFlagRecord::encode() const { return encodeRecord(kEndOfDayFlagFields, *this); }

}  // namespace innvera
