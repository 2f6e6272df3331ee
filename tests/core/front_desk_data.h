#pragma once

// Hand-built records for the front desk's tests: the bytes of reservations, stays, rooms
// and the one-value files, laid out field by field at their offsets.

#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "support/files.h"

namespace innvera::testing {

inline constexpr double kMay1st2019 = 43586;  // the test clock's day, as stored

inline Bytes reservationBytes(const std::string& room, const std::string& name, double arrival, const std::string& status = "") {
    RecordBytes r(538);
    r.text(0, name, 30).text(272, room, 5).date(312, arrival).date(320, arrival + 2);
    if (!status.empty()) r.text(400, status, 20);
    return r;
}

inline Bytes stayBytes(const std::string& room, const std::string& name, double depart, const std::string& status = "") {
    RecordBytes r(528);
    r.text(0, name, 30).text(272, room, 5).date(312, depart - 3).date(320, depart).single(356, 7);
    if (!status.empty()) r.text(394, status, 20);
    return r;
}

inline Bytes roomBytes(const std::string& room, const std::string& vacant, const std::string& status) {
    return RecordBytes(148).text(0, room, 5).text(5, "KING", 10).text(31, vacant, 1).text(32, "Y", 1).text(33, status, 1);
}

inline Bytes joined(std::initializer_list<Bytes> records) {
    Bytes all;
    for (const Bytes& r : records) all.insert(all.end(), r.begin(), r.end());
    return all;
}

// Record 1 of a counter file (10 bytes) or flag file (20 or 40 bytes) holding `value`.
inline Bytes singleFile(float value, std::size_t length) { return RecordBytes(length).single(0, value); }

inline float singleIn(const std::filesystem::path& file) {
    const Bytes bytes = readBytes(file);
    if (bytes.size() < 4) return -1;
    float value;
    std::memcpy(&value, bytes.data(), 4);
    return value;
}

}  // namespace innvera::testing
