#pragma once

// A desk driving the "View Folio" window over a small motel, for the folio screen and message tests.

#include <QtWidgets>

#include "folio/ledger.h"
#include "folio/ui/folio_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {

// The whole program's windows over a tax rate of 0.12 and the rooms 101 and 102 (occupied),
// 105 (vacant and clean), 106 (dirty), 103 (out of order) and 1050 (vacant and clean), in that
// record order, on 1 May 2019 at 11:05:32 AM.
class FolioWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.clock.set(may(1), {11, 5, 32});
        t.session.hotelDate = may(1);
        setTaxRate(t.dataDir, 0.12f);
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);  // no welcome window over the main one
        putRoom(t.dataDir, "101", "NQ1", "O", "N");
        putRoom(t.dataDir, "102", "NQ1", "O", "N");
        putRoom(t.dataDir, "105", "KK1");
        putRoom(t.dataDir, "106", "KK1", "Y", "N");
        putRoom(t.dataDir, "103", "NQ2", "Y", "Y", "X");
        putRoom(t.dataDir, "1050", "SUITE");
    }

    void TearDown() override {  // leaving the folio screen opens the main window again: close until none is left
        for (int round = 0; round < 5 && !t.windows.openWindows().isEmpty(); ++round, settle())
            for (QWidget* window : t.windows.openWindows()) window->close();
    }

    FolioWindow* folioWindow() { return t.windows.find<FolioWindow>(); }
    FolioWindow* openFolio() { return t.windows.open<FolioWindow>(); }
    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }

    template <class W>
    W* get(const char* name) {
        return child<W>(folioWindow(), name);
    }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    QLabel* label(const char* name) { return get<QLabel>(name); }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
    QString textOf(const char* name) {  // a box's or a label's text
        const QVariant text = get<QWidget>(name)->property("text");
        EXPECT_TRUE(text.isValid()) << name;
        return text.toString();
    }

    void choose(const char* list, const QString& entry) { chooseEntry(get<QComboBox>(list), entry); }
    void post(const QString& code, const QString& amount) {
        choose("Combo4", code);
        box("Text16")->setText(amount);
        click(button("Command4"));
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : t.dialogs.shown) texts.push_back(shown.title + ": " + shown.text);
        return texts;
    }

    TestDesk t;
};

}  // namespace innvera::testing
