// The end of day started again while the window of a refused run is still open, and what the
// clerk is told about nights that could not be billed or charged.
#include <QtWidgets>

#include "reports/backup.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class EndOfDayAgain : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = may(1);
        t.clock.set(may(2), TimeOfDay{1, 30, 0});
        setTaxRate(t.dataDir, 0.12f);
        putGuest(t.dataDir, "101", 1, "SMITH JOHN", may(3), 9);  // billed to an account no one carries
        t.dataDir.commit();
    }
    void TearDown() override {
        for (QWidget* window : t.windows.openWindows()) window->close();
        settle();
        std::error_code ignored;
        std::filesystem::remove_all(backupFolderOf(t.folder.path()), ignored);
    }
    void startNow() {
        click(child<QPushButton>(t.open("Form24"), "Command1"));
        settle();
    }
    std::string shownBoxes() {
        std::string all;
        for (const auto& box : t.dialogs.shown) all += box.title + ": " + box.text + "\n";
        t.dialogs.clear();
        return all;
    }

    TestDesk t;
};

TEST_F(EndOfDayAgain, StartNowRunsAgainWhileTheRefusedRunsWindowIsOpen) {
    addReservation(t.dataDir, "102", may(1));
    t.dataDir.commit();
    startNow();
    EXPECT_EQ(shownBoxes(), "ATTENTION!: There are reservations pending that have not been checked in. Please cancel "
                            "or check them in before continuing.\n");
    ASSERT_NE(t.windows.find("EndOfDayWindow"), nullptr);

    // The clerk cancels the reservation and starts again, the first window still open.
    RecordFile<Reservation> reservations(t.dataDir, t.dataDir.reservations());
    Reservation cancelled = reservations.read(1);
    cancelled.resStatus = "*";
    reservations.write(1, cancelled);
    t.dataDir.commit();
    startNow();
    EXPECT_EQ(shownBoxes(),
              "ATTENTION!: Your end of day reports were done successfully.\n"
              "ATTENTION!: No invoice was made for tonight's room and tax of room 101: no direct bill account carries "
              "the stay's account number. Bill the night to the account by hand.\n");
    EXPECT_EQ(t.printer.jobs.size(), 3u);
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 1.0f).bytes());
}

}  // namespace
}  // namespace innvera::testing
