#include "directbill/account_register.h"

#include <vector>

#include "core/accounts.h"
#include "core/formats.h"
#include "ledger/invoices.h"

namespace innvera {

AccountForm AccountForm::from(const DirectBillAccount& a) {
    return {a.accountName, a.address, a.city, a.state, a.zip, a.phone, a.fax, a.cell, a.contact};
}

void AccountForm::copyTo(DirectBillAccount& a) const {
    a.accountName = name;
    a.address = address;
    a.city = city;
    a.state = state;
    a.zip = zip;
    a.phone = phone;
    a.fax = fax;
    a.cell = cell;
    a.contact = contact;
}

std::string sharedInvoiceFiles(std::string_view otherName) {
    return "This account shares its invoice files with the account " + std::string(trimRight(otherName)) +
           ", so its name can't be changed.";
}

std::string invoiceFilesInTheWay(std::string_view newName) {
    return "Invoice files named " + std::string(trimRight(newName)) + " are already on file. Choose another name.";
}

std::optional<Refusal> addAccount(DataDir& dir, const AccountForm& form, std::string_view balanceText,
                                         float accountNo) {
    if (std::string problem = newAccountNameProblem(form.name, accountNames(dir)); !problem.empty())
        return Refusal{problem, "Text1"};
    const bool noBalance = trimRight(balanceText).empty();
    const TypedAmount balance = readAmount(balanceText, kBalanceBox);
    if (!noBalance && !balance.value) return Refusal{balance.refusal, "Text10"};

    DirectBillAccount account;
    form.copyTo(account);
    account.accountNo = accountNo;
    account.balance = noBalance ? 0.0f : toSingle(*balance.value);
    appendAccount(dir, account);
    return std::nullopt;
}

std::optional<Refusal> saveAccount(DataDir& dir, const ChosenAccount& chosen, const AccountForm& form) {
    std::optional<DirectBillAccount> account = accountAt(dir, chosen.recordNo);
    if (!account || account->accountNo != chosen.record.accountNo) return Refusal{kAccountGone, "Text1"};

    const std::string oldName = account->accountName.str();
    const std::string newName = storedAccountName(form.name);
    if (newName != oldName) {
        std::vector<std::string> others = accountNames(dir);
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(chosen.recordNo - 1));
        if (std::string problem = newAccountNameProblem(form.name, others); !problem.empty())
            return Refusal{problem, "Text1"};
        // An old name no file could carry has no invoice files to take along.
        if (const auto oldFiles = InvoiceFiles::of(dir, oldName)) {
            for (const std::string& other : others)
                if (invoiceFilesMeet(oldName, other)) return Refusal{sharedInvoiceFiles(other), "Text1"};
            const InvoiceMove move = moveInvoiceFiles(dir, *oldFiles, *InvoiceFiles::of(dir, newName));
            if (move.inTheWay) return Refusal{invoiceFilesInTheWay(newName), "Text1"};
        }
    }
    form.copyTo(*account);
    writeAccount(dir, chosen.recordNo, *account);
    return std::nullopt;
}

}  // namespace innvera
