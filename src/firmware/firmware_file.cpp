#include "firmware/firmware_file.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "config/file_io.h"
#include "ui/ui.h"

namespace travik {
namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;
constexpr const char* kFileErrorCaption = "Chyba souboru";
constexpr std::size_t kPathChars = 260;

using Area = std::unique_ptr<std::uint8_t[]>;

Area FreshArea() { return Area(new std::uint8_t[kFirmwareAreaSize]()); }

// A hexadecimal digit's value, lower case included; -1 for any other character.
int DigitValue(std::uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsDigit(std::uint8_t c) { return DigitValue(c) >= 0; }

// Only for two characters already known to be digits.
std::uint8_t ByteOf(std::uint8_t high, std::uint8_t low) {
  return static_cast<std::uint8_t>(DigitValue(high) * 16 + DigitValue(low));
}

// A character as a message shows it: printable ASCII quoted, anything else as its code.
std::string Shown(std::uint8_t c) {
  if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
  static const char* kHex = "0123456789ABCDEF";
  return std::string("0x") + kHex[c >> 4] + kHex[c & 15];
}

FirmwareResult Fail(FirmwareError error, std::string message) {
  return FirmwareResult{false, error, std::move(message)};
}

std::string At(std::uint64_t position) { return " (pozice " + std::to_string(position) + ")"; }

FirmwareResult HexFail(FirmwareError error, std::string_view what, std::uint64_t position) {
  return Fail(error, "Chybný soubor Intel HEX: " + std::string(what) + At(position));
}

FirmwareResult ImageFail(FirmwareError error, std::string_view what) {
  return Fail(error, "Chybný paměťový obraz: " + std::string(what));
}

std::string BadDigitText(std::uint8_t c) {
  return "znak " + Shown(c) + " místo hexadecimální číslice";
}

// The first character of raw[from, from + count) that is no digit, or nothing.
std::optional<std::uint64_t> FirstNonDigit(const std::uint8_t* raw, std::uint64_t from,
                                           std::uint64_t count) {
  for (std::uint64_t q = from; q < from + count; ++q)
    if (!IsDigit(raw[q])) return q;
  return std::nullopt;
}

const std::string kBeyondImageText =
    "data přesahují velikost obrazu " + std::to_string(kFirmwareAreaSize) + " bajtů";

// Reads the whole file into a fresh raw area; a file that does not fit is
// refused rather than cut.
FirmwareResult ReadFirmwareFile(const std::string& path, Area& raw, std::uint32_t& raw_length) {
  raw = FreshArea();
  bool longer = false;
  raw_length = static_cast<std::uint32_t>(ReadWholeFile(path, raw.get(), kFirmwareAreaSize, &longer));
  if (raw_length == 0) return Fail(FirmwareError::kUnreadable, "Chyba načteni souboru");
  if (longer) {
    return Fail(FirmwareError::kTooLong, "Soubor je příliš velký, největší možná velikost je " +
                                             std::to_string(kFirmwareAreaSize) + " bajtů");
  }
  return {};
}

}  // namespace

FirmwareResult DecodeIntelHex(const std::uint8_t* raw, std::uint32_t raw_length,
                              std::uint8_t* data, std::uint32_t& length) {
  std::fill_n(data, kHexClearedPrefix, std::uint8_t{0});
  length = 0;
  std::uint64_t offset = 0;
  std::uint64_t p = 0;
  auto byte_at = [&](std::uint64_t q) { return ByteOf(raw[q], raw[q + 1]); };
  // Digits and checksum of the n data bytes of the record at p, whose characters are all there.
  auto check_record = [&](std::uint32_t n) -> std::optional<FirmwareResult> {
    const std::uint64_t digits = 8 + 2ull * n + 2;
    if (const auto q = FirstNonDigit(raw, p + 1, digits))
      return HexFail(FirmwareError::kBadDigit, BadDigitText(raw[*q]), *q);
    std::uint8_t sum = 0;
    for (std::uint64_t q = p + 1; q < p + 1 + digits; q += 2) sum = static_cast<std::uint8_t>(sum + byte_at(q));
    if (sum != 0) return HexFail(FirmwareError::kBadChecksum, "kontrolní součet záznamu nesouhlasí", p);
    return std::nullopt;
  };
  for (;;) {
    if (p >= raw_length) return HexFail(FirmwareError::kNoEndRecord, "chybí záznam konce souboru", p);
    if (raw[p] != ':') return HexFail(FirmwareError::kNoRecordMark, "záznam nezačíná znakem ':'", p);
    if (p + 9 > raw_length) return HexFail(FirmwareError::kTruncatedRecord, "neúplný záznam", p);
    if (const auto q = FirstNonDigit(raw, p + 1, 8))
      return HexFail(FirmwareError::kBadDigit, BadDigitText(raw[*q]), *q);
    const std::uint32_t n = byte_at(p + 1);
    const std::uint32_t address = byte_at(p + 3) * 256u + byte_at(p + 5);
    const std::uint8_t type = byte_at(p + 7);
    if (type == 0x01) {
      // The end record needs no line end of its own; what follows it is not read.
      if (p + 11 + 2ull * n > raw_length) return HexFail(FirmwareError::kTruncatedRecord, "neúplný záznam", p);
      if (auto failed = check_record(n)) return *failed;
      return {};
    }
    const bool address_record = type == 0x02 || type == 0x04;
    if (address_record && n != 2) {
      return HexFail(FirmwareError::kBadAddressRecord, "adresový záznam nemá 2 bajty dat", p);
    }
    if (type == 0x00 && n == 0) {
      return HexFail(FirmwareError::kEmptyDataRecord, "datový záznam bez dat", p);
    }
    // Colon, 8 header digits, 2n data digits, 2 checksum digits, then the
    // line end: CR LF, or LF alone as many toolchains on Linux write it.
    const std::uint64_t end = p + 2ull * n + 11;
    if (end >= raw_length) return HexFail(FirmwareError::kTruncatedRecord, "neúplný záznam", p);
    std::uint64_t size = 0;
    if (raw[end] == kLf) {
      size = end + 1 - p;
    } else if (raw[end] == kCr) {
      if (end + 1 >= raw_length) return HexFail(FirmwareError::kTruncatedRecord, "neúplný záznam", p);
      if (raw[end + 1] != kLf)
        return HexFail(FirmwareError::kLineEnd, "řádek není ukončen znaky CR LF nebo LF", end + 1);
      size = end + 2 - p;
    } else {
      return HexFail(FirmwareError::kLineEnd, "řádek není ukončen znaky CR LF nebo LF", end);
    }
    if (auto failed = check_record(n)) return *failed;
    if (type == 0x00) {
      const std::uint64_t start = offset + address;
      if (start + n > kFirmwareAreaSize) {
        return HexFail(FirmwareError::kBeyondImage, kBeyondImageText, p);
      }
      for (std::uint32_t i = 0; i < n; ++i) data[start + i] = byte_at(p + 9 + 2 * i);
      // The end of the highest record: a file whose records do not ascend
      // would otherwise be flashed only in part.
      length = std::max(length, static_cast<std::uint32_t>(start + n));
    } else if (type == 0x02) {
      offset = (byte_at(p + 9) * 256ull + byte_at(p + 11)) * 16;
    } else if (type == 0x04) {
      // Images linked for flash at 0x0800 0000 start at offset 0.
      const std::uint8_t b0 = byte_at(p + 9);
      const std::uint64_t upper = b0 == 0x08 ? 0 : b0;
      offset = (upper * 256 + byte_at(p + 11)) * 65536;
    }
    p += size;
  }
}

FirmwareResult DecodeMemoryImage(const std::uint8_t* raw, std::uint32_t raw_length,
                                 std::uint8_t* data, std::uint32_t& length) {
  length = 0;
  if (raw_length < kMemoryImageHeaderSize) {
    return ImageFail(FirmwareError::kShortHeader,
                     "soubor je kratší než hlavička (" + std::to_string(kMemoryImageHeaderSize) +
                         " bajtů)");
  }
  const FirmwareResult no_end =
      ImageFail(FirmwareError::kNoEndMark, "chybí koncový znak 'L'" + At(raw_length));
  auto line_break = [](std::uint64_t at) {
    return ImageFail(FirmwareError::kLineEnd, "nesprávné zalomení řádku" + At(at));
  };
  auto bad_digit = [&](std::uint64_t at) {
    return ImageFail(FirmwareError::kBadDigit, BadDigitText(raw[at]) + At(at));
  };
  std::uint64_t p = kMemoryImageHeaderSize;
  std::uint32_t k = 0;
  for (;;) {
    if (p >= raw_length) return no_end;
    std::uint8_t c = raw[p++];
    if (c == kCr) {
      if (p >= raw_length) return no_end;
      if (raw[p] != kLf) return line_break(p);
      if (++p >= raw_length) return no_end;
      c = raw[p++];
    }
    if (c == 'L') {
      length = k;
      return {};
    }
    // A second line break, a bare LF or a break inside a byte would shift every
    // following digit pair.
    if (c == kCr || c == kLf) return line_break(p - 1);
    if (!IsDigit(c)) return bad_digit(p - 1);
    if (p >= raw_length) return no_end;
    const std::uint8_t low = raw[p++];
    if (low == kCr || low == kLf) return line_break(p - 1);
    if (low == 'L') {
      return ImageFail(FirmwareError::kOddDigits,
                       "lichý počet číslic, koncový znak 'L' stojí na místě druhé číslice bajtu" +
                           At(p - 1));
    }
    if (!IsDigit(low)) return bad_digit(p - 1);
    if (k >= kFirmwareAreaSize) return ImageFail(FirmwareError::kBeyondImage, kBeyondImageText);
    data[k++] = ByteOf(c, low);
  }
}

FirmwareResult LoadFirmwareFromPath(const std::string& path, FirmwareImage& image) {
  Area raw;
  std::uint32_t raw_length = 0;
  FirmwareResult result = ReadFirmwareFile(path, raw, raw_length);
  if (!result.ok) return result;

  const char letter = path.size() >= 3 ? path[path.size() - 3] : '\0';
  Area data = FreshArea();
  std::uint32_t length = 0;
  if (letter == 'h') {
    result = DecodeIntelHex(raw.get(), raw_length, data.get(), length);
  } else if (letter == 'k') {
    result = DecodeMemoryImage(raw.get(), raw_length, data.get(), length);
  } else {
    result = Fail(FirmwareError::kUnsupportedExtension, "Soubor má nepodporovanou příponu");
  }
  if (!result.ok) return result;

  // Taken over whole, so a refused file never leaves a half-replaced image.
  image.raw = std::move(raw);
  image.raw_length = raw_length;
  image.data = std::move(data);
  image.length = length;
  image.format_letter = letter;
  image.ready = true;
  return result;
}

void LoadFirmwareFile(ui::Dialog& dialog) {
  static const std::vector<ui::FileFilter> kFilters = {
      {"Kolvar Memory Image Files (*.kvm)", "*.kvm"},
      {"Intel Hex files (*.hex)", "*.hex"},
      {"All files (*.*)", "*.*"},
  };
  const std::optional<std::string> path = dialog.ChooseOpenFile(kFilters);
  if (!path) return;
  const std::string shown = dialog.GetText(kFirmwarePathControl, kPathChars);
  dialog.SetText(kFirmwarePathControl, *path);
  const FirmwareResult result = LoadFirmwareFromPath(*path, *G().Firmware);
  if (!result.ok) {
    dialog.MessageBox(result.message, kFileErrorCaption, ui::Icon::kError);
    // The earlier image is still the one loaded; the field keeps naming it.
    dialog.SetText(kFirmwarePathControl, shown);
    return;
  }
  dialog.SetText(kBootStatusControl, "Soubor pro download je inicializovan");
}

std::string MemoryImagePlatform(const FirmwareImage& image) {
  std::string text;
  const std::uint32_t end = std::min(kMemoryImageVersionOffset, image.raw_length);
  for (std::uint32_t i = kMemoryImagePlatformOffset; i < end; ++i) {
    const std::uint8_t c = image.raw[i];
    if (c == kCr || c == ' ') break;
    text += static_cast<char>(c);
  }
  return text;
}

std::string MemoryImageVersionPattern(const FirmwareImage& image) {
  std::string text;
  const std::uint32_t end = std::min(kMemoryImageHeaderSize, image.raw_length);
  for (std::uint32_t i = kMemoryImageVersionOffset; i < end; ++i) {
    const std::uint8_t c = image.raw[i];
    if (c == kCr) break;
    text += static_cast<char>(c);
  }
  return text;
}

}  // namespace travik
