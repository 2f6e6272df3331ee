#pragma once

#include <QWidget>

#include "core/desk.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace innvera {

// "Retrieve Reservation": every open reservation, past days included, in five columns; a
// click on one hands its confirmation number to the "Reservation" window and opens it there.
class RetrieveReservationWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "RetrieveReservationWindow";

    explicit RetrieveReservationWindow(Desk& desk, QWidget* parent = nullptr);

    // The clerk clicks a reservation.
    void reservationChosen(QListWidgetItem* item);

private:
    void fillReservations();
    void createControls();
    void createLayout();
    void connectControls();

    Desk& desk_;
    QWidget* headings_;
    QListWidget* reservations_;
    QPushButton* exitButton_;
};

}  // namespace innvera
