#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/records.h"
#include "core/refusal.h"
#include "core/data_dir.h"

// The direct-bill accounts themselves: opening one, and saving one changed on the ledger
// window. An account's name also names its invoice files, so a name is checked before it is
// stored, and a renamed account takes its invoice files with it.
namespace innvera {

// The nine boxes of an account, "Name" to "Contact Name", as the clerk left them.
struct AccountForm {
    std::string name;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    std::string fax;
    std::string cell;
    std::string contact;

    // The stored fields as the boxes show them: without the blanks that pad them to their
    // widths, so that every box takes typing at its end.
    static AccountForm from(const DirectBillAccount& account);
    // Assigns the nine fields; they are cut or blank-padded to their widths when written.
    void copyTo(DirectBillAccount& account) const;
};

inline constexpr const char* kAccountGone = "This account is no longer on file. Choose it again.";
// "This account shares its invoice files with the account ACME, so its name can't be changed."
std::string sharedInvoiceFiles(std::string_view otherName);
// "Invoice files named ACME are already on file. Choose another name."
std::string invoiceFilesInTheWay(std::string_view newName);

// "Save" of "Add Direct Bill". Checks, in order: the name (newAccountNameProblem against
// every account on file), then "Current Balance" (empty is 0, else an amount: readAmount). When both pass, appends the account: the nine boxes, the account number and the
// balance, the reserved fields zero. Nothing is written when a check fails.
std::optional<Refusal> addAccount(DataDir& dir, const AccountForm& form, std::string_view balanceText,
                                         float accountNo);

// The account a ledger window shows: its record and the record's number.
struct ChosenAccount {
    std::uint64_t recordNo = 0;
    DirectBillAccount record;
};

// "Save and Exit": writes the nine boxes back into the account's record; `Balance` and the
// reserved fields keep their bytes. The record must still carry the account number it was
// chosen with (kAccountGone). A changed name (as stored: cut to 30 characters, trailing blanks
// removed) must pass newAccountNameProblem against the other accounts, and the old name must
// not share invoice files with another account; then the account's invoice counter and line
// files are moved to the new name before the record is written, all in the handler's one
// transaction, so that a failure part-way leaves the old name and every file as they were.
// Nothing is written when refused.
std::optional<Refusal> saveAccount(DataDir& dir, const ChosenAccount& account, const AccountForm& form);

}  // namespace innvera
