#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "checkin/check_in.h"
#include "checkin/ui/guest_details_panel.h"
#include "platform/desk.h"

namespace innvera {

// "Check In": registers a walk-in guest.
class CheckInWindow : public QWidget {
    Q_OBJECT
public:
    explicit CheckInWindow(Desk& desk, QWidget* parent = nullptr);

    // The "Depart Date" calendar's choice: the departure date, the days, the stay's total
    // and the lists become available.
    void takeDepartureDate(Date picked);

    void checkInNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void enableRoomAndPayment();
    void rateTyped();
    void tenderedTyped();
    void roomChosen();
    void paymentChosen();
    void addExtraToTotalStay();
    void printChoiceClicked();
    double nights() const;
    CheckInForm form() const;
    QWidget* control(CheckInField field) const;

    Desk& desk_;
    GuestDetailsPanel* guest_;
    QLineEdit* arrivalBox_;
    QLineEdit* departBox_;
    QLineEdit* daysBox_;
    QComboBox* roomList_;
    QLineEdit* rateBox_;
    QLabel* taxLabel_;
    QLabel* nightTotalLabel_;
    QLineEdit* totalStayBox_;
    QComboBox* paymentList_;
    QComboBox* accountList_;
    QLineEdit* cashTotalBox_;
    QLineEdit* tenderedBox_;
    QLineEdit* changeBox_;
    QComboBox* extraList_;
    QLineEdit* extraAmountBox_;
    QPushButton* enterButton_;
    QCheckBox* printBox_;
    QLabel* hotelDateLabel_;
    QPushButton* checkInButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
