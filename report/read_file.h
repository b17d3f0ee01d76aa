#pragma once
// Reading a whole file into memory, one byte per character.

#include "report/failure.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vrd {

// Larger files are refused before anything is allocated.
constexpr std::uint64_t kMaxInputBytes = std::uint64_t{4} << 30;

struct FileRead {
    std::string bytes;
    std::optional<Failure> failure; // stage Read, with the system's reason
};

FileRead ReadWholeFile(const std::string& path);

// Hands the file to consume piece by piece, with the size the file had when opened (0 when it is
// not a regular file), so that it never needs to be held whole. consume returns false to stop
// early, which is no failure. Same checks and failures as ReadWholeFile.
using FilePieceSink = std::function<bool(std::string_view piece, std::uint64_t expectedSize)>;
std::optional<Failure> ReadFileInPieces(const std::string& path, const FilePieceSink& consume);

// Makes room for n bytes in bytes; a large buffer also asks the system for huge pages, since
// faulting in memory 4 KiB at a time costs more than the work done in it.
void ReserveFileBytes(std::string& bytes, std::size_t n);

// Asks for huge pages in the whole 2 MiB pages of a large allocated buffer. Only a hint.
void AdviseHugePages(const void* data, std::size_t size);

} // namespace vrd
