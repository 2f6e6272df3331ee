#pragma once

// A desk driving the "View Folio" window over a small motel, for the folio screen and message tests.

#include <QtWidgets>

#include "ledger/ledger.h"
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
        writeTaxRate(t.dataDir, 0.12f);
        switchWelcomeOff(t.dataDir, true);  // no welcome window over the main one
        putRoom(t.dataDir, "101", "NQ1", "O", "N");
        putRoom(t.dataDir, "102", "NQ1", "O", "N");
        putRoom(t.dataDir, "105", "KK1");
        putRoom(t.dataDir, "106", "KK1", "Y", "N");
        putRoom(t.dataDir, "103", "NQ2", "Y", "Y", "X");
        putRoom(t.dataDir, "1050", "SUITE");
    }

    QWidget* folio() { return t.windows.find<FolioWindow>(); }
    QWidget* openFolio() { return t.windows.open<FolioWindow>(); }
    bool enabled(const char* name) { return child<QWidget>(folio(), name)->isEnabled(); }
    void post(const QString& code, const QString& amount) {
        choose(folio(), "Combo4", code);
        child<QLineEdit>(folio(), "Text16")->setText(amount);
        press(folio(), "Command4");
    }

    TestDesk t;
};

}  // namespace innvera::testing
