// What every window owes the clerk, checked over every window the program opens (and the
// windows they open at once).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <functional>

#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

// A 1366x768 screen less a taskbar leaves 1366x728 for a window with its frame; a window
// manager's frame (borders and title bar) takes up to 10x38 of that.
constexpr QSize kScreenLeft{1366, 728};
constexpr QSize kFrame{10, 38};

// A motel with something in every list: rooms, an account, a guest in house, a checked-out
// stay and a reservation arriving today.
void fillMotel(DataDir& dir) {
    switchWelcomeOff(dir, true);
    smallMotel(dir);
    putGuest(dir, "101", 1, "JOHN SMITH", may(3));
    putPastGuest(dir, "102", 2, "AMY WILSON", Date::fromYmd(2019, 4, 20), Date::fromYmd(2019, 4, 22));
    putReservation(dir, "7", "102", "BOB JONES", may(1), may(2));
}

// Runs `check` on each window named, opened alone on a desk of its own, and on every window
// that opened with it; `check` is told the window's name for its messages.
void forEveryWindow(const std::function<void(TestDesk&, QWidget*, const QString&)>& check) {
    for (const QString& name : windowNames()) {
        TestDesk t;
        fillMotel(t.dataDir);
        t.open(name);
        for (QWidget* window : t.windows.openWindows()) check(t, window, name + "/" + window->objectName());
    }
}

// The boxes of a window that hold a stored field: text boxes held to a width, and typed lists
// whose text is held to one.
QList<QLineEdit*> fieldBoxes(QWidget* window) {
    QList<QLineEdit*> boxes;
    for (auto* box : window->findChildren<QLineEdit*>()) {
        const bool inList = qobject_cast<QComboBox*>(box->parentWidget()) != nullptr;
        const bool held = inList ? box->validator() != nullptr : box->maxLength() < QLineEdit().maxLength();
        // A list switched off only shows a stay (the expiry of a past guest's card).
        const bool shownOnly = box->isReadOnly() || (inList && !box->parentWidget()->isEnabled());
        if (held && !shownOnly) boxes << box;
    }
    return boxes;
}

QString nameOf(QLineEdit* box) {
    auto* list = qobject_cast<QComboBox*>(box->parentWidget());
    return list ? list->objectName() : box->objectName();
}

// Puts the text in the box as the window does when it shows a stored field.
void showStored(QLineEdit* box, const QString& text) {
    if (auto* list = qobject_cast<QComboBox*>(box->parentWidget())) list->setEditText(text);
    else box->setText(text);
}

// The box, filled as from a padded field, takes a letter typed at `at` (or at its end).
QString typedInto(QWidget* window, QLineEdit* box, const QString& stem, int width, int at = -1) {
    showStored(box, stem + QString(width - stem.size(), QLatin1Char(' ')));
    box->setEnabled(true);  // a box waiting for a choice (the check number) is tried too
    window->activateWindow();
    box->setFocus();
    box->setCursorPosition(at < 0 ? static_cast<int>(box->text().size()) : at);
    QTest::keyClicks(box, QStringLiteral("Z"));
    return box->text();
}

TEST(EveryWindowTest, EveryBoxHoldingAStoredFieldTakesTypingAfterItsPaddedText) {
    int boxes = 0;
    forEveryWindow([&](TestDesk&, QWidget* window, const QString& where) {
        for (QLineEdit* box : fieldBoxes(window)) {
            ++boxes;
            // A typed list's width is its field's, at least three characters: padded well past it.
            const bool inList = qobject_cast<QComboBox*>(box->parentWidget()) != nullptr;
            const int width = inList ? 60 : box->maxLength();
            const QString stem = QStringLiteral("AB").left(std::min(2, width - 1));
            const QString at = where + " " + nameOf(box);
            EXPECT_EQ(typedInto(window, box, stem, width), stem + "Z") << at.toStdString();
            if (stem.size() == 2) {
                EXPECT_EQ(typedInto(window, box, stem, width, 1), "AZB") << at.toStdString();
            }
        }
    });
    EXPECT_GT(boxes, 40);  // the guest, account and motel boxes at least
}

// Nothing cut off on a 1366x768 screen: the size a window asks for, the least it can take and
// the size it opens at all leave room for the frame and a taskbar. Wide lists scroll sideways.
TEST(EveryWindowTest, EveryWindowFitsA1366By768ScreenWithATaskbar) {
    const QSize most = kScreenLeft - kFrame;
    int windows = 0;
    forEveryWindow([&](TestDesk&, QWidget* window, const QString& where) {
        ++windows;
        for (const auto& [what, size] : {std::pair{"size hint", window->sizeHint()},
                                         std::pair{"least size", window->minimumSizeHint()},
                                         std::pair{"opened size", window->size()}}) {
            EXPECT_LE(size.width(), most.width()) << where.toStdString() << " " << what;
            EXPECT_LE(size.height(), most.height()) << where.toStdString() << " " << what;
        }
    });
    EXPECT_GE(windows, windowNames().size());
}

// Enter on the button that has the focus presses it, on every window, as Space does.
TEST(EveryWindowTest, EnterOnAFocusedButtonPressesIt) {
    int buttons = 0;
    for (const QString& name : windowNames()) {
        // Each button on a desk of its own: pressing one may close the window or open others.
        QStringList pressed;
        for (int i = 0;; ++i) {
            TestDesk t;
            fillMotel(t.dataDir);
            QWidget* window = t.open(name);
            QList<QPushButton*> all;
            for (auto* b : window->findChildren<QPushButton*>())
                if (b->isVisible() && b->isEnabled() && b->focusPolicy() & Qt::TabFocus) all << b;
            if (i >= all.size()) break;
            QPushButton* b = all[i];
            QSignalSpy clicks(b, &QPushButton::clicked);
            window->activateWindow();
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Return);
            EXPECT_EQ(clicks.count(), 1) << name.toStdString() << " " << b->objectName().toStdString() << " "
                                         << b->text().toStdString();
            ++buttons;
        }
    }
    EXPECT_GT(buttons, 60);
}

}  // namespace
}  // namespace innvera::testing
