#pragma once

#include <QWidget>

#include <optional>

#include "platform/desk.h"
#include "rooms/properties.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

// "Edit Room Properties": one room's type, rate, vacant, clean and out-of-order status and
// housekeeping comment, each changed on its own.
class RoomPropertiesWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "RoomPropertiesWindow";

    explicit RoomPropertiesWindow(Desk& desk, QWidget* parent = nullptr);

    // A room chosen (or typed) in the room chooser.
    void chooseRoom();
    // The "Change Now" buttons.
    void changeTypeNow();
    void changeRateNow();
    void changeVacantNow();
    void changeCleanNow();
    void changeStatusNow();
    // "Update": stores the comment.
    void updateCommentNow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showView(const std::optional<RoomView>& view);
    void enableChanges(bool enabled);
    void hideEditors();
    std::string shownRoomNo() const;
    void storeComment();
    void refreshOutOfOrderCount();

    Desk& desk_;
    QComboBox* chooser_;
    QLabel* roomNoValue_;
    QLabel* typeValue_;
    QLabel* rateValue_;
    QLabel* vacantValue_;
    QLabel* cleanValue_;
    QLabel* statusValue_;
    QPushButton* changeType_;
    QPushButton* changeRate_;
    QPushButton* changeVacant_;
    QPushButton* changeClean_;
    QPushButton* changeStatus_;
    QComboBox* typeEditor_;
    QLineEdit* rateEditor_;
    QComboBox* vacantEditor_;
    QComboBox* cleanEditor_;
    QComboBox* statusEditor_;
    QPushButton* typeNow_;
    QPushButton* rateNow_;
    QPushButton* vacantNow_;
    QPushButton* cleanNow_;
    QPushButton* statusNow_;
    QLineEdit* commentBox_;
    QPushButton* updateButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
