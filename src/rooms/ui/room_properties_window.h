#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/desk.h"
#include "rooms/properties.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace innvera {

// "Edit Room Properties": one room's type, rate, vacant, clean and out-of-order status and
// housekeeping comment, each changed on its own.
//
// A property's "Change" shows its editor (the rate's also its "Change Now"); choosing an entry
// in a list editor, or typing into the rate box, shows its "Change Now"; "Change Now" stores the
// editor's text on the shown room and puts the editor away, back to its prompt. Choosing another
// room leaves open editors as they are; a chooser text that names no room closes them.
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
    // One property changed on its own: the label showing its value (the `shown` field of the
    // room), its "Change" button, its editor (a list with its prompt, or the rate box) and its
    // "Change Now".
    struct Property {
        QLabel* value = nullptr;
        QPushButton* change = nullptr;
        QWidget* editor = nullptr;
        QPushButton* changeNow = nullptr;
        std::string RoomView::*shown = nullptr;
        QString prompt;
    };
    // A change of the shown room by the domain: the room number and the editor's text.
    using Change = std::optional<RoomView> (*)(DataDir&, std::string_view, std::string_view);

    void createControls();
    void createLayout();
    void connectSignals();
    std::array<Property*, 5> properties();

    void startChange(Property& property);
    void storeChoice(Property& property, QComboBox* list, Change change);
    void putAway(Property& property);
    void showView(const std::optional<RoomView>& view);
    std::string shownRoomNo() const;
    void storeComment();

    Desk& desk_;
    QComboBox* chooser_ = nullptr;
    QLabel* roomNoValue_ = nullptr;
    Property type_;
    Property rate_;
    Property vacant_;
    Property clean_;
    Property status_;
    QComboBox* typeEditor_ = nullptr;
    QLineEdit* rateBox_ = nullptr;
    QComboBox* vacantEditor_ = nullptr;
    QComboBox* cleanEditor_ = nullptr;
    QComboBox* statusEditor_ = nullptr;
    QLineEdit* commentBox_ = nullptr;
    QPushButton* updateButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QLabel* flagsLegend_ = nullptr;
};

}  // namespace innvera
