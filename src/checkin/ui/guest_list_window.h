#pragma once

#include <QWidget>

#include "core/desk.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace innvera {

// "Guest List": a read-only glance at the stays in house, room and name, in check-in order.
// It opens near the top left corner of the screen and closes itself after 20 seconds.
class GuestListWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form34";

    explicit GuestListWindow(Desk& desk, QWidget* parent = nullptr);

    // Timer1: fires once, 20 seconds after opening, closing the window.
    void onTimer();

private:
    void fillGuests();
    void createControls();
    void createLayout();
    void connectControls();

    Desk& desk_;
    QLabel* title_;
    QListWidget* guests_;
    QPushButton* exitButton_;
    QTimer* timer_;
};

}  // namespace innvera
