// Firmware image files: Intel HEX (.hex) and the maker's memory image (.kvm),
// decoded into the flat flash image the bootloader sends.
#pragma once

#include <cstdint>
#include <string>

#include "core/globals.h"

namespace travik {

namespace ui {
class Dialog;
}

// Intel HEX leaves the rest of the area as it was; only this prefix is cleared.
inline constexpr std::uint32_t kHexClearedPrefix = 80000;
// The memory-image header; the data always starts right after it.
inline constexpr std::uint32_t kMemoryImageHeaderSize = 43;
inline constexpr std::uint32_t kMemoryImagePlatformOffset = 15;
inline constexpr std::uint32_t kMemoryImageVersionOffset = 33;

// Controls of the bootloader dialog written by LoadFirmwareFile.
inline constexpr int kFirmwarePathControl = 1007;
inline constexpr int kBootStatusControl = 1221;

enum class FirmwareError {
  kNone,
  kUnreadable,         // cannot be opened or read, or empty
  kTooLong,            // longer than the raw area
  kUnsupportedExtension,
  kNoRecordMark,       // HEX record not starting with ':'
  kTruncatedRecord,    // HEX record running past the end of the file
  kNoEndRecord,        // HEX file without an end-of-file record
  kLineEnd,            // HEX line not ended by CR LF or LF; misplaced line break in a memory image
  kEmptyDataRecord,    // HEX data record with a byte count of 0
  kBadAddressRecord,   // HEX type 02/04 record whose byte count is not 2
  kBeyondImage,        // data past the 520,000-byte image area
  kShortHeader,        // memory image shorter than its header
  kNoEndMark,          // memory image without the closing 'L'
  kBadDigit,           // a character other than 0-9, A-F, a-f where a digit must stand
  kBadChecksum,        // HEX record whose checksum does not match its bytes
  kOddDigits,          // memory image whose 'L' stands where a byte's second digit must
};

struct FirmwareResult {
  bool ok = true;
  FirmwareError error = FirmwareError::kNone;
  std::string message;  // UTF-8, for the message box or stderr
};

// Both decoders read only raw[0, raw_length) and write only data[0, kFirmwareAreaSize),
// whatever the text holds. On failure `length` and data hold whatever was
// decoded so far (callers decode into fresh storage).
FirmwareResult DecodeIntelHex(const std::uint8_t* raw, std::uint32_t raw_length,
                              std::uint8_t* data, std::uint32_t& length);
FirmwareResult DecodeMemoryImage(const std::uint8_t* raw, std::uint32_t raw_length,
                                 std::uint8_t* data, std::uint32_t& length);

// Reads and decodes the file at `path`, choosing the format by the first of the
// path's last three characters ('h' or 'k', case-sensitive). On success the
// image takes over fresh raw and data areas (data zero past the decoded bytes)
// and becomes ready; on failure it is left exactly as it was.
FirmwareResult LoadFirmwareFromPath(const std::string& path, FirmwareImage& image);

// The bootloader dialog's "OpenFile" button: chooser, path field, load into
// G().Firmware, status line or an error message box.
void LoadFirmwareFile(ui::Dialog& dialog);

// Memory-image header fields, as the compatibility check compares them. Each
// stops at its terminator or at the start of the next field, so neither reads
// past the header (nor past raw_length).
std::string MemoryImagePlatform(const FirmwareImage& image);        // from 15, up to CR or space
std::string MemoryImageVersionPattern(const FirmwareImage& image);  // from 33, up to CR

}  // namespace travik
