#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "core/stays.h"
#include "folio/past_guests.h"
#include "core/desk.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace innvera {

class FoundStaysModel;

// "Guest": finds a checked-out stay by the first letters of the guest's name (the list follows
// every keystroke), by room or by arrival date, and retrieves it with a double-click. It reads
// the checked-out stays once, when it opens, and searches that list while it is open; the rows
// are made only as the list shows them, so a search finding every stay of twenty years shows
// at once. It belongs to the "Find Checked Out Guest" window, which receives the stay retrieved
// and closes it with itself.
class GuestSearchWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "GuestSearchWindow";

    GuestSearchWindow(Desk& desk, QWidget* owner, std::function<void(const PastStayView&)> retrieved);
    ~GuestSearchWindow() override;

    // The event handlers, public so tests can call them as the controls do.
    void nameChanged();
    void searchRoom();
    void searchArrival();
    // A double-click on the row: the stay goes to the owner and this window closes.
    void retrieve(int row);
    void openArrivalCalendar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();
    // Shows the outcome of a room or arrival-date search: the stays found, or the refusal.
    void showSearch(PastGuestSearch search, QLineEdit* box);

    Desk& desk_;
    std::function<void(const PastStayView&)> retrieved_;
    std::vector<CheckedOutStay> stays_;  // every checked-out stay, read when the window opened
    FoundStaysModel* found_;
    bool upperCasing_ = false;  // the name box is being turned to upper case
    QLineEdit* nameBox_;
    QLineEdit* roomBox_;
    QPushButton* roomSearchButton_;
    QLineEdit* arrivalBox_;
    QPushButton* arrivalSearchButton_;
    QLabel* hint_;
    QLabel* headings_;
    QListView* list_;
    QPushButton* exitButton_;
};

}  // namespace innvera
