#include "messages/messages.h"

#include "core/formats.h"
#include "core/stays.h"
#include "core/record_file.h"

namespace innvera {

namespace {

void setMessageFlag(DataDir& dir, float folioNo, float flag) {
    auto stay = findStayRecord(dir, folioNo);
    if (!stay) return;
    stay->record.messageFlag = flag;
    rewriteStay(dir, *stay);
}

}  // namespace

std::filesystem::path messageFile(const DataDir& dir, float folioNo) { return dir.message(plainNumber(folioNo)); }

void postMessage(DataDir& dir, float folioNo, const NewMessage& message) {
    RecordFile<Message> file(dir, messageFile(dir, folioNo));
    Message record = file.read(1);
    record.msgDate = message.date;
    record.msgTime = message.time;
    record.msgFrom = message.from;
    record.msgTo = message.to;
    record.msgText = message.text;
    file.write(1, record);
    setMessageFlag(dir, folioNo, 1.0f);
}

bool hasMessageFile(const DataDir& dir, float folioNo) {
    std::error_code error;
    return std::filesystem::exists(messageFile(dir, folioNo), error);
}

Message readMessage(DataDir& dir, float folioNo) {
    if (!hasMessageFile(dir, folioNo)) return Message{};  // viewing must not create the file
    return RecordFile<Message>(dir, messageFile(dir, folioNo)).read(1);
}

void deleteMessage(DataDir& dir, float folioNo) {
    if (hasMessageFile(dir, folioNo)) dir.remove(messageFile(dir, folioNo));
    setMessageFlag(dir, folioNo, 0.0f);
}

PrintJob printMessage(const PrintedMessage& m) {
    PrintJob job("Message");
    job.emptyLines();
    job.line().text(m.date);
    job.line().text(m.time);
    job.line().text("Room#  " + m.room);
    job.line().text("To: " + m.to);
    job.line().text("From: " + m.from);
    job.emptyLines(2);
    job.line().text("Message:");
    job.emptyLines();
    job.line().text(m.text);
    return job;
}

}  // namespace innvera
