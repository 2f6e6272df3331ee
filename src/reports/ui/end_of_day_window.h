#pragma once

#include <QWidget>

#include <array>

#include "core/desk.h"
#include "reports/end_of_day.h"

class QLabel;
class QPushButton;

namespace innvera {

// "End of Day Reports": performs the end-of-day run as it opens, showing each step's "Done" as
// the step ends, then the run's closing message and the day it closed; the business day moves on
// to the next day at once. When the night is closed already it posts nothing and offers to print
// the night's reports again; when the backup cannot be made it asks whether to go on without
// one. "Exit" closes it.
class EndOfDayWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "EndOfDayWindow";

    explicit EndOfDayWindow(Desk& desk, QWidget* parent = nullptr);

    // The run; made once, as soon as the window is on the screen.
    void performRun();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void showDone(EndOfDayStep step);

    Desk& desk_;
    bool scheduled_ = false;
    bool ran_ = false;
    std::array<QLabel*, 6> steps_{};
    std::array<QLabel*, 6> doneMarks_{};
    QLabel* closedLabel_;  // "Closed 12/6/2026" once the run has closed the night
    QPushButton* exitButton_;
};

}  // namespace innvera
