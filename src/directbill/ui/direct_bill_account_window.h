#pragma once

#include <QWidget>

#include <optional>
#include <string>

#include "directbill/account_register.h"
#include "core/desk.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace innvera {

class AccountDetailsPanel;

// "Retrieve Direct Bill Account": the ledger of one direct-bill account. The clerk chooses
// an account, edits its details, chooses one of its invoices, sees the invoice's lines and
// balance, adds a payment or charge to it, prints its statement and exports it for a spreadsheet.
// "Do Now", "Print Statement" and "Export CSV" wait until an account and an invoice are chosen.
class DirectBillAccountWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "DirectBillAccountWindow";

    explicit DirectBillAccountWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handlers, public so tests can call them as the controls do.
    void accountChosen();
    void invoiceChosen();
    void typeChosen();
    void doNow();
    void printStatement();
    void exportInvoice();
    void saveAndExit();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();
    // Empties the invoice list, the lines, the balance and the room; no invoice is chosen.
    void showNoInvoice();
    void showInvoice();
    void resetEntry();
    void enableInvoiceActions();

    Desk& desk_;
    std::optional<ChosenAccount> account_;
    int invoiceCount_ = 0;           // the chosen account's invoices are 1 to this
    std::optional<float> invoiceNo_;
    std::string room_;  // the room of the invoice's last line: the room new lines are posted under
    QComboBox* accountList_;
    AccountDetailsPanel* details_;
    QLabel* numberLabel_;
    QComboBox* invoiceList_;
    QLabel* roomLabel_;
    QLabel* headings_;
    QListWidget* lines_;
    QLabel* balanceLabel_;
    QGroupBox* entryFrame_;
    QComboBox* typeList_;
    QLineEdit* amountBox_;
    QLineEdit* checkNoBox_;
    QPushButton* doNowButton_;
    QPushButton* printButton_;
    QPushButton* exportButton_;
    QPushButton* saveButton_;
};

}  // namespace innvera
