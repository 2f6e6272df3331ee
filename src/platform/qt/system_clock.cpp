#include "platform/qt/system_clock.h"

#include <QDate>
#include <QTime>

namespace innvera {

Date SystemClock::today() const {
    const QDate d = QDate::currentDate();
    return Date::fromYmd(d.year(), d.month(), d.day());
}

TimeOfDay SystemClock::now() const {
    const QTime t = QTime::currentTime();
    return TimeOfDay{t.hour(), t.minute(), t.second()};
}

}  // namespace innvera
