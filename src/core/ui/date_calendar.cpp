#include "core/ui/date_calendar.h"

#include <QVBoxLayout>

#include "platform/qt/windows.h"

namespace innvera {

QDate toQDate(Date day) { return QDate(day.year(), day.month(), day.day()); }
Date fromQDate(const QDate& day) { return Date::fromYmd(day.year(), day.month(), day.day()); }

DateCalendar* DateCalendar::open(Desk& desk, QWidget* owner, const Setup& setup, std::function<void(Date)> picked) {
    for (auto* open : owner->findChildren<DateCalendar*>(QString::fromLatin1(setup.name), Qt::FindDirectChildrenOnly))
        if (open->isVisible()) return static_cast<DateCalendar*>(desk.windows.show(open));
    auto* calendar = new DateCalendar(owner, setup, std::move(picked));
    desk.windows.show(calendar);
    return calendar;
}

DateCalendar::DateCalendar(QWidget* owner, const Setup& setup, std::function<void(Date)> picked)
    : QWidget(owner, Qt::Window), picked_(std::move(picked)) {
    setObjectName(QString::fromLatin1(setup.name));
    setWindowTitle(QString::fromLatin1(setup.title));
    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("Calendar1"));
    calendar_->setSelectedDate(toQDate(setup.start));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    connect(calendar_, &QCalendarWidget::clicked, this, &DateCalendar::dayClicked);

    if (setup.closeAfterMs > 0) {
        timer_ = new QTimer(this);
        timer_->setObjectName(QStringLiteral("Timer1"));
        timer_->setInterval(setup.closeAfterMs);
        timer_->setSingleShot(true);
        connect(timer_, &QTimer::timeout, this, &DateCalendar::timerFired);
        timer_->start();
    }
}

void DateCalendar::dayClicked(const QDate& day) {
    close();
    if (picked_) picked_(fromQDate(day));
}

void DateCalendar::timerFired() { close(); }

}  // namespace innvera
