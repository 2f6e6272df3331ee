#pragma once

#include <QWidget>

#include <optional>
#include <string>

#include "core/records.h"
#include "folio/past_guests.h"
#include "core/desk.h"
#include "core/record_file.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace innvera {

class GuestDetailsPanel;

// "Find Checked Out Guest": one checked-out stay with its particulars, its folio lines and
// balance as they were at check-out, and the reprint of its folio. It opens the "Guest" search
// window with itself and again for "Find Another Guest"; each opening of the search empties
// it. Nothing here is written: the boxes only show the stay.
class FindCheckedOutGuestWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "FindCheckedOutGuestWindow";

    explicit FindCheckedOutGuestWindow(Desk& desk, QWidget* parent = nullptr);

    // The stay shown, with its record number, as it was read; nothing when none is shown.
    const std::optional<Found<Guest>>& shownStay() const { return shown_; }
    // Shows a stay the "Guest" window retrieved.
    void showStay(const PastStayView& view);

    // The event handlers, public so tests can call them as the controls do.
    // "Find Another Guest": opens the "Guest" window, or shows the open one on top.
    void findAnotherGuest();
    void printFolio();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    // Empties every box, label and the list; the expiry lists show "Month" and "Year".
    void showNoStay();

    Desk& desk_;
    std::optional<Found<Guest>> shown_;
    std::string shownAccount_;  // the direct-bill account line shown; empty when none
    bool searchOpened_ = false;  // the "Guest" window opened with this one
    GuestDetailsPanel* guest_;
    QLineEdit* arrivalBox_;
    QLineEdit* departBox_;
    QLineEdit* daysBox_;
    QLineEdit* rateBox_;
    QLabel* folioLabel_;
    QLabel* roomLabel_;
    QLabel* arrivalTimeLabel_;
    QLabel* departTimeLabel_;
    QLabel* directBillCaption_;
    QLabel* directBillLabel_;
    QLabel* headings_;
    QListWidget* lines_;
    QLabel* balanceLabel_;
    QPushButton* printButton_;
    QPushButton* findAnotherButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
