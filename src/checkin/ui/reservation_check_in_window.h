#pragma once

#include <QWidget>

#include <string>

#include "checkin/reservation_screen.h"
#include "core/desk.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

class CheckInSection;
class GuestDetailsPanel;

// "Reservation": one open reservation, chosen in the main window's arrivals list (by room, for
// the hotel date) or in "Retrieve Reservation" (by confirmation number). From here the clerk
// checks the guest in, saves changes to the reservation or cancels it.
class ReservationCheckInWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form16";

    explicit ReservationCheckInWindow(Desk& desk, QWidget* parent = nullptr);

    // Shows the reservation the session's selected room or confirmation now names: a
    // reservation window already open, showing another, is closed first.
    static ReservationCheckInWindow* showChosen(Desk& desk);

    // The event handlers, public so tests can call them as the controls do.
    void checkIn();
    void saveAndExit();
    void cancelReservation();
    void takeArrivalDate(Date picked);
    void takeDepartureDate(Date picked);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();
    void showReservation(const ShownReservation& reservation);
    // The days between the two dates shown, then the stay's total (and the cash amount of a cash payment).
    void showDays();
    // The calendar opens on the date in `box`, else on `start`.
    void openCalendar(const char* name, const char* title, Date start, const QLineEdit* box,
                      void (ReservationCheckInWindow::*take)(Date));
    ReservationScreenForm form() const;
    bool goOnDespite(const char* goOn);

    Desk& desk_;
    std::string confirmNo_;  // as stored; empty when no open reservation was found
    QLabel* title_;
    GuestDetailsPanel* guest_;
    QLineEdit* arrivalBox_;
    QLineEdit* departBox_;
    QLineEdit* daysBox_;
    CheckInSection* section_;
    QLabel* confirmationLabel_;
    QPushButton* checkInButton_;
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
