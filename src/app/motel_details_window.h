#pragma once

#include <QWidget>

#include <array>

#include "core/desk.h"
#include "core/motel_details.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

// "Motel Details": the motel's name, street, city, phone line and an optional extra line, as the
// main window shows them and the folio and statements print them. Each box takes no more than
// its line's room on the printed folio and says how much that is.
class MotelDetailsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "MotelDetails";

    explicit MotelDetailsWindow(Desk& desk, QWidget* parent = nullptr);

    // "Save": stores the details as typed (blanks around each line removed); the window stays,
    // showing them as stored.
    void save();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void showStored();
    MotelDetails typed() const;

    Desk& desk_;
    QLabel* heading_ = nullptr;
    QLabel* about_ = nullptr;
    std::array<QLineEdit*, kMotelLines.size()> boxes_{};
    QLabel* savedNote_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};

}  // namespace innvera
