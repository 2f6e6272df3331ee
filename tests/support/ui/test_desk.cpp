#include "support/ui/test_desk.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/counters.h"

namespace innvera::testing {

TestDesk::TestDesk()
    : dataDir(folder.path()),
      windows([this] { ++programEnded; }),
      desk{clock, dialogs, printer, dataDir, session, windows, notices} {
    session.hotelDate = clock.today();
    windows.attach(desk);
    windows.setHubOpener([this] { openWindow(desk, QStringLiteral("MainWindow")); });
    dataDir.createFolders();
    // Last night was closed (by a program that keeps no day beside the flag), so a main window
    // opened in the morning works on the clock's day; a test of the night writes the flag itself.
    writeFlag<EndOfDayFlagRecord>(dataDir, dataDir.endOfDayFlag(), 1.0f);
    dataDir.commit();
}

QWidget* TestDesk::open(const QString& name) {
    QWidget* window = openWindow(desk, name);
    EXPECT_NE(window, nullptr) << "no window " << name.toStdString();
    settle();
    return window;
}

std::string TestDesk::shownBoxes() {
    std::string all;
    for (const auto& box : dialogs.shown) all += (box.question ? "? " : "") + box.title + ": " + box.text + "\n";
    dialogs.clear();
    return all;
}

std::string TestDesk::pressed(QWidget* window, const char* button) {
    press(window, button);
    return shownBoxes();
}

TestDesk::~TestDesk() {  // leaving the folio screen opens the main window again
    for (int round = 0; round < 5 && !windows.openWindows().isEmpty(); ++round, settle())
        for (QWidget* window : windows.openWindows()) window->close();
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QString textOf(QWidget* window, const char* name) {
    auto* w = child<QWidget>(window, name);
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    const QVariant text = w ? w->property("text") : QVariant();
    EXPECT_TRUE(text.isValid()) << name << " shows no text";
    return text.toString();
}

QString textsOf(QWidget* window, const QStringList& names) {
    QStringList all;
    for (const QString& name : names) all << textOf(window, qPrintable(name));
    return all.join('|');
}

QString enabledOf(QWidget* window, const QStringList& names) {
    QStringList all;
    for (const QString& name : names)
        if (auto* w = child<QWidget>(window, qPrintable(name)); w && w->isEnabled()) all << name;
    return all.join(' ');
}

QString visibleOf(QWidget* window, const QStringList& names) {
    QStringList all;
    for (const QString& name : names)
        if (auto* w = child<QWidget>(window, qPrintable(name)); w && w->isVisible()) all << name;
    return all.join(' ');
}

void press(QWidget* window, const char* button) {
    auto* b = child<QPushButton>(window, button);
    const bool pressable = b && b->isVisible() && b->isEnabled();
    EXPECT_TRUE(pressable) << button << " cannot be clicked";
    if (pressable) QTest::mouseClick(b, Qt::LeftButton);
    settle();
}

namespace {
QLineEdit* editOf(QWidget* window, const char* name) {
    auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr;
    return list ? list->lineEdit() : child<QLineEdit>(window, name);
}
}  // namespace

void type(QWidget* window, const char* name, const QString& text) {
    if (QLineEdit* edit = editOf(window, name)) QTest::keyClicks(edit, text);
}

void retype(QWidget* window, const char* name, const QString& text) {
    if (QLineEdit* edit = editOf(window, name)) {
        settle();  // a window still to come up (the welcome window) would take the activation
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

QStringList entries(QWidget* window, const char* name) {
    if (auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr) return itemsOf(list);
    auto* list = child<QListWidget>(window, name);
    return list ? itemsOf(list) : QStringList();
}

bool hasFocus(QWidget* window, const char* name) {
    return window && window->focusWidget() && window->focusWidget() == child<QWidget>(window, name);
}

QString timerOf(QWidget* window) {
    auto* timer = window->findChild<QTimer*>("Timer1");
    return !timer ? "no Timer1" : QString("%1 ms, %2").arg(timer->interval()).arg(timer->isActive() ? "running" : "stopped");
}

void doubleClickRow(QAbstractItemView* list, int row) {
    const QRect place = list->visualRect(list->model()->index(row, 0));
    ASSERT_TRUE(place.isValid()) << "no row " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, place.center());
    settle();
}

void fill(QWidget* window, const char* name, const QString& text) {
    auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr;
    if (list && list->findText(text) >= 0)
        chooseEntry(list, text);
    else
        retype(window, name, text);
}

void typeAndEnter(QWidget* window, const char* name, const QString& text) {
    retype(window, name, text);
    if (auto* list = child<QComboBox>(window, name)) QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

DateCalendar* calendarOf(TestDesk& t, QWidget* window, const char* box, const char* calendar) {
    click(child<QLineEdit>(window, box));
    auto* opened = qobject_cast<DateCalendar*>(t.find(calendar));
    EXPECT_NE(opened, nullptr) << "no calendar " << calendar;
    return opened;
}

QString describe(DateCalendar* calendar) {
    if (!calendar) return "<none>";
    const QDate day = child<QCalendarWidget>(calendar, "Calendar1")->selectedDate();
    return calendar->windowTitle() + "|" + day.toString("M/d/yyyy") + "|" + timerOf(calendar);
}

void pickDay(DateCalendar* calendar, Date day) {
    if (calendar) calendar->dayClicked(QDate(day.year(), day.month(), day.day()));
    settle();
}

void typeGuest(QWidget* window, const QString& name, const QString& adults) {
    const std::pair<const char*, QString> boxes[] = {
        {"Text1", name}, {"Text2", "1 main st"}, {"Text3", "springfield"}, {"Text4", "il"}, {"Text5", "62701"}, {"Text11", adults}};
    for (const auto& [box, text] : boxes)
        if (!text.isEmpty()) type(window, box, text);
}

}  // namespace innvera::testing
