#pragma once

#include <QWidget>

#include <optional>

#include "core/records.h"
#include "core/desk.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace innvera {

class GuestDetailsPanel;

// "View Folio": one in-house guest's stay, its folio lines and balance. From here the clerk
// posts charges and payments, prints the folio, moves the guest to another room, saves the
// guest's particulars, checks the guest out and reaches the guest's message. Leaving it, by
// whatever way, brings the main window back when it is not open.
class FolioWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "FolioWindow";

    explicit FolioWindow(Desk& desk, QWidget* parent = nullptr);

    // The stay shown, as it was read when it was shown; nothing when no guest is shown.
    const std::optional<Guest>& shownStay() const { return shown_; }

    // Shows the stay in house with that folio number, chosen in "Select Guest" as if the clerk
    // had chosen it there; no guest is shown when no stay in house has the number.
    void showStay(float folioNo);

    // The event handlers, public so tests can call them as the controls do.
    void guestChosen();
    void codeChosen();
    void doNow();
    void printFolio();
    void checkOutGuest();
    void roomChosen();
    void saveAndExit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();
    void fillGuestList();
    void fillRoomList();
    void resetCodeEntry();
    // Empties the window as it is with no guest shown, every guest action disabled.
    void showNoGuest();
    void showGuest(const Guest& guest);
    void showFolioLines(float folioNo);
    void showMessageWaiting();
    void enableGuestActions(bool enabled);
    void openDepartureCalendar();
    void departureDatePicked(Date picked);
    void openPostMessage();
    void openViewMessage();
    void closeMessageWindows();

    Desk& desk_;
    std::optional<Guest> shown_;
    QComboBox* guestList_;
    GuestDetailsPanel* guest_;
    QLineEdit* arrivalBox_;
    QLineEdit* departBox_;
    QLineEdit* daysBox_;
    QLineEdit* rateBox_;
    QLabel* arrivalTimeLabel_;
    QLabel* folioLabel_;
    QLabel* roomLabel_;
    QLabel* directBillCaption_;
    QLabel* directBillLabel_;
    QLabel* headings_;
    QListWidget* lines_;
    QLabel* balanceLabel_;
    QGroupBox* chargesFrame_;
    QComboBox* codeList_;
    QLineEdit* amountBox_;
    QPushButton* doNowButton_;
    QComboBox* roomList_;
    QGroupBox* actionFrame_;
    QPushButton* checkOutButton_;
    QPushButton* printButton_;
    QPushButton* saveButton_;
    QPushButton* frameExitButton_;
    QPushButton* postMessageButton_;
    QPushButton* viewMessageButton_;
    QPushButton* topExitButton_;
};

}  // namespace innvera
