#pragma once

#include <filesystem>
#include <string>

#include "core/date.h"
#include "core/print_job.h"
#include "core/records.h"
#include "core/data_dir.h"

// Guest messages: one message per stay, in record 1 of its message file, with the stay's
// MessageFlag saying that one is waiting. Posted, shown, printed and deleted from the folio
// screen.
namespace innvera {

inline constexpr const char* kDeleteTitle = "Delete";
inline constexpr const char* kDeleteQuestion = "Are you sure you want to delete this message?";

// message/ followed by the folio number as plain digits (folio 1234: "message/1234"; no
// leading blank, unlike the folio charge file).
std::filesystem::path messageFile(const DataDir& dir, float folioNo);

// What the posting window holds when "Post" is pressed.
struct NewMessage {
    Date date;         // the system date shown
    std::string time;  // the system time text shown
    std::string from;  // "Message From"
    std::string to;    // "To"
    std::string text;  // "Message"
};

// Writes record 1 of the stay's message file (replacing any message there; the texts cut
// or padded to 15, 30, 30 and 100 characters), then sets MessageFlag 1 in the first stay
// with the folio number.
void postMessage(DataDir& dir, float folioNo, const NewMessage& message);

// Record 1 of the stay's message file; zero values (empty texts, day 0) when there is none.
Message readMessage(DataDir& dir, float folioNo);
// True when the stay has a message file.
bool hasMessageFile(const DataDir& dir, float folioNo);

// Removes the stay's message file and sets MessageFlag 0 in the first stay with the folio
// number.
void deleteMessage(DataDir& dir, float folioNo);

// The message as printed for the guest: an empty line, the date and time texts,
// "Room#  " and the room, "To: ", "From: ", two empty lines, "Message:", an empty line and
// the text.
struct PrintedMessage {
    std::string date;
    std::string time;
    std::string room;
    std::string to;
    std::string from;
    std::string text;
};
PrintJob printMessage(const PrintedMessage& message);

}  // namespace innvera
