#pragma once

#include <QWidget>

#include <functional>

#include "platform/desk.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;
class QBoxLayout;

namespace innvera {

// The hub of the front desk: the hotel date, today's arrivals and departures, the six
// counts and one button per task. Every opening is a new window that reads the day afresh;
// closing it closes every other window but the welcome window.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Desk& desk);

    // Timer1, every half second: keeps the hotel date on the day not yet closed.
    void onTimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    void showWelcomeUnlessSwitchedOff();
    void openAfterCheckInGate(const char* windowName);
    void leaveForFolio();
    void openDeparture(QListWidgetItem* item);
    void openArrival(QListWidgetItem* item);
    // Adds the button unless its window is one the program does not have.
    void addButton(QBoxLayout* layout, const char* objectName, const char* caption, const char* targetWindow,
                   std::function<void()> action);

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
    QTimer* timer_;
    bool ticking_ = false;  // a tick is running (a message box may be up)
    bool closed_ = false;
};

}  // namespace innvera
