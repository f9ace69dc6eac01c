// Configuration files (.kvc): the texts of a device dialog's fields in 2608
// bytes of fixed-layout 8-bit text, 163 lines of 16 bytes ending in 0x0D.
//
//   0     header: two blanks, the model name, blanks to 16
//   16    0x0D, 14 blanks, 0x0D
//   32    160 records, record k for configuration word k:
//         "Reg " kkk ' ' value(6) ' ' 0x0D
//   2592  0x0D, signature (14), 0x0D
//
// Field texts are Windows-1250 bytes here; the dialogs convert them to and
// from the UTF-8 of their controls. Every device dialog uses these with its own
// header name and records.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ui.h"

namespace travik {

inline constexpr std::size_t kConfigFileSize = 2608;
inline constexpr int kFileRecords = 160;
inline constexpr std::size_t kFileFieldChars = 6;
inline constexpr std::string_view kConfigFileSignature = "Travik Kolvar ";

struct ConfigFile {
  std::array<char, kConfigFileSize> bytes{};
};

// "  " + name, blank-padded (or cut) to 16 bytes.
std::string ConfigFileHeader(std::string_view model_name);

// A fresh file: the header (16 bytes, blank-padded), separator, 160 empty
// records and the trailer. Every save starts from it.
void InitConfigFile(ConfigFile& file, std::string_view header);

// The record's 6-byte value field := the first 6 bytes of text, blank-padded.
// Records outside 0..159 are ignored.
void PutFileField(ConfigFile& file, int record, std::string_view text);
// The value field up to its first blank (at most 6 bytes); "" outside 0..159.
std::string GetFileField(const ConfigFile& file, int record);

// A small code kept as one digit, '0' + code. A code outside 0..9 leaves the
// field blank, so that no byte other than a digit lands in the file.
void PutFileDigit(ConfigFile& file, int record, int code);
// The value field when it is one digit and nothing else, as its value: "15"
// is no code of a one-digit record, not 1.
std::optional<int> GetFileDigit(const ConfigFile& file, int record);

// A number kept as a fixed count of decimal digits with leading zeros
// (unsigned; 2 for codes, 5 for whole words).
void PutFileDigits(ConfigFile& file, int record, unsigned value, int digits);

// The 16-character text field (words 40..47), two characters per record
// 40 + j at record offsets 9 and 11. Put takes up to 16 bytes, blank-padded;
// Get returns the 16 bytes, up to a zero byte if there is one.
void PutFileTextField(ConfigFile& file, std::string_view bytes);
std::string GetFileTextField(const ConfigFile& file);

// "Kolvar Config Files (*.kvc)" and "All files (*.*)".
const std::vector<ui::FileFilter>& ConfigFileFilters();

// "Uložit Nastavení": asks for a file name and writes the whole file. Returns
// true when it was written; a cancelled choice returns false silently, a
// failed write is reported in a message box.
bool SaveConfigFile(ui::Dialog& dialog, const ConfigFile& file);

// Whether the header carries header_name from offset 2, followed by blanks
// only: a sibling model whose name begins with this one ("UCRGJ6YA" for
// "UCRGJ6Y") keeps other records and must not load.
bool HeaderNames(const ConfigFile& file, std::string_view header_name);

// "Otevřít Nastavení": asks for a file and reads it into out when it is a
// 2608-byte file whose header names the model (HeaderNames).
// Failures are reported with the model named by message_name (header_name when
// empty); out is left untouched unless true is returned.
bool LoadConfigFile(ui::Dialog& dialog, std::string_view header_name, ConfigFile& out,
                    std::string_view message_name = {});

}  // namespace travik
