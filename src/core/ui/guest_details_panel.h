#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <initializer_list>
#include <map>
#include <set>

#include "core/guest_form.h"

class QGridLayout;

namespace innvera {

// The guest boxes shared by the check-in, reservation and folio windows: "Name" (Text1)
// to "Credit Card#" (Text10), the expiry month and year lists (Combo1, Combo2), "Adults"
// (Text11) and "Children" (Text12). Each window says which boxes turn their text to upper
// case as it is typed (the caret stays at the end) and whether two characters in "State"
// move on to "Zip". The expiry years run from 2017 to ten years past the current year.
class GuestDetailsPanel : public QWidget {
    Q_OBJECT
public:
    enum Box { Name, Address, City, State, Zip, Phone, Cell, Company, Comment, CardNo, Adults, Children };

    GuestDetailsPanel(std::initializer_list<Box> upperCased, bool stateMovesToZip, int currentYear,
                      QWidget* parent = nullptr);

    QLineEdit* box(Box which) const { return boxes_.at(which); }
    QComboBox* expiryMonth() const { return expiryMonth_; }
    QComboBox* expiryYear() const { return expiryYear_; }

    // Adds a row under the guest boxes, in the same columns: the caption, then the control.
    void addRow(const QString& caption, QWidget* control);
    // Adds the stay's dates under the guest boxes: "Arrival Date" (Text13), "Depart Date" (Text14)
    // and "Days" (Text15). The boxes are children of `window`.
    struct StayDates {
        QLineEdit* arrival;
        QLineEdit* depart;
        QLineEdit* days;
    };
    StayDates addStayDates(QWidget* window);

    GuestForm form() const;
    // Shows stored particulars; the expiry lists show the stored texts.
    void showForm(const GuestForm& form);
    // Empties every box and puts the prompts back in the expiry lists.
    void clear(const QString& monthPrompt = QStringLiteral("Expire Month"),
               const QString& yearPrompt = QStringLiteral("Expire Year"));

signals:
    // The clerk changed the "Name" box.
    void nameEdited();

private:
    void upperCase(QLineEdit* edit);

    QGridLayout* grid_;
    std::map<Box, QLineEdit*> boxes_;
    QComboBox* expiryMonth_;
    QComboBox* expiryYear_;
};

}  // namespace innvera
