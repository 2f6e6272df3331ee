#pragma once

#include <filesystem>

#include "core/records.h"
#include "platform/record_file.h"

namespace innvera {

// The Single in record 1 of a counter file; a missing or empty file reads as 0.
inline float readCounter(DataDir& dir, const std::filesystem::path& file) {
    return RecordFile<Counter>(dir, file).read(1).value;
}

inline void writeCounter(DataDir& dir, const std::filesystem::path& file, float value) {
    RecordFile<Counter> counter(dir, file);
    Counter record = counter.read(1);
    record.value = value;
    counter.write(1, record);
}

// Reads the counter, adds 1, writes it back and returns the new value.
inline float takeNextNumber(DataDir& dir, const std::filesystem::path& file) {
    const float next = readCounter(dir, file) + 1;
    writeCounter(dir, file, next);
    return next;
}

// The flag of a flag file (the first Single of record 1).
template <class Flag>
float readFlag(DataDir& dir, const std::filesystem::path& file) {
    return RecordFile<Flag>(dir, file).read(1).flag;
}

// Sets the flag, writing back the rest of the record as it was read.
template <class Flag>
void writeFlag(DataDir& dir, const std::filesystem::path& file, float value) {
    RecordFile<Flag> flags(dir, file);
    Flag record = flags.read(1);
    record.flag = value;
    flags.write(1, record);
}

}  // namespace innvera
