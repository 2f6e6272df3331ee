#pragma once

#include <QWidget>

#include "core/desk.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace innvera {

// "Enter Room Inventory": rooms are entered one at a time with their number and type.
class RoomInventoryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "RoomInventoryWindow";

    explicit RoomInventoryWindow(Desk& desk, QWidget* parent = nullptr);

    // "Enter Now".
    void enterNow();

private:
    void createControls();
    void createLayout();
    void connectSignals();
    void fillRoomsEntered();
    void emptyForm();

    Desk& desk_;
    QLineEdit* roomNoBox_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QPushButton* enterButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QListWidget* roomsEntered_ = nullptr;
};

}  // namespace innvera
