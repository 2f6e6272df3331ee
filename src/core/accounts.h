#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "core/data_dir.h"
#include "core/record_file.h"

// Finding the direct-bill accounts of the account file.
namespace innvera {

// What an account list shows until an account is chosen.
inline constexpr const char* kSelectAccount = "Select Direct Bill Account";

// The first account with that number.
std::optional<DirectBillAccount> findAccount(DataDir& dir, float accountNo);
// The first account, in record order, whose name (trailing blanks removed) is `name`.
std::optional<Found<DirectBillAccount>> findAccountNamed(DataDir& dir, std::string_view name);
// The highest account number any account carries; 0 when there is none.
float highestAccountNumber(DataDir& dir);
// Every account's name, trailing blanks removed, in record order: the account lists.
std::vector<std::string> accountNames(DataDir& dir);
// Account record n (from 1); nothing past the last record.
std::optional<DirectBillAccount> accountAt(DataDir& dir, std::uint64_t recordNo);
// Writes account record n back whole (fields it does not name keep their bytes).
void writeAccount(DataDir& dir, std::uint64_t recordNo, const DirectBillAccount& account);
// Appends a new account after the last record; returns its record number.
std::uint64_t appendAccount(DataDir& dir, const DirectBillAccount& account);

}  // namespace innvera
