#pragma once

#include <QCalendarWidget>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "core/date.h"
#include "core/desk.h"

namespace innvera {

// A small window with one month calendar (Calendar1) for picking a date for another window's
// date box: the "Depart Date" and "Arrival Date" calendars of the check-in, reservation and
// past-guest windows, and the folio screen's departure calendar. It opens on a start date;
// a click on a day hands the day to its owner and closes the calendar; so does Enter on the day
// chosen with the arrow keys. Escape closes it, changing nothing. With a closing time (Timer1)
// it closes by itself when left alone that long (no day or month moved to), changing nothing. It belongs to the window
// that opened it and closes with it.
class DateCalendar : public QWidget {
    Q_OBJECT
public:
    struct Setup {
        const char* name;    // the object name (Form5, Form9, Form17, ...)
        const char* title;   // the window title
        Date start;          // the day selected when it opens, unless `box` holds a date
        int closeAfterMs = 0;  // 0: it stays until a day is picked
        const QLineEdit* box = nullptr;  // the date box it picks for: opens on the date typed there
    };

    // Opens the calendar for `owner`, or shows the one of that name it has open already.
    static DateCalendar* open(Desk& desk, QWidget* owner, const Setup& setup, std::function<void(Date)> picked);

    // The clerk clicks a day (or presses Enter on it).
    void dayClicked(const QDate& day);
    // Timer1 fires.
    void timerFired();

private:
    DateCalendar(QWidget* owner, const Setup& setup, std::function<void(Date)> picked);

    std::function<void(Date)> picked_;
    bool done_ = false;  // a day was picked: the calendar is closing
    QCalendarWidget* calendar_;
    QTimer* timer_ = nullptr;
};

// A date box whose calendar opens from the mouse and from the keyboard alike: a click in the
// box, or F4 or Alt+Down while it has the focus, runs `open`.
void opensCalendar(QLineEdit* box, std::function<void()> open);

// Dates between the calendar control and the rest of the program.
QDate toQDate(Date day);
Date fromQDate(const QDate& day);

}  // namespace innvera
