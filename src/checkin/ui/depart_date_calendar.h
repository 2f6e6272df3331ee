#pragma once

#include <QCalendarWidget>
#include <QTimer>
#include <QWidget>

#include "platform/desk.h"

namespace innvera {

// "Depart Date": picks the check-in window's departure date. Left alone, it closes
// itself after ten seconds.
class DepartDateCalendar : public QWidget {
    Q_OBJECT
public:
    explicit DepartDateCalendar(Desk& desk, QWidget* parent = nullptr);

    void dayClicked(const QDate& day);
    void timerFired();

private:
    Desk& desk_;
    QCalendarWidget* calendar_;
    QTimer* timer_;
};

// Dates between the calendar and the rest of the program.
QDate toQDate(Date day);
Date fromQDate(const QDate& day);

}  // namespace innvera
