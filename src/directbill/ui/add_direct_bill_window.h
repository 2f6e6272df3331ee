#pragma once

#include <QWidget>

#include <optional>

#include "core/desk.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

class AccountDetailsPanel;

// "Add Direct Bill": opens a direct-bill account. The account number is taken as the window
// opens; "Save" keeps it with the new account, "Exit" answered Yes gives it back. Closing the
// window any other way keeps it.
class AddDirectBillWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "AddDirectBillWindow";

    explicit AddDirectBillWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handlers, public so tests can call them as the controls do.
    void save();
    void exitWithoutSaving();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void takeNumber();

    Desk& desk_;
    std::optional<float> accountNo_;  // the number taken for this window
    QLabel* heading_;
    AccountDetailsPanel* details_;
    QLineEdit* balanceBox_;
    QLabel* numberLabel_;
    QPushButton* saveButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
