// Record files, counters and flags on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "core/records.h"
#include "core/counters.h"
#include "core/record_file.h"
#include "platform/file_layer.h"
#include "support/files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class RecordFiles : public ::testing::Test {
protected:
    TempFolder folder;
    DataDir dir{folder.path()};
};

TEST_F(RecordFiles, AppendOverwritesATrailingPartialRecordAndScanGoesInOrder) {
    Bytes bytes = RecordBytes(148).text(0, "101", 5);
    bytes.insert(bytes.end(), 100, 'x');
    writeBytes(dir.rooms(), bytes);
    RecordFile<Room> rooms(dir, dir.rooms());
    EXPECT_EQ(rooms.count(), 1u);
    Room room;
    for (std::uint64_t n : {2, 3}) {
        room.roomNo = std::to_string(100 + n);
        EXPECT_EQ(rooms.append(room), n);
    }
    EXPECT_EQ(readBytes(dir.rooms()).size(), 3u * 148);
    EXPECT_EQ(rooms.read(2).roomNo, "102");
    std::vector<std::string> seen;
    rooms.scan([&](const Room& r, std::uint64_t n) {
        seen.push_back(r.roomNo.str() + "@" + std::to_string(n));
        return n < 2;  // stop after the second
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"101@1", "102@2"}));
    const auto found = rooms.findFirst([](const Room& r) { return r.roomNo == "103"; });
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->number, 3u);
}

TEST_F(RecordFiles, CountersAndFlagsKeepTheRestOfTheirBlockAndReadAFileOfTheirSingleAlone) {
    writeBytes(dir.folioCounter(), RecordBytes(10).single(0, 41).text(4, "abcdef", 6));
    EXPECT_EQ(takeFolioNumber(dir), 42);
    EXPECT_EQ(readBytes(dir.folioCounter()), Bytes(RecordBytes(10).single(0, 42).text(4, "abcdef", 6)));
    EXPECT_EQ(takeConfirmationNumber(dir), 1);  // a new installation
    EXPECT_EQ(readBytes(dir.confirmationCounter()), Bytes(RecordBytes(10).single(0, 1)));

    writeBytes(dir.endOfDayFlag(), RecordBytes(40).single(0, 1).text(4, "KEEP ME KEEP", 12).text(20, "tail", 4));
    EXPECT_EQ(readFlag<EndOfDayFlagRecord>(dir, dir.endOfDayFlag()), 1);
    writeFlag<EndOfDayFlagRecord>(dir, dir.endOfDayFlag(), 0);
    EXPECT_EQ(readBytes(dir.endOfDayFlag()),
              Bytes(RecordBytes(40).single(0, 0).text(4, "KEEP ME KEEP", 12).text(20, "tail", 4)));
    writeFlag<SetBackFlagRecord>(dir, dir.setBackFlag(), 1);
    EXPECT_EQ(readBytes(dir.setBackFlag()), Bytes(RecordBytes(20).single(0, 1)));

    writeBytes(dir.taxFile(), singleBytes(0.09f));  // four bytes, shorter than a record
    EXPECT_FLOAT_EQ(readTaxRate(dir), 0.09f);
    writeBytes(dir.setBackFlag(), singleBytes(1));
    EXPECT_EQ(readFlag<SetBackFlagRecord>(dir, dir.setBackFlag()), 1);
}

TEST_F(RecordFiles, APipeOrFolderInPlaceOfADataFileIsRefusedAtOnceNamingIt) {
    alarm(20);  // were anything to wait on the pipe, the test would end here instead of hanging
    ASSERT_EQ(::mkfifo(dir.guests().c_str(), 0644), 0);
    std::filesystem::create_directory(dir.rooms());
    for (const std::filesystem::path& file : {dir.guests(), dir.rooms()}) {
        SCOPED_TRACE(file.string());
        const auto refused = [&](const std::function<void()>& use) {
            try {
                use();
                ADD_FAILURE() << "not refused";
            } catch (const FileError& error) {
                EXPECT_EQ(error.path(), file);
                EXPECT_EQ(error.reason(), "it is not a regular file");
            }
        };
        RecordFile<Guest> records(dir, file);  // makes nothing over it
        char byte;
        refused([&] { records.count(); });
        refused([&] { records.read(1); });
        refused([&] { records.scan([](const Guest&, std::uint64_t) {}); });
        refused([&] { dir.readAt(file, 0, &byte, 1); });
        refused([&] { dir.readWhole(file); });
        refused([&] { records.append(Guest()); });
        refused([&] { dir.write(file, 0, "x", 1); });
        refused([&] { dir.remove(file); });
        EXPECT_FALSE(dir.inTransaction());
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.guests()));
    EXPECT_TRUE(std::filesystem::is_directory(dir.rooms()));
    alarm(0);
}

TEST_F(RecordFiles, ADirectoryOpenedForReadingOnlyMakesNothingAndRefusesEveryChange) {
    dir.openForReadingOnly();
    RecordFile<Guest> guests(dir, dir.guests());
    EXPECT_EQ(guests.count(), 0u);
    EXPECT_TRUE(guests.read(1).blank());
    const auto refused = [&](const std::function<void()>& change) {
        try {
            change();
            ADD_FAILURE() << "not refused";
        } catch (const FileError& error) {
            EXPECT_EQ(error.reason(), "the data directory is open for reading only");
        }
    };
    refused([&] { guests.append(Guest()); });
    refused([&] { dir.appendText(dir.folioCharges(" 1"), "line\r\n"); });
    refused([&] { dir.remove(dir.rooms()); });
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // no file, no journal
}

TEST_F(RecordFiles, ManyFilesOfAFolderAreReadWholeInTheOrderAskedPassingOverMissingOnes) {
    alarm(20);
    std::filesystem::create_directory(folder.path() / "dailycharge");
    writeText(folder.path() / "dailycharge/ 1", "one");
    writeText(folder.path() / "dailycharge/ 2", "");
    writeText(folder.path() / "dailycharge/ 3", std::string(100000, 'x'));
    std::vector<std::string> seen;
    dir.readEach(folder.path() / "dailycharge", {" 3", " 9", " 1", " 2"}, [&](std::size_t at, std::string_view bytes) {
        seen.push_back(std::to_string(at) + ":" + std::to_string(bytes.size()) + ":" + std::string(bytes.substr(0, 3)));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"0:100000:xxx", "2:3:one", "3:0:"}));
    ASSERT_EQ(::mkfifo((folder.path() / "dailycharge/ 4").c_str(), 0644), 0);
    try {
        dir.readEach(folder.path() / "dailycharge", {" 4"}, [](std::size_t, std::string_view) {});
        ADD_FAILURE() << "not refused";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), folder.path() / "dailycharge/ 4");
        EXPECT_EQ(error.reason(), "it is not a regular file");
    }
    alarm(0);
}

TEST_F(RecordFiles, AnExportReplacesItsFileWholeOrLeavesWhatStoodThere) {
    const auto file = folder.path() / "report.csv";
    writeText(file, "an older and longer export");
    replaceFileWith(file, "a,b\r\n");
    EXPECT_EQ(readText(file), "a,b\r\n");
    std::filesystem::create_directory(folder.path() / "a folder");
    EXPECT_THROW(replaceFileWith(folder.path() / "a folder", "a,b\r\n"), FileError);
    EXPECT_THROW(replaceFileWith(folder.path() / "no folder" / "report.csv", "a,b\r\n"), FileError);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "a folder"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a folder", "report.csv"}));  // no temporary file left
}

}  // namespace
