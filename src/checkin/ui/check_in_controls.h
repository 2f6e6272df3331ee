#pragma once

#include <QWidget>

#include "checkin/check_in_form.h"
#include "core/ui/guest_details_panel.h"

namespace innvera {

// The controls of a window that checks a guest in (the check-in window and the reservation
// screen) that a refused check-in can send the keyboard focus to.
struct CheckInControls {
    const GuestDetailsPanel* guest;
    QWidget* arrivalDate;
    QWidget* departDate;
    QWidget* roomList;
    QWidget* rate;
    QWidget* totalStay;
    QWidget* payTypeList;
    QWidget* accountList;
    QWidget* cashTotal;
    QWidget* extraAmount;

    QWidget* operator[](CheckInField field) const;
};

}  // namespace innvera
