#pragma once

#include <QWidget>

#include "checkin/check_in_form.h"
#include "core/desk.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

class CheckInSection;
class GuestDetailsPanel;

// "Check In": registers a walk-in guest.
class CheckInWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form4";

    explicit CheckInWindow(Desk& desk, QWidget* parent = nullptr);

    // The "Depart Date" calendar's choice: the departure date, the days, the stay's total
    // and the lists become available.
    void takeDepartureDate(Date picked);
    void checkInNow();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();
    void openDepartureCalendar();
    void departureTyped();
    // The departure date picked or typed: the days, the stay's total and the lists follow it.
    void departureKnown(Date picked);
    double nights() const;
    CheckInForm form() const;

    Desk& desk_;
    GuestDetailsPanel* guest_;
    QLineEdit* arrivalBox_;
    QLineEdit* departBox_;
    QLineEdit* daysBox_;
    CheckInSection* section_;
    QLabel* hotelDateLabel_;
    QPushButton* checkInButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
