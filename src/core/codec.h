#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"

// Field encodings of the record files: little-endian numbers, one byte per character
// texts in Windows-1252 (UTF-8 in memory), no padding between fields.
namespace innvera {

using Bytes = std::vector<char>;

// UTF-8 to Windows-1252; a character the code page lacks becomes '?'.
std::string toCp1252(std::string_view utf8);
std::string fromCp1252(std::string_view bytes);

// The value of a text field. A field that was never assigned holds zero bytes on disk;
// an assigned one is blank-padded. Values are held without trailing blanks.
class Text {
public:
    Text() = default;
    Text(std::string value) : value_(std::move(value)), assigned_(true) {}
    Text(const char* value) : Text(std::string(value)) {}

    const std::string& str() const { return value_; }
    operator const std::string&() const { return value_; }
    bool assigned() const { return assigned_; }
    bool empty() const { return value_.empty(); }
    // The field as stored: blank-padded (or cut) to its width.
    std::string stored(std::size_t width) const;

    friend bool operator==(const Text& a, std::string_view b) { return a.value_ == b; }

private:
    std::string value_;
    bool assigned_ = false;
};

// Reading and writing fields inside a record's bytes. Reads past the end give zero values.
Text getText(const Bytes& record, std::size_t offset, std::size_t width);
void putText(Bytes& record, std::size_t offset, std::size_t width, const Text& value);
float getSingle(const Bytes& record, std::size_t offset);
void putSingle(Bytes& record, std::size_t offset, float value);
std::int16_t getInteger(const Bytes& record, std::size_t offset);
void putInteger(Bytes& record, std::size_t offset, std::int16_t value);
Date getDate(const Bytes& record, std::size_t offset);
void putDate(Bytes& record, std::size_t offset, Date value);

}  // namespace innvera
