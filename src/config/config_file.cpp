#include "config/config_file.h"

#include <algorithm>
#include <cstring>

#include "config/file_io.h"
#include "config/format.h"

namespace travik {
namespace {

constexpr std::size_t kLine = 16;
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kRecordsOffset = 32;
constexpr std::size_t kTrailerOffset = kRecordsOffset + kLine * kFileRecords;
constexpr std::size_t kValueOffset = 8;
constexpr std::size_t kTextOffsets[2] = {9, 11};

static_assert(kTrailerOffset + kLine == kConfigFileSize);
static_assert(kConfigFileSignature.size() == 14);

constexpr char kCaption[] = "Chyba souboru";

bool ValidRecord(int record) { return record >= 0 && record < kFileRecords; }

char* Record(ConfigFile& file, int record) {
  return file.bytes.data() + kRecordsOffset + kLine * static_cast<std::size_t>(record);
}
const char* Record(const ConfigFile& file, int record) {
  return file.bytes.data() + kRecordsOffset + kLine * static_cast<std::size_t>(record);
}

void FileError(ui::Dialog& dialog, std::string_view text) {
  dialog.MessageBox(text, kCaption, ui::Icon::kError);
}

}  // namespace

bool HeaderNames(const ConfigFile& file, std::string_view header_name) {
  const std::string_view header(file.bytes.data() + 2, kHeaderSize - 2);
  if (header_name.size() > header.size() || !header.starts_with(header_name)) return false;
  // A longer name that begins with this one is a sibling model's.
  return header.substr(header_name.size()).find_first_not_of(' ') == std::string_view::npos;
}

std::string ConfigFileHeader(std::string_view model_name) {
  std::string header = "  ";
  header += model_name;
  header.resize(kHeaderSize, ' ');
  return header;
}

void InitConfigFile(ConfigFile& file, std::string_view header) {
  char* p = file.bytes.data();
  std::fill(p, p + kConfigFileSize, ' ');
  std::memcpy(p, header.data(), std::min(header.size(), kHeaderSize));
  p[kHeaderSize] = '\r';
  p[kHeaderSize + kLine - 1] = '\r';
  for (int k = 0; k < kFileRecords; ++k) {
    char* r = Record(file, k);
    r[0] = 'R';
    r[1] = 'e';
    r[2] = 'g';
    r[4] = static_cast<char>('0' + k / 100);
    r[5] = static_cast<char>('0' + k / 10 % 10);
    r[6] = static_cast<char>('0' + k % 10);
    r[kLine - 1] = '\r';
  }
  char* t = p + kTrailerOffset;
  t[0] = '\r';
  std::memcpy(t + 1, kConfigFileSignature.data(), kConfigFileSignature.size());
  t[kLine - 1] = '\r';
}

void PutFileField(ConfigFile& file, int record, std::string_view text) {
  if (!ValidRecord(record)) return;
  char* field = Record(file, record) + kValueOffset;
  std::fill(field, field + kFileFieldChars, ' ');
  std::memcpy(field, text.data(), std::min(text.size(), kFileFieldChars));
}

std::string GetFileField(const ConfigFile& file, int record) {
  if (!ValidRecord(record)) return {};
  const char* field = Record(file, record) + kValueOffset;
  std::size_t n = 0;
  // A zero byte ends the text as well: the controls cannot hold one.
  while (n < kFileFieldChars && field[n] != ' ' && field[n] != '\0') ++n;
  return std::string(field, n);
}

void PutFileDigit(ConfigFile& file, int record, int code) {
  if (code < 0 || code > 9) {
    PutFileField(file, record, "");
    return;
  }
  const char digit = static_cast<char>('0' + code);
  PutFileField(file, record, std::string_view(&digit, 1));
}

void PutFileDigits(ConfigFile& file, int record, unsigned value, int digits) {
  std::string text(static_cast<std::size_t>(std::clamp(digits, 1, 6)), '0');
  for (auto it = text.rbegin(); it != text.rend(); ++it, value /= 10)
    *it = static_cast<char>('0' + value % 10);
  PutFileField(file, record, text);
}

std::optional<int> GetFileDigit(const ConfigFile& file, int record) {
  const std::string text = GetFileField(file, record);
  if (text.size() != 1 || text[0] < '0' || text[0] > '9') return std::nullopt;
  return text[0] - '0';
}

void PutFileTextField(ConfigFile& file, std::string_view bytes) {
  for (std::size_t i = 0; i < static_cast<std::size_t>(kTextFieldChars); ++i) {
    char* r = Record(file, kWordTextField + static_cast<int>(i / 2));
    r[kTextOffsets[i % 2]] = i < bytes.size() ? bytes[i] : ' ';
  }
}

std::string GetFileTextField(const ConfigFile& file) {
  std::string text;
  for (std::size_t i = 0; i < static_cast<std::size_t>(kTextFieldChars); ++i) {
    const char c = Record(file, kWordTextField + static_cast<int>(i / 2))[kTextOffsets[i % 2]];
    if (c == '\0') break;
    text += c;
  }
  return text;
}

const std::vector<ui::FileFilter>& ConfigFileFilters() {
  static const std::vector<ui::FileFilter> kFilters = {
      {"Kolvar Config Files (*.kvc)", "*.kvc"},
      {"All files (*.*)", "*.*"},
  };
  return kFilters;
}

bool SaveConfigFile(ui::Dialog& dialog, const ConfigFile& file) {
  const auto path = dialog.ChooseSaveFile(ConfigFileFilters(), "kvc");
  if (!path) return false;
  if (WriteWholeFile(*path, file.bytes.data(), file.bytes.size()) != file.bytes.size()) {
    FileError(dialog, "Chyba zápisu souboru");
    return false;
  }
  return true;
}

bool LoadConfigFile(ui::Dialog& dialog, std::string_view header_name, ConfigFile& out,
                    std::string_view message_name) {
  const auto path = dialog.ChooseOpenFile(ConfigFileFilters());
  if (!path) return false;
  ConfigFile file;
  bool longer = false;
  const std::size_t n = ReadWholeFile(*path, file.bytes.data(), file.bytes.size(), &longer);
  if (n == 0) {
    FileError(dialog, "Chyba načteni souboru");
    return false;
  }
  if (n != kConfigFileSize || longer) {
    FileError(dialog, "Soubor je poškozený");
    return false;
  }
  if (!HeaderNames(file, header_name)) {
    std::string text = "Konfigurační soubor není určen pro zařízení ";
    text += message_name.empty() ? header_name : message_name;
    FileError(dialog, text);
    return false;
  }
  out = file;
  return true;
}

}  // namespace travik
