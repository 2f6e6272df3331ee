// The motel's details file: what is saved is read back as it was typed, and a file that cannot
// all be read gives the sample property's texts for what it cannot give.
#include <gtest/gtest.h>

#include "core/motel_details.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const MotelDetails kPine{"Pine Lodge", "14 Lake Rd", "Harbor Falls, ME  04000", "Tel 207-555-0100", "www.pinelodge.example"};

TEST(MotelDetailsFile, SavedDetailsAreReadBackAndAShorterSaveReplacesTheFileWhole) {
    MotelFolder t;
    MotelDetails typed = kPine;
    typed.name = "  Pine Lodge ";  // blanks around a line are not kept
    EXPECT_EQ(saveMotelDetails(t.dataDir, typed), std::nullopt);
    t.dataDir.commit();
    EXPECT_EQ(readText(t.path("motel.conf")),
              "name=Pine Lodge\nstreet=14 Lake Rd\ncity=Harbor Falls, ME  04000\nphone=Tel 207-555-0100\n"
              "extra=www.pinelodge.example\n");
    MotelOnRecord read = readMotelDetails(t.dataDir);
    EXPECT_EQ(read.printed, kPine);
    EXPECT_EQ(read.caption, "Pine Lodge");
    EXPECT_TRUE(read.saved);
    EXPECT_EQ(read.damage, "");
    // A change of the file is one of the motel's settings for the windows that follow them.
    EXPECT_EQ(t.dataDir.kindsOf(t.dataDir.takeCommittedChanges()).kinds, unsigned{DataChanges::Settings});

    // Characters, not bytes, count toward a line's limit (42 for the name).
    const std::string umlauts = "Gasthof Zum L\xC3\xB6wen " + std::string(24, 'x');
    ASSERT_EQ(umlauts.size(), 43u);
    EXPECT_EQ(saveMotelDetails(t.dataDir, {umlauts, "", "", "", ""}), std::nullopt);
    t.dataDir.commit();
    EXPECT_EQ(readText(t.path("motel.conf")), "name=" + umlauts + "\nstreet=\ncity=\nphone=\nextra=\n");
    read = readMotelDetails(t.dataDir);
    EXPECT_EQ(read.printed, (MotelDetails{umlauts, "", "", "", ""}));
    EXPECT_EQ(read.damage, "");
}

TEST(MotelDetailsFile, RefusalsComeInOrderFromTheTopAndWriteNothing) {
    MotelFolder t;
    const auto refusal = [&](MotelDetails typed) {
        const auto refused = saveMotelDetails(t.dataDir, typed);
        t.dataDir.commit();
        EXPECT_FALSE(std::filesystem::exists(t.path("motel.conf")));
        return refused ? refused->focus + ": " + refused->message : std::string("saved");
    };
    MotelDetails blankName = kPine;
    blankName.name = "   ";
    blankName.street = "14\tLake Rd";  // the name is told of first
    EXPECT_EQ(refusal(blankName), "MotelName: You didn't enter the motel's name.");
    MotelDetails tab = kPine;
    tab.street = "14\tLake Rd";
    tab.extra = std::string(43, 'x');
    EXPECT_EQ(refusal(tab), "MotelStreet: The street has a tab or another character that cannot be printed. Take it out.");
    MotelDetails c1 = kPine;
    c1.city = "Harbor Falls\xC2\x85";  // a control character of the second set (next line)
    EXPECT_EQ(refusal(c1), "MotelCity: The city, state and zip has a tab or another character that cannot be printed. "
                           "Take it out.");
    MotelDetails longName = kPine;
    longName.name = std::string(43, 'N');
    EXPECT_EQ(refusal(longName), "MotelName: The motel's name is too long for the printed folio: 42 characters at most.");
    // The phone line stands further left on the folio, so it may be longer.
    MotelDetails longPhone = kPine;
    longPhone.phone = std::string(49, '5');
    EXPECT_EQ(refusal(longPhone), "MotelPhone: The phone line is too long for the printed folio: 48 characters at most.");
    longPhone.phone = std::string(48, '5');
    EXPECT_EQ(checkMotelDetails(longPhone), std::nullopt);
}

TEST(MotelDetailsFile, WhatCannotBeReadIsTheSamplesAndTheFirstFaultIsNamed) {
    MotelFolder t;
    // No file: the sample property, named differently on the screen.
    MotelOnRecord read = readMotelDetails(t.dataDir);
    EXPECT_EQ(read.printed, sampleMotelDetails());
    EXPECT_EQ(read.printed.name, "Kestrel Motel");
    EXPECT_EQ(read.caption, "Corvid Lodge Inn");
    EXPECT_FALSE(read.saved);
    EXPECT_EQ(read.damage, "");

    const auto parsed = [](const std::string& content) { return parseMotelDetails(content); };
    read = parsed("name=Pine Lodge\nstreet 14 Lake Rd\nfax=555-0101\ncity=Harbor Falls\nphone=Tel 207-555-0100\n");
    EXPECT_EQ(read.damage, "line 2 has no \"=\"");
    EXPECT_EQ(read.printed,
              (MotelDetails{"Pine Lodge", "27 Cedar Mill Rd", "Harbor Falls", "Tel 207-555-0100", ""}));
    EXPECT_TRUE(read.saved);
    EXPECT_EQ(parsed("name=Pine Lodge\nfax=555-0101\n").damage,
              "line 2 names \"fax\", which is not one of name, street, city, phone and extra");
    EXPECT_EQ(parsed("name=Pine Lodge\nstreet=\xFF\n").damage, "line 2 is wrong: the street is not UTF-8 text");

    // A name that cannot be read leaves the sample's on the screen and on paper.
    read = parsed("name=\nstreet=14 Lake Rd\n");
    EXPECT_EQ(read.damage, "line 1 is wrong: the motel's name is empty");
    EXPECT_EQ(read.caption, "Corvid Lodge Inn");
    EXPECT_EQ(read.printed.name, "Kestrel Motel");
    EXPECT_EQ(read.printed.street, "14 Lake Rd");
    EXPECT_FALSE(read.saved);
    EXPECT_EQ(parsed("street=14 Lake Rd\n").damage, "no line gives the motel's name");
    EXPECT_EQ(parsed("").damage, "no line gives the motel's name");
    // Every line but the extra one is in a saved file: one left out is the sample's, and told.
    read = parsed("name=Pine Lodge\nstreet=14 Lake Rd\nphone=Tel 207-555-0100\n");
    EXPECT_EQ(read.damage, "no line gives the city, state and zip");
    EXPECT_EQ(read.printed.city, "Westerbrooke, ZZ  00000");
    EXPECT_EQ(parsed("name=Pine Lodge\nstreet=14 Lake Rd\ncity=Harbor Falls\nphone=Tel 207-555-0100\n").damage, "");

    // What an editor may add is no fault: a leading mark, CR LF, comments, blank lines, blanks.
    read = parsed("\xEF\xBB\xBF# Pine Lodge\r\n\r\n name = Pine Lodge \r\nstreet=\r\ncity=\r\nphone=\r\nextra=\r\n");
    EXPECT_EQ(read.damage, "");
    EXPECT_EQ(read.caption, "Pine Lodge");
    EXPECT_EQ(read.printed.extra, "");

    // A folder where the file should be.
    std::filesystem::create_directory(t.path("motel.conf"));
    read = readMotelDetails(t.dataDir);
    EXPECT_EQ(read.damage, "it is not a regular file");
    EXPECT_EQ(read.printed, sampleMotelDetails());
    EXPECT_FALSE(read.saved);
}

}  // namespace
