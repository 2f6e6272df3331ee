#pragma once

// A desk with the whole program's windows, a tax rate, rooms and stays, for driving the
// "View Folio" window and the windows it opens.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "app/wiring.h"
#include "folio/folio_data.h"
#include "folio/folio_screen_data.h"
#include "folio/ui/folio_window.h"
#include "platform/counters.h"
#include "support/test_desk.h"

namespace innvera::testing {

// The back colour a window gave a control, as #rrggbb; empty when it set none.
inline QString backColour(const QWidget* widget) {
    static const QRegularExpression rule(QStringLiteral("background-color:\\s*(#[0-9a-fA-F]{6})"));
    const QRegularExpressionMatch match = rule.match(widget->styleSheet());
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

inline QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

inline QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

class FolioWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.clock.set(may(1), {11, 5, 32});
        t.session.hotelDate = may(1);
        setTaxRate(t.dataDir, 0.12f);
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);  // no welcome window over the main one
        putRoom(t.dataDir, "101", "NQ1", 65, "O", "N");
        putRoom(t.dataDir, "102", "NQ1", 65, "O", "N");
        putRoom(t.dataDir, "105", "KK1", 80);
        putRoom(t.dataDir, "106", "KK1", 80, "Y", "N");
        defineWindows(t.desk);
    }

    void TearDown() override {
        // Leaving the folio screen opens the main window again: close until nothing is left.
        for (int round = 0; round < 5 && !t.windows.openWindows().isEmpty(); ++round) {
            for (QWidget* window : t.windows.openWindows()) window->close();
            settle();
        }
    }

    FolioWindow* folioWindow() { return t.windows.find<FolioWindow>(QStringLiteral("FolioWindow")); }
    FolioWindow* openFolio() { return qobject_cast<FolioWindow*>(t.windows.open(QStringLiteral("FolioWindow"))); }

    template <class W>
    W* get(const char* name) {
        return child<W>(folioWindow(), name);
    }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    QLabel* label(const char* name) { return get<QLabel>(name); }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }

    void choose(const char* list, const QString& entry) {
        auto* combo = get<QComboBox>(list);
        const int index = combo->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void post(const QString& code, const QString& amount) {
        choose("Combo4", code);
        box("Text16")->setText(amount);
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
    }

    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }

    TestDesk t;
};

}  // namespace innvera::testing
