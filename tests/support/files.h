#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "core/codec.h"

namespace innvera::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

Bytes readBytes(const std::filesystem::path& file);
std::string readText(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const Bytes& bytes);
void writeText(const std::filesystem::path& file, const std::string& text);

// Bytes written by hand: little-endian Single, Date and Integer, and blank-padded texts.
Bytes singleBytes(float value);
Bytes dateBytes(double days);
Bytes textBytes(const std::string& text, std::size_t width);
Bytes concat(std::initializer_list<Bytes> pieces);
// Builds a record of `length` zero bytes and places pieces at their offsets.
class RecordBytes {
public:
    explicit RecordBytes(std::size_t length) : bytes_(length, '\0') {}
    RecordBytes& at(std::size_t offset, const Bytes& piece);
    RecordBytes& text(std::size_t offset, const std::string& text, std::size_t width) { return at(offset, textBytes(text, width)); }
    RecordBytes& single(std::size_t offset, float value) { return at(offset, singleBytes(value)); }
    RecordBytes& date(std::size_t offset, double days) { return at(offset, dateBytes(days)); }
    const Bytes& bytes() const { return bytes_; }
    operator const Bytes&() const { return bytes_; }

private:
    Bytes bytes_;
};

}  // namespace innvera::testing
