#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "core/front_desk.h"
#include "core/desk.h"
#include "core/data_dir.h"

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

    // The lists and the six counts as the files now are, for the hotel date. Only what changed
    // is shown again, so an entry chosen in a list stays chosen. Nothing is shown while a
    // handler is part-way (its writes may yet be undone) or when the files cannot be read just
    // now; there is no message box: the next tick tries again. Run whenever a handler commits a
    // change to the rooms, stays or reservations.
    void refresh();

    // Timer1, every half second: keeps the hotel date on the day not yet closed, and notices a
    // change made to the files outside the program (the lists and counts then follow it).
    void onTimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void startUp();
    // The hotel date as the session holds it, with the day's lists and counts.
    void showHotelDate();
    // The motel's name as the caption (Label7) and in the title.
    void showMotel();
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
    // The files the lists and counts come from, as they stood when last read.
    std::vector<std::optional<FileStamp>> stamps() const;

    DayAtAGlance shown_;  // what the lists and counts show
    std::vector<std::optional<FileStamp>> shownStamps_;  // the files as they stood when shown_ was read
    bool ticking_ = false;  // a tick is running (a message box may be up)
    bool closed_ = false;
};

}  // namespace innvera
