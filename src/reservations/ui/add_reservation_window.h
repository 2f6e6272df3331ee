#pragma once

#include <QWidget>

#include <optional>

#include "core/desk.h"
#include "reservations/add_reservation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

class GuestDetailsPanel;

// "Add Reservation": takes a reservation under the next confirmation number, taken when the
// window opens and given back when it closes, by whatever way, with the name box empty.
class AddReservationWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "AddReservationWindow";

    explicit AddReservationWindow(Desk& desk, QWidget* parent = nullptr);

    // Fills in a stay of one night in the room from `arrival` as the clerk would pick it: the
    // arrival, the departure the next day and the days, then the room chosen in the room list,
    // which checks the room against the open reservations and brings in its rate. A room the
    // list does not hold is left unchosen. What the clerk typed of the guest stays.
    void bookNight(const std::string& roomNo, Date arrival);

    // The event handlers, public so tests can call them as the controls do.
    void takeArrivalDate(Date picked);
    void takeDepartureDate(Date picked);
    void roomChosen();
    void reserveNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();
    void openArrivalCalendar();
    void openDepartureCalendar();
    void enableRoomAndRate();
    void arrivalTyped();
    void departureTyped();
    // A date picked or typed: the days and the figures follow it.
    void arrivalKnown(Date picked);
    void departureKnown(Date picked);
    // The tax and total of one night at the rate shown, and the stay's total over the days.
    void showFigures();
    AddReservationForm form() const;

    Desk& desk_;
    std::optional<float> confirmationNo_;  // taken at opening
    float taxRate_ = 0;
    GuestDetailsPanel* guest_;
    QLineEdit* arrivalBox_;
    QLineEdit* departBox_;
    QLineEdit* daysBox_;
    QComboBox* roomList_;
    QLineEdit* rateBox_;
    QLabel* taxLabel_;
    QLineEdit* nightTotalBox_;
    QLineEdit* totalStayBox_;
    QLabel* confirmationLabel_;
    QComboBox* payCodeList_;
    QComboBox* accountList_;
    QPushButton* reserveButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
