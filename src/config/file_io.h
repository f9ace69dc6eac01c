// Whole-file reads and writes for configuration and firmware files.
#pragma once

#include <cstddef>
#include <string>

namespace travik {

// Reads the file into buffer and returns the number of bytes placed, never more
// than max; 0 when the file cannot be opened or read (or is empty). When the
// file holds more than max bytes, *longer is set to true and the first max
// bytes are placed.
std::size_t ReadWholeFile(const std::string& path, void* buffer, std::size_t max,
                          bool* longer = nullptr);

// Creates the file or replaces an existing one with the bytes. Returns the
// number of bytes written, 0 when the file cannot be created, written or closed.
std::size_t WriteWholeFile(const std::string& path, const void* data, std::size_t length);

}  // namespace travik
