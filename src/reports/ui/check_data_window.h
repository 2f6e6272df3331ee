#pragma once

#include <QWidget>

#include <optional>

#include "core/desk.h"
#include "reports/data_check.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace innvera {

// "Check Data": reads every file of the data directory and lists, a line each, what disagrees
// (a room and its stay, a folio file that cannot be read, a total that is not the sum of its
// postings, a number above its counter, ...). It writes nothing. "Check Now" reads the files
// again, "Print" prints what the last check found.
class CheckDataWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "CheckData";

    explicit CheckDataWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handlers, public so tests can call them as the controls do.
    void checkNow();
    void printFindings();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void showResult(const DataCheck& result);

    Desk& desk_;
    std::optional<DataCheck> shown_;
    QLabel* about_;
    QLabel* summary_;
    QListWidget* findings_;
    QPushButton* checkButton_;
    QPushButton* printButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
