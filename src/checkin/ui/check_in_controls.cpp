#include "checkin/ui/check_in_controls.h"

namespace innvera {

QWidget* CheckInControls::operator[](CheckInField field) const {
    switch (field) {
    case CheckInField::Name: return guest->box(GuestDetailsPanel::Name);
    case CheckInField::Address: return guest->box(GuestDetailsPanel::Address);
    case CheckInField::City: return guest->box(GuestDetailsPanel::City);
    case CheckInField::State: return guest->box(GuestDetailsPanel::State);
    case CheckInField::Zip: return guest->box(GuestDetailsPanel::Zip);
    case CheckInField::Adults: return guest->box(GuestDetailsPanel::Adults);
    case CheckInField::RoomList: return roomList;
    case CheckInField::Rate: return rate;
    case CheckInField::PayTypeList: return payTypeList;
    case CheckInField::DepartDate: return departDate;
    case CheckInField::AccountList: return accountList;
    case CheckInField::ArrivalDate: return arrivalDate;
    case CheckInField::TotalStay: return totalStay;
    case CheckInField::CashTotal: return cashTotal;
    case CheckInField::ExtraAmount: return extraAmount;
    }
    return nullptr;
}

}  // namespace innvera
