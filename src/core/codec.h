#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
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
// The Single and the date stored at `at`, which the caller knows to hold 4 and 8 bytes: for the
// long scans that read fields straight from a block of records.
float singleAt(const char* at);
Date dateAt(const char* at);
// The 8 bytes of a stored date as the double they hold, NaN and infinities kept: for telling a
// damaged date from a day.
double storedDateAt(const char* at);
void putSingle(Bytes& record, std::size_t offset, float value);
std::int16_t getInteger(const Bytes& record, std::size_t offset);
void putInteger(Bytes& record, std::size_t offset, std::int16_t value);
Date getDate(const Bytes& record, std::size_t offset);
void putDate(Bytes& record, std::size_t offset, Date value);

// One field of a record layout: the member that holds it, its offset and its width. The
// member's type gives the field's type: Text is a text of `width` characters, float a
// Single (4 bytes), Date a Date (8 bytes), std::int16_t an Integer (2 bytes).
template <class Record, class Value>
struct Field {
    static_assert(std::is_same_v<Value, Text> || std::is_same_v<Value, float> || std::is_same_v<Value, Date> ||
                      std::is_same_v<Value, std::int16_t>,
                  "a field is a Text, a Single (float), a Date or an Integer (std::int16_t)");

    Value Record::*member;
    std::size_t offset;
    std::size_t width;

    // `Object` is Record or a struct derived from it.
    template <class Object>
    void read(const Bytes& bytes, Object& record) const {
        Value& value = record.*member;
        if constexpr (std::is_same_v<Value, Text>) value = getText(bytes, offset, width);
        else if constexpr (std::is_same_v<Value, float>) value = getSingle(bytes, offset);
        else if constexpr (std::is_same_v<Value, Date>) value = getDate(bytes, offset);
        else value = getInteger(bytes, offset);
    }

    template <class Object>
    void write(Bytes& bytes, const Object& record) const {
        const Value& value = record.*member;
        if constexpr (std::is_same_v<Value, Text>) putText(bytes, offset, width, value);
        else if constexpr (std::is_same_v<Value, float>) putSingle(bytes, offset, value);
        else if constexpr (std::is_same_v<Value, Date>) putDate(bytes, offset, value);
        else putInteger(bytes, offset, value);
    }
};

// The entries of a layout table, one per field: a layout is a std::tuple of them, in the
// order of their offsets.
template <class Record>
constexpr Field<Record, Text> textField(Text Record::*member, std::size_t offset, std::size_t width) {
    return {member, offset, width};
}
template <class Record>
constexpr Field<Record, float> singleField(float Record::*member, std::size_t offset) {
    return {member, offset, 4};
}
template <class Record>
constexpr Field<Record, Date> dateField(Date Record::*member, std::size_t offset) {
    return {member, offset, 8};
}
template <class Record>
constexpr Field<Record, std::int16_t> integerField(std::int16_t Record::*member, std::size_t offset) {
    return {member, offset, 2};
}

// A reserved field: no member holds it; a record writes it back as it was read.
struct ReservedField {
    std::size_t offset;
    std::size_t width;

    template <class Object>
    void read(const Bytes&, Object&) const {}
    template <class Object>
    void write(Bytes&, const Object&) const {}
};
constexpr ReservedField reservedField(std::size_t offset, std::size_t width) { return {offset, width}; }

// Reads every field of `layout` from the bytes into `record`, and writes them back.
template <class Object, class... Fields>
void decodeFields(const std::tuple<Fields...>& layout, const Bytes& bytes, Object& record) {
    std::apply([&](const Fields&... field) { (field.read(bytes, record), ...); }, layout);
}

template <class Object, class... Fields>
void encodeFields(const std::tuple<Fields...>& layout, const Object& record, Bytes& bytes) {
    std::apply([&](const Fields&... field) { (field.write(bytes, record), ...); }, layout);
}

// The field of `layout` held in `member`, to be read into `into` of another struct: a
// key-only decode takes its offsets and widths from the whole record's layout. Naming a
// member the layout lacks does not compile.
template <class Into, class Value, class Record, class... Fields>
consteval Field<Into, Value> keyField(const std::tuple<Fields...>& layout, Value Record::*member, Value Into::*into) {
    Field<Into, Value> key{into, 0, 0};
    bool found = false;
    auto match = [&](const auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Field<Record, Value>>) {
            if (field.member == member) {
                key.offset = field.offset;
                key.width = field.width;
                found = true;
            }
        }
    };
    std::apply([&](const Fields&... field) { (match(field), ...); }, layout);
    if (!found) throw std::logic_error("keyField: the member is not a field of this layout");
    return key;
}

// The width of the field of `layout` held in `member`: what a box whose text is stored there
// can hold. Naming a member the layout lacks does not compile.
template <class Value, class Record, class... Fields>
consteval std::size_t fieldWidth(const std::tuple<Fields...>& layout, Value Record::*member) {
    std::size_t width = 0;
    auto match = [&](const auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Field<Record, Value>>) {
            if (field.member == member) width = field.width;
        }
    };
    std::apply([&](const Fields&... field) { (match(field), ...); }, layout);
    if (width == 0) throw std::logic_error("fieldWidth: the member is not a field of this layout");
    return width;
}

// The offset of the field of `layout` held in `member` (the twin of fieldWidth).
template <class Value, class Record, class... Fields>
consteval std::size_t fieldOffset(const std::tuple<Fields...>& layout, Value Record::*member) {
    std::size_t offset = 0;
    bool found = false;
    auto match = [&](const auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, Field<Record, Value>>) {
            if (field.member == member) {
                offset = field.offset;
                found = true;
            }
        }
    };
    std::apply([&](const Fields&... field) { (match(field), ...); }, layout);
    if (!found) throw std::logic_error("fieldOffset: the member is not a field of this layout");
    return offset;
}

// True when the fields of `layout`, reserved ones included, follow each other from offset 0
// without gap or overlap up to `used`, inside a record of `length` bytes.
template <class... Fields>
consteval bool tilesRecord(const std::tuple<Fields...>& layout, std::size_t used, std::size_t length) {
    std::size_t end = 0;
    bool next = true;
    auto follow = [&](std::size_t offset, std::size_t width) {
        next = next && offset == end;
        end = offset + width;
    };
    std::apply([&](const Fields&... field) { (follow(field.offset, field.width), ...); }, layout);
    return next && end == used && used <= length;
}

}  // namespace innvera
