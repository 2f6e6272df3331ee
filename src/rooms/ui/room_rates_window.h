#pragma once

#include <QWidget>

#include "core/desk.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

// "Apply Room Rates": one nightly rate for every room of a type.
class RoomRatesWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form20";

    explicit RoomRatesWindow(Desk& desk, QWidget* parent = nullptr);

    // A type chosen in the type list: shows the rate its rooms have now.
    void chooseType();
    // "Save Now".
    void saveNow();

private:
    void createControls();
    void createLayout();
    void connectSignals();

    Desk& desk_;
    QComboBox* typeList_ = nullptr;
    QLabel* currentRate_ = nullptr;
    QLineEdit* newRateBox_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};

}  // namespace innvera
