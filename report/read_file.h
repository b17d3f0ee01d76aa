#pragma once
// Reading a whole file into memory, one byte per character.

#include "report/failure.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vrd {

// Larger files are refused before anything is allocated.
constexpr std::uint64_t kMaxInputBytes = std::uint64_t{4} << 30;

struct FileRead {
    std::string bytes;
    std::optional<Failure> failure; // stage Read, with the system's reason
};

FileRead ReadWholeFile(const std::string& path);

} // namespace vrd
