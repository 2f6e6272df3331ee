#include "core/ui/date_calendar.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include <optional>

#include "platform/qt/controls.h"
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
    // On the day the box shows, when it holds a whole date: what the clerk typed is where the
    // calendar carries on.
    const std::optional<Date> shown = setup.box ? Date::parse(setup.box->text().trimmed().toStdString()) : std::nullopt;
    calendar_->setSelectedDate(toQDate(shown ? *shown : setup.start));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar_);
    connect(calendar_, &QCalendarWidget::clicked, this, &DateCalendar::dayClicked);
    connect(calendar_, &QCalendarWidget::activated, this, &DateCalendar::dayClicked);
    calendar_->setFocus();  // the arrow keys move over the days at once
    closeOnEscape(this);

    if (setup.closeAfterMs > 0) {
        timer_ = new QTimer(this);
        timer_->setObjectName(QStringLiteral("Timer1"));
        timer_->setInterval(setup.closeAfterMs);
        timer_->setSingleShot(true);
        connect(timer_, &QTimer::timeout, this, &DateCalendar::timerFired);
        // Its time counts from the clerk's last move, so stepping through days by keyboard is not cut short.
        connect(calendar_, &QCalendarWidget::selectionChanged, timer_, qOverload<>(&QTimer::start));
        connect(calendar_, &QCalendarWidget::currentPageChanged, timer_, qOverload<>(&QTimer::start));
        timer_->start();
    }
}

void DateCalendar::dayClicked(const QDate& day) {
    if (done_) return;  // the second click of a double-click
    done_ = true;
    close();
    if (picked_) picked_(fromQDate(day));
}

void DateCalendar::timerFired() { close(); }

namespace {

class CalendarRequest : public QObject {
public:
    CalendarRequest(QLineEdit* box, std::function<void()> open) : QObject(box), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            open_();
            return false;  // the click still places the caret
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altDown = key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier);
        if (key->key() != Qt::Key_F4 && !altDown) return false;
        open_();
        return true;
    }

private:
    std::function<void()> open_;
};

}  // namespace

void opensCalendar(QLineEdit* box, std::function<void()> open) {
    box->installEventFilter(new CalendarRequest(box, std::move(open)));
}

}  // namespace innvera
