#pragma once

#include <QWidget>

#include <functional>

#include "core/front_desk.h"
#include "core/desk.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;
class QGroupBox;
class QVBoxLayout;

namespace innvera {

// The hub of the front desk: the hotel date, today's arrivals and departures, the six
// counts and one button per task. Every opening is a new window that reads the day afresh;
// closing it closes every other window but the welcome window.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "MainWindow";

    explicit MainWindow(Desk& desk);

    // Another window changed the rooms out of order: the "Out Of Order:" count shows `count`.
    void showOutOfOrderCount(int count);

    // Another window took, checked in or cancelled a reservation: the arrivals list and the
    // "Arrivals:" count are read again for the hotel date.
    void showArrivals();

    // The lists and the six counts as the files now are, for the hotel date. Only what changed
    // is shown again, so an entry chosen in a list stays chosen. Nothing is shown while a
    // handler is part-way (its writes may yet be undone) or when the files cannot be read just
    // now; there is no message box: the next tick tries again.
    void refresh();

    // Timer1, every half second: keeps the hotel date on the day not yet closed, and the lists
    // and counts true to the files whatever window changed them.
    void onTimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void startUp();
    void showDay(const DayAtAGlance& day);
    void showWelcomeUnlessSwitchedOff();
    // Opens the window once the check-in gate passes; shows the gate's refusal otherwise.
    template <class W>
    void openAfterCheckInGate();
    void leaveForFolio();
    void openDeparture(QListWidgetItem* item);
    void openArrival(QListWidgetItem* item);
    QPushButton* addButton(const char* objectName, const char* caption, std::function<void()> action);

    Desk& desk_;
    QLabel* hotelDate_;
    QLabel* systemDate_;
    QListWidget* arrivals_;
    QListWidget* departures_;
    QLabel* arrivalCount_;
    QLabel* departureCount_;
    QLabel* inHouseCount_;
    QLabel* stayOverCount_;
    QLabel* vacantCount_;
    QLabel* outOfOrderCount_;
    QGroupBox* countsFrame_;
    QVBoxLayout* buttons_;
    QLabel* propertyName_;
    QTimer* timer_;
    DayAtAGlance shown_;  // what the lists and counts show
    bool ticking_ = false;  // a tick is running (a message box may be up)
    bool closed_ = false;
};

// The open main window's refresh(), when it is open: for a window that has just changed the
// rooms, the stays or the reservations.
void refreshMainWindow(Desk& desk);

}  // namespace innvera
