#include "ledger/charge_codes.h"

#include <array>

#include "core/formats.h"

namespace innvera {

namespace {

using K = ChargeKind;
using B = BalanceEffect;

constexpr std::array<ChargeCode, 16> kCodes = {{
    {'E', "Room Rent", K::Charge, B::Added, slot::RoomRent},
    {'T', "Tax", K::Charge, B::Added, slot::Tax},
    {'P', "Pet Fee", K::Charge, B::Added, slot::PetFee},
    {'S', "Copies", K::Charge, B::Added, slot::Copies},
    {'Q', "Stamps", K::Charge, B::Added, slot::Stamps},
    {'N', "Roll Away", K::Charge, B::Added, slot::RollAway},
    {'W', "Wi-Fi", K::Charge, B::Added, slot::WiFi},
    {'O', "Other", K::Charge, B::Added, slot::Other},
    {'C', "Cash Received", K::Payment, B::Subtracted, slot::Cash},
    {'V', "Visa", K::Payment, B::Subtracted, slot::Visa},
    {'M', "Master Card", K::Payment, B::Subtracted, slot::MasterCard},
    {'D', "Discover", K::Payment, B::Subtracted, slot::Discover},
    {'A', "American Express", K::Payment, B::Subtracted, slot::AmericanExpress},
    {'R', "Direct Bill", K::DirectBill, B::None, slot::DirectBill},
    {'L', "Total", K::Summary, B::None, std::nullopt},
    {'K', "Check Received", K::CheckReceived, B::None, std::nullopt},
}};

constexpr std::array<std::string_view, 12> kFolioScreenEntries = {
    "E - Room Rent", "C - Cash",    "V - Visa",   "M - Master Card", "D - Discover", "A - American Ex.",
    "P - Pet Fee",   "N - Roll Away", "S - Copies", "W - Wi Fi",       "Q - Stamps ",  "O - Other ",
};

}  // namespace

std::span<const ChargeCode> chargeCodes() { return kCodes; }

const ChargeCode* chargeCode(char letter) {
    for (const ChargeCode& code : kCodes)
        if (code.letter == letter) return &code;
    return nullptr;
}

const ChargeCode* chargeCode(std::string_view codeField) {
    const std::string_view code = trimRight(codeField);
    return code.size() == 1 ? chargeCode(code.front()) : nullptr;
}

bool isSundryCharge(char letter) {
    const ChargeCode* code = chargeCode(letter);
    return code && code->kind == ChargeKind::Charge && code->slot != slot::RoomRent && code->slot != slot::Tax;
}

bool isSettlement(char letter) {
    const ChargeCode* code = chargeCode(letter);
    return code && (code->kind == ChargeKind::Payment || code->kind == ChargeKind::DirectBill);
}

std::span<const std::string_view> folioScreenCodeEntries() { return kFolioScreenEntries; }

}  // namespace innvera
