#include "support/files.h"

#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

namespace innvera::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("innvera-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-" + std::to_string(random()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

Bytes readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readText(const fs::path& file) {
    const Bytes bytes = readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

void writeBytes(const fs::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeText(const fs::path& file, const std::string& text) { writeBytes(file, Bytes(text.begin(), text.end())); }

Bytes singleBytes(float value) {
    unsigned char raw[4];
    std::memcpy(raw, &value, 4);  // the test machines are little-endian, like the files
    return Bytes(raw, raw + 4);
}

Bytes dateBytes(double days) {
    unsigned char raw[8];
    std::memcpy(raw, &days, 8);
    return Bytes(raw, raw + 8);
}

Bytes textBytes(const std::string& text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, ' ');
    return bytes;
}

Bytes concat(std::initializer_list<Bytes> pieces) {
    Bytes all;
    for (const Bytes& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

RecordBytes& RecordBytes::at(std::size_t offset, const Bytes& piece) {
    std::copy(piece.begin(), piece.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return *this;
}

}  // namespace innvera::testing
