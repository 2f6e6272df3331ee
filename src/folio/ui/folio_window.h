#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <optional>

#include "checkin/ui/guest_details_panel.h"
#include "core/records.h"
#include "platform/desk.h"

namespace innvera {

// "View Folio": one in-house guest's stay, its folio lines and balance. From here the clerk
// posts charges and payments, prints the folio, moves the guest to another room, saves the
// guest's particulars, checks the guest out and reaches the guest's message. Leaving it, by
// whatever way, brings the main window back when it is not open.
class FolioWindow : public QWidget {
    Q_OBJECT
public:
    explicit FolioWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handlers, public so tests can call them as the controls do.
    void guestChosen();
    void codeChosen();
    void doNow();
    void printFolio();
    void checkOutGuest();
    void roomChosen();
    void saveAndExit();

    // A message was posted for the stay shown: "View Message" lights up.
    Q_INVOKABLE void showMessageWaiting();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void fillGuestList();
    void fillRoomList();
    void resetCodeEntry();
    // Empties the window as it is with no guest shown, every guest action disabled.
    void showNoGuest();
    void closeMessageWindows();
    void showGuest(const Guest& guest);
    void showFolioLines(float folioNo);
    void enableGuestActions(bool enabled);
    std::optional<float> shownFolio() const;

    Desk& desk_;
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
    QListWidget* lines_;
    QLabel* balanceLabel_;
    QGroupBox* chargesFrame_;
    QComboBox* codeList_;
    QLineEdit* amountBox_;
    QPushButton* doNowButton_;
    QComboBox* roomList_;
    QPushButton* checkOutButton_;
    QPushButton* printButton_;
    QPushButton* saveButton_;
    QPushButton* frameExitButton_;
    QPushButton* postMessageButton_;
    QPushButton* viewMessageButton_;
    QPushButton* topExitButton_;
};

}  // namespace innvera
