// Guest messages: the message file byte for byte, the stay's MessageFlag and the printed
// message.
#include <gtest/gtest.h>

#include "folio/folio_data.h"
#include "folio/folio_screen_data.h"
#include "messages/messages.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

Bytes messageBytes(double day, const char* time, const char* to, const char* from, const std::string& text) {
    return RecordBytes(235).date(0, day).text(8, time, 15).text(23, to, 30).text(53, from, 30).text(83, text, 100);
}

TEST(Messages, TheFileIsNamedByThePlainFolioNumberAndPostingAgainReplacesIt) {
    LedgerDir d;
    putGuest(d.dir, "101", 1234, "JOHN SMITH", may(3));
    EXPECT_EQ(messageFile(d.dir, 1234), d.path("message/1234"));

    postMessage(d.dir, 1234, {may(2), "2:15:07 PM", "FRONT DESK", "JOHN SMITH", "CALL YOUR OFFICE"});
    postMessage(d.dir, 1234, {may(3), "9:00:00 AM", "MARY", "JOHN SMITH", "DINNER AT 8"});
    EXPECT_EQ(readBytes(d.path("message/1234")), messageBytes(43588, "9:00:00 AM", "JOHN SMITH", "MARY", "DINNER AT 8"));
    EXPECT_EQ(guestAt(d.dir, 1).messageFlag, 1.0f);

    const Message m = readMessage(d.dir, 1234);
    EXPECT_EQ(m.msgDate, may(3));
    EXPECT_EQ(m.msgText.str(), "DINNER AT 8");

    deleteMessage(d.dir, 1234);
    EXPECT_FALSE(d.exists("message/1234"));
    EXPECT_EQ(guestAt(d.dir, 1).messageFlag, 0.0f);
    // Reading a stay with no message gives empty fields and creates no file.
    EXPECT_EQ(readMessage(d.dir, 1234).msgTo.str(), "");
    EXPECT_FALSE(d.exists("message/1234"));
}

TEST(Messages, ThePrintedMessage) {
    const PrintJob job = printMessage({"5/2/2019", "2:15:07 PM", "105", "JOHN SMITH", "FRONT DESK", "CALL YOUR OFFICE"});
    EXPECT_EQ(job.lines(), (std::vector<std::string>{"", "5/2/2019", "2:15:07 PM", "Room#  105", "To: JOHN SMITH",
                                                     "From: FRONT DESK", "", "", "Message:", "", "CALL YOUR OFFICE"}));
}

}  // namespace
