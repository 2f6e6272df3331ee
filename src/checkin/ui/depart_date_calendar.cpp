#include "checkin/ui/depart_date_calendar.h"

#include <QVBoxLayout>

#include "checkin/ui/check_in_window.h"
#include "platform/qt/windows.h"

namespace innvera {

QDate toQDate(Date day) { return QDate(day.year(), day.month(), day.day()); }
Date fromQDate(const QDate& day) { return Date::fromYmd(day.year(), day.month(), day.day()); }

DepartDateCalendar::DepartDateCalendar(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Depart Date"));
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("Calendar1"));
    calendar_->setSelectedDate(toQDate(desk_.session.hotelDate.plusDays(1)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(10000);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &DepartDateCalendar::timerFired);
    timer_->start();

    connect(calendar_, &QCalendarWidget::clicked, this, &DepartDateCalendar::dayClicked);
}

void DepartDateCalendar::dayClicked(const QDate& day) {
    if (auto* checkIn = desk_.windows.find<CheckInWindow>(QStringLiteral("Form4"))) checkIn->takeDepartureDate(fromQDate(day));
    close();
}

void DepartDateCalendar::timerFired() { close(); }

}  // namespace innvera
