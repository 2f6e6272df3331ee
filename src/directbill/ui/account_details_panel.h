#pragma once

#include <QLineEdit>
#include <QWidget>

#include <array>
#include <initializer_list>

#include "directbill/account_register.h"

class QGridLayout;

namespace innvera {

// The nine boxes of a direct-bill account, "Name" (Text1) to "Contact Name" (Text9), shared
// by the add and ledger windows. Each window says which boxes turn their text to upper case
// as it is typed (the caret stays at the end).
class AccountDetailsPanel : public QWidget {
    Q_OBJECT
public:
    enum Box { Name, Address, City, State, Zip, Phone, Fax, Cell, Contact };

    AccountDetailsPanel(std::initializer_list<Box> upperCased, QWidget* parent = nullptr);

    QLineEdit* box(Box which) const { return boxes_[which]; }
    // Adds a row under the boxes, in the same columns: the caption, then the control.
    void addRow(const QString& caption, QWidget* control);

    AccountForm form() const;
    void showForm(const AccountForm& form);
    void clear();

private:
    QGridLayout* grid_;
    std::array<QLineEdit*, 9> boxes_{};
};

}  // namespace innvera
