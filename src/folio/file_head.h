#pragma once

#include <filesystem>
#include <fstream>

#include "core/codec.h"

namespace innvera::detail {

// The first `length` bytes of a file, zero-filled past its end, and how many it had. Reading
// never creates the file.
struct Head {
    Bytes bytes;
    std::size_t read = 0;
};

inline Head readHead(const std::filesystem::path& file, std::size_t length) {
    Head head{Bytes(length, '\0'), 0};
    std::ifstream in(file, std::ios::binary);
    if (in) {
        in.read(head.bytes.data(), static_cast<std::streamsize>(length));
        head.read = static_cast<std::size_t>(in.gcount());
    }
    return head;
}

}  // namespace innvera::detail
