#pragma once

#include <QWidget>

#include "core/desk.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

// "Enter Tax Rate": stores the tax rate as a fraction, showing the rate stored now.
class TaxRateWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form7";

    explicit TaxRateWindow(Desk& desk, QWidget* parent = nullptr);

    // "Enter Now": stores the rate and closes.
    void enterNow();

private:
    void createControls();
    void createLayout();
    void connectSignals();
    void showCurrentRate();

    Desk& desk_;
    QLabel* heading_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* howToWrite_ = nullptr;
    QLabel* currentRate_ = nullptr;
    QLineEdit* rateBox_ = nullptr;
    QPushButton* enterButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};

}  // namespace innvera
