// Builders for firmware files and a scratch directory, shared by the tests.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/files.h"

namespace travik::test {

// One Intel HEX record with its checksum, ended by CR LF.
inline std::string HexRecord(std::uint8_t type, std::uint16_t address,
                             const std::vector<std::uint8_t>& bytes) {
  static const char* kDigits = "0123456789ABCDEF";
  std::vector<std::uint8_t> all = {static_cast<std::uint8_t>(bytes.size()),
                                   static_cast<std::uint8_t>(address >> 8),
                                   static_cast<std::uint8_t>(address), type};
  all.insert(all.end(), bytes.begin(), bytes.end());
  std::uint8_t sum = 0;
  for (std::uint8_t b : all) sum = static_cast<std::uint8_t>(sum + b);
  all.push_back(static_cast<std::uint8_t>(-sum));
  std::string text = ":";
  for (std::uint8_t b : all) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text + "\r\n";
}

inline std::string HexData(std::uint16_t address, const std::vector<std::uint8_t>& bytes) {
  return HexRecord(0x00, address, bytes);
}
inline std::string HexLinear(std::uint16_t upper) {
  return HexRecord(0x04, 0, {static_cast<std::uint8_t>(upper >> 8), static_cast<std::uint8_t>(upper)});
}
inline std::string HexSegment(std::uint16_t segment) {
  return HexRecord(0x02, 0, {static_cast<std::uint8_t>(segment >> 8), static_cast<std::uint8_t>(segment)});
}
inline const std::string kHexEnd = ":00000001FF\r\n";

// A 43-byte memory-image header with the two fields at their offsets.
inline std::string MemoryImageHeader(const std::string& platform, const std::string& version) {
  std::string header = "KOLVAR MEMIMG  ";  // 15 bytes of free text
  header += platform;
  header.resize(33, ' ');
  header += version;
  header.resize(41, ' ');
  return header + "\r\n";
}

// Digit pairs of `bytes`, with CR LF after every `per_line` bytes (0: none), then 'L'.
inline std::string MemoryImageData(const std::vector<std::uint8_t>& bytes, int per_line) {
  static const char* kDigits = "0123456789ABCDEF";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (per_line > 0 && i > 0 && i % per_line == 0) text += "\r\n";
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text + "L";
}

using testing::TempDir;

inline std::string ReadAll(const std::string& path) { return testing::ReadFile(path); }

}  // namespace travik::test
