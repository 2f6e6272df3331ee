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

std::optional<DirectBillAccount> accountAt(DataDir& dir, std::uint64_t recordNo) {
    const RecordFile<DirectBillAccount> accounts(dir, dir.directBillAccounts());
    if (recordNo < 1 || recordNo > accounts.count()) return std::nullopt;
    return accounts.read(recordNo);
}

void writeAccount(DataDir& dir, std::uint64_t recordNo, const DirectBillAccount& account) {
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).write(recordNo, account);
}

std::uint64_t appendAccount(DataDir& dir, const DirectBillAccount& account) {
    return RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).append(account);
}

}  // namespace innvera
