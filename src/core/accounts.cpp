#include "core/accounts.h"

namespace innvera {

std::optional<DirectBillAccount> findAccount(DataDir& dir, float accountNo) {
    const auto found = RecordFile<DirectBillAccount>(dir, dir.directBillAccounts())
                           .findFirst([&](const DirectBillAccount& a) { return a.accountNo == accountNo; });
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Found<DirectBillAccount>> findAccountNamed(DataDir& dir, std::string_view name) {
    return RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).findFirst([&](const DirectBillAccount& a) {
        return a.accountName.str() == name;
    });
}

float highestAccountNumber(DataDir& dir) {
    float highest = 0;
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).scan([&](const DirectBillAccount& a, std::uint64_t) {
        if (a.accountNo > highest) highest = a.accountNo;
    });
    return highest;
}

std::vector<std::string> accountNames(DataDir& dir) {
    std::vector<std::string> names;
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).scan([&](const DirectBillAccount& a, std::uint64_t) {
        names.push_back(a.accountName.str());
    });
    return names;
}

}  // namespace innvera
