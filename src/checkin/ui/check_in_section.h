#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "checkin/check_in.h"
#include "core/desk.h"
#include "core/refusal.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace innvera {

// The part of a window that checks a guest in which the walk-in "Check In" window and the
// "Reservation" window share: the room, the rate with the night's tax and total, "Total Stay",
// the payment with its account and cash boxes, one extra charge, the print choice, and the
// check-in itself. It stands in two columns: the money (the window may add its buttons under
// it) and the extra charge with the print choice (the window may add below them).
//
// Both work out the money alike: the night's tax and total at the rate, "Total Stay" over the
// days with the extra charge chosen, and, while cash is chosen, the cash box following "Total
// Stay" on every change, "Change" following the cash box and "Amount Tendered". Every figure is
// shown to the cent; a rate that is not an amount shows none.
//
// The two windows differ in their controls' names and in a few rules, which `Kind` holds:
//  - Walk-in: the room list offers the rooms that can be let tonight; choosing one checks for an
//    overbooking and fills the rate. The night's total is a label. The room and payment lists
//    wait for a name or a departure date; the account list for the direct-bill payment.
//  - Reservation: the room list offers every room in service and only changes "Room#" (the rate
//    stays). The night's total is a box. Every list is open from the start.
class CheckInSection : public QWidget {
    Q_OBJECT
public:
    enum class Kind { WalkIn, Reservation };

    // `days` gives the days the window shows ("Days"), which the figures are worked out over.
    CheckInSection(Desk& desk, Kind kind, std::function<double()> days, QWidget* parent = nullptr);

    QVBoxLayout* moneyColumn() const { return moneyColumn_; }
    QVBoxLayout* extrasColumn() const { return extrasColumn_; }
    QComboBox* roomList() const { return roomList_; }
    QLineEdit* rateBox() const { return rateBox_; }
    QLineEdit* extraAmountBox() const { return extraAmountBox_; }
    QPushButton* addExtraButton() const { return addExtraButton_; }

    // Fills the lists and the print choice from the files; the rooms are the window's to give.
    void load(const std::vector<std::string>& rooms);
    // The room of the stay ("Room#", the reservation window's): shown beside the room list.
    std::string roomNo() const { return roomNo_; }
    void showRoom(const std::string& roomNo);
    // The rate of the room, with the night's figures over the days the window shows.
    void showRate(float rate);

    // The days the window shows changed: "Total Stay" (and the cash box) follow the nights.
    void daysChanged();
    // The room and payment lists can be used (the walk-in's once a name or a departure is known).
    void openLists();
    // The departure the walk-in's overbooking check uses: the window's own "Depart Date".
    void setDeparture(Date departure) { departure_ = departure; }

    // The texts the window's check-in reads.
    std::string roomEntry() const;
    std::string rate() const;
    std::string totalStay() const;
    std::string payCode() const;
    std::string cashTotal() const;
    std::string tendered() const;
    std::string extraCharge() const;
    std::string extraAmount() const;
    std::string account() const;

    // The check-in: `read` gives the window's order, or the refusal it meets (shown, with the
    // focus sent to the named control of the window). The guest is checked in and kept checked
    // in whatever the printer does; the folio is printed when the print choice is ticked.
    // True once the guest is in.
    bool checkIn(const std::function<std::variant<Refusal, CheckInOrder>()>& read);

private:
    void createControls();
    void createLayout();
    void connectControls();
    double days() const;
    void roomChosen();
    void paymentChosen();
    void addExtra();
    void printChoiceClicked();
    // The night's tax and total at the rate typed, "Total Stay" over the days with the extra
    // charge, then the cash boxes (followTotalStay).
    void showFigures();
    // While cash is chosen the cash box shows "Total Stay"; "Change" follows.
    void followTotalStay();
    void showChange();
    bool cashChosen() const;
    void setNightTotal(const QString& text);

    Desk& desk_;
    Kind kind_;
    std::function<double()> days_;
    std::string roomNo_;
    Date departure_;
    QVBoxLayout* moneyColumn_;
    QVBoxLayout* extrasColumn_;
    QFormLayout* money_;
    QLabel* roomLabel_ = nullptr;  // reservation: "Room#"
    QComboBox* roomList_;
    QLineEdit* rateBox_;
    QLabel* taxLabel_;
    QLabel* nightTotalLabel_ = nullptr;   // walk-in
    QLineEdit* nightTotalBox_ = nullptr;  // reservation
    QLineEdit* totalStayBox_;
    QComboBox* paymentList_;
    QComboBox* accountList_;
    QLineEdit* cashTotalBox_;
    QLineEdit* tenderedBox_;
    QLineEdit* changeBox_;
    QComboBox* extraList_;
    QLineEdit* extraAmountBox_;
    QPushButton* addExtraButton_;
    QCheckBox* printBox_;
};

}  // namespace innvera
