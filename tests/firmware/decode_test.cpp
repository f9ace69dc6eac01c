#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "firmware/firmware_file.h"
#include "firmware_test_util.h"

namespace travik {
namespace {

using test::HexData;
using test::HexLinear;
using test::HexRecord;
using test::HexSegment;
using test::kHexEnd;

using Decoder = FirmwareResult (*)(const std::uint8_t*, std::uint32_t, std::uint8_t*, std::uint32_t&);

// Raw text in an allocation of exactly its size and a full data area filled
// with a marker, so reads or writes outside either show up (under ASan too).
struct Decoded {
  FirmwareResult result;
  std::uint32_t length = 0;
  std::unique_ptr<std::uint8_t[]> data;
};

constexpr std::uint8_t kMarker = 0xEE;

Decoded Decode(Decoder decoder, const std::string& text) {
  auto raw = std::make_unique<std::uint8_t[]>(text.size());
  std::memcpy(raw.get(), text.data(), text.size());
  Decoded out;
  out.data = std::make_unique<std::uint8_t[]>(kFirmwareAreaSize);
  std::memset(out.data.get(), kMarker, kFirmwareAreaSize);
  out.result = decoder(raw.get(), static_cast<std::uint32_t>(text.size()), out.data.get(), out.length);
  return out;
}

std::vector<std::uint8_t> Bytes(const Decoded& d, std::uint32_t from, std::uint32_t count) {
  return std::vector<std::uint8_t>(d.data.get() + from, d.data.get() + from + count);
}

TEST(IntelHex, PlacesDataByExtendedAddresses) {
  struct Case {
    const char* name;
    std::string prefix;
    std::uint32_t offset;
  } cases[] = {
      {"no extension", "", 0},
      {"linear 0x0800 is flash at offset 0", HexLinear(0x0800), 0},
      {"linear 0x0801", HexLinear(0x0801), 0x10000},
      {"linear 0x0001", HexLinear(0x0001), 0x10000},
      {"segment 0x1000", HexSegment(0x1000), 0x10000},
      {"segment 0x0123", HexSegment(0x0123), 0x1230},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decoded d = Decode(DecodeIntelHex, c.prefix + HexData(0x0010, {1, 2, 3}) + kHexEnd);
    ASSERT_TRUE(d.result.ok) << d.result.message;
    EXPECT_EQ(d.length, c.offset + 0x13);
    EXPECT_EQ(Bytes(d, c.offset + 0x10, 3), (std::vector<std::uint8_t>{1, 2, 3}));
  }
}

TEST(IntelHex, LengthIsEndOfHighestDataRecordAndGapsAreZero) {
  // Descending records: the length is where the highest one ends, so the
  // download sends all of it (the end of the last record would cut it short).
  Decoded d = Decode(DecodeIntelHex, HexData(0x0100, std::vector<std::uint8_t>(16, 0xAB)) +
                                         HexData(0x0010, {0x11, 0x22, 0x33, 0x44}) + kHexEnd);
  ASSERT_TRUE(d.result.ok) << d.result.message;
  EXPECT_EQ(d.length, 0x110u);
  EXPECT_EQ(Bytes(d, 0x10, 4), (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0x44}));
  EXPECT_EQ(Bytes(d, 0x100, 16), std::vector<std::uint8_t>(16, 0xAB));
  EXPECT_EQ(Bytes(d, 0, 0x10), std::vector<std::uint8_t>(0x10, 0));
  EXPECT_EQ(Bytes(d, 0x14, 0xEC), std::vector<std::uint8_t>(0xEC, 0));
  // Only the first 80,000 bytes are cleared by the decoder itself.
  EXPECT_EQ(d.data[kHexClearedPrefix - 1], 0);
  EXPECT_EQ(d.data[kHexClearedPrefix], kMarker);
}

TEST(IntelHex, SkipsOtherRecordTypesAndIgnoresTextAfterTheEnd) {
  const std::string body = HexData(0, {9, 8, 7});
  Decoded plain = Decode(DecodeIntelHex, body + kHexEnd);
  Decoded mixed = Decode(DecodeIntelHex, HexRecord(0x03, 0, {0x12, 0x34, 0x56, 0x78}) + body +
                                             HexRecord(0x05, 0, {0x08, 0, 0x01, 0x23}) +
                                             HexRecord(0x07, 0, {}) + kHexEnd + "garbage");
  ASSERT_TRUE(plain.result.ok && mixed.result.ok) << mixed.result.message;
  EXPECT_EQ(mixed.length, 3u);
  EXPECT_EQ(0, std::memcmp(plain.data.get(), mixed.data.get(), kFirmwareAreaSize));

  // The end record needs no line end; a file of nothing else is an empty image.
  Decoded bare_end = Decode(DecodeIntelHex, ":00000001FF");
  ASSERT_TRUE(bare_end.result.ok) << bare_end.result.message;
  EXPECT_EQ(bare_end.length, 0u);
}

TEST(IntelHex, DataUpToTheEndOfTheAreaIsAccepted) {
  // 0x70000 + 0xEF30 + 16 = 520,000.
  Decoded d = Decode(DecodeIntelHex, HexLinear(0x0007) + HexData(0xEF30, std::vector<std::uint8_t>(16, 0x5A)) + kHexEnd);
  ASSERT_TRUE(d.result.ok) << d.result.message;
  EXPECT_EQ(d.length, kFirmwareAreaSize);
  EXPECT_EQ(d.data[kFirmwareAreaSize - 1], 0x5A);
}

TEST(IntelHex, RefusesFilesOutsideTheLayout) {
  const std::string one = HexData(0, {1, 2, 3, 4});
  struct Case {
    const char* name;
    std::string text;
    FirmwareError error;
  } cases[] = {
      {"empty text", "", FirmwareError::kNoEndRecord},
      {"no end record", one, FirmwareError::kNoEndRecord},
      {"stray line end", one + "\r\n" + kHexEnd, FirmwareError::kNoRecordMark},
      {"leading blank", " " + one + kHexEnd, FirmwareError::kNoRecordMark},
      {"header cut", one + ":1000", FirmwareError::kTruncatedRecord},
      {"data cut", one.substr(0, 15), FirmwareError::kTruncatedRecord},
      {"end record cut", one + ":000000", FirmwareError::kTruncatedRecord},
      {"address record cut", HexLinear(1).substr(0, 14), FirmwareError::kTruncatedRecord},
      {"CR alone", one.substr(0, one.size() - 1) + kHexEnd, FirmwareError::kLineEnd},
      {"no line end", one.substr(0, one.size() - 2) + kHexEnd, FirmwareError::kLineEnd},
      {"empty data record", HexData(0, {}) + kHexEnd, FirmwareError::kEmptyDataRecord},
      {"linear record of 4 bytes", HexRecord(0x04, 0, {0, 1, 0, 0}) + kHexEnd,
       FirmwareError::kBadAddressRecord},
      {"segment record of 0 bytes", HexRecord(0x02, 0, {}) + kHexEnd, FirmwareError::kBadAddressRecord},
      {"one byte past the area", HexLinear(0x0007) + HexData(0xEF31, std::vector<std::uint8_t>(16, 1)) + kHexEnd,
       FirmwareError::kBeyondImage},
      {"top of the address space", HexLinear(0xFFFF) + HexData(0xFFFF, {1}) + kHexEnd,
       FirmwareError::kBeyondImage},
      {"segment past the area", HexSegment(0xFFFF) + HexData(0xFFF0, {1}) + kHexEnd,
       FirmwareError::kBeyondImage},
      // A byte count claiming more data than the line holds.
      {"byte count too large", ":FF000000" + std::string(40, '0') + "\r\n" + kHexEnd,
       FirmwareError::kTruncatedRecord},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decoded d = Decode(DecodeIntelHex, c.text);
    EXPECT_FALSE(d.result.ok);
    EXPECT_EQ(d.result.error, c.error) << d.result.message;
    EXPECT_FALSE(d.result.message.empty());
  }
}

// Every line of a file with LF alone, or CR LF and LF mixed, reads as with CR LF.
TEST(IntelHex, LineEndsOfLfAloneGiveTheSameImage) {
  const std::string records[] = {HexLinear(0x0801), HexData(0x0010, {1, 2, 3, 4}),
                                 HexRecord(0x03, 0, {0x12, 0x34, 0x56, 0x78}),
                                 HexData(0x0100, std::vector<std::uint8_t>(16, 0xAB)), kHexEnd};
  auto joined = [&](auto line_end) {
    std::string text;
    for (std::size_t i = 0; i < std::size(records); ++i) {
      std::string r = records[i];
      if (r.size() >= 2 && r.substr(r.size() - 2) == "\r\n") r.erase(r.size() - 2);
      text += r + line_end(i);
    }
    return text;
  };
  Decoded crlf = Decode(DecodeIntelHex, joined([](std::size_t) { return "\r\n"; }));
  ASSERT_TRUE(crlf.result.ok) << crlf.result.message;
  for (const auto& [name, text] :
       {std::pair{"LF", joined([](std::size_t) { return "\n"; })},
        std::pair{"mixed", joined([](std::size_t i) { return i % 2 ? "\n" : "\r\n"; })},
        std::pair{"LF, none after the end", joined([&](std::size_t i) {
                    return i + 1 == std::size(records) ? "" : "\n";
                  })}}) {
    SCOPED_TRACE(name);
    Decoded d = Decode(DecodeIntelHex, text);
    ASSERT_TRUE(d.result.ok) << d.result.message;
    EXPECT_EQ(d.length, crlf.length);
    EXPECT_EQ(0, std::memcmp(d.data.get(), crlf.data.get(), kFirmwareAreaSize));
  }
}

TEST(IntelHex, DigitsOfEitherCaseAndChecksumsAreChecked) {
  // Lower-case digits have their proper values.
  std::string lower = HexData(0x0A0B, {0xAB, 0xCD, 0xEF}) + kHexEnd;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  Decoded d = Decode(DecodeIntelHex, lower);
  ASSERT_TRUE(d.result.ok) << d.result.message;
  EXPECT_EQ(d.length, 0x0A0Eu);
  EXPECT_EQ(Bytes(d, 0x0A0B, 3), (std::vector<std::uint8_t>{0xAB, 0xCD, 0xEF}));

  const std::string one = HexData(0x0010, {1, 2, 3, 4});  // ":04001000" data "xx\r\n"
  auto with = [](std::string text, std::size_t at, char c) {
    text[at] = c;
    return text;
  };
  const std::string second = HexData(0x0020, {5});
  struct Case {
    const char* name;
    std::string text;
    FirmwareError error;
    const char* message;  // expected in the message, with the position
  } cases[] = {
      {"letter in a data byte", with(one, 10, 'G') + kHexEnd, FirmwareError::kBadDigit,
       "znak 'G' místo hexadecimální číslice (pozice 10)"},
      {"blank in the address", with(one, 4, ' ') + kHexEnd, FirmwareError::kBadDigit, "' ' místo"},
      {"control byte in the checksum", with(one, 17, '\x1b') + kHexEnd, FirmwareError::kBadDigit,
       "znak 0x1B místo hexadecimální číslice (pozice 17)"},
      {"sign in the byte count", with(one, 1, '-') + kHexEnd, FirmwareError::kBadDigit, "(pozice 1)"},
      {"damaged data byte", with(one, 9, '1') + kHexEnd, FirmwareError::kBadChecksum,
       "kontrolní součet záznamu nesouhlasí (pozice 0)"},
      {"damaged second record", one + with(second, 10, 'F') + kHexEnd, FirmwareError::kBadChecksum,
       "(pozice 21)"},
      {"damaged end record", one + ":00000001FE\r\n", FirmwareError::kBadChecksum, "(pozice 21)"},
      {"end record without checksum", one + ":00000001", FirmwareError::kTruncatedRecord, "neúplný"},
      // A line end's message names where the line end should stand.
      {"CR alone", one.substr(0, 20) + kHexEnd, FirmwareError::kLineEnd,
       "řádek není ukončen znaky CR LF nebo LF (pozice 20)"},
      {"blank before CR LF", one.substr(0, 19) + " \r\n" + kHexEnd, FirmwareError::kLineEnd,
       "(pozice 19)"},
      {"second record without line end", one + second.substr(0, 13) + kHexEnd,
       FirmwareError::kLineEnd, "(pozice 34)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decoded bad = Decode(DecodeIntelHex, c.text);
    EXPECT_FALSE(bad.result.ok);
    EXPECT_EQ(bad.result.error, c.error) << bad.result.message;
    EXPECT_NE(bad.result.message.find(c.message), std::string::npos) << bad.result.message;
  }
}

std::string MemoryImage(const std::string& data) { return test::MemoryImageHeader("TRX", "1x") + data; }

TEST(MemoryImage, LineBreaksDoNotChangeTheImage) {
  std::vector<std::uint8_t> bytes(4352);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  Decoded flat = Decode(DecodeMemoryImage, MemoryImage(test::MemoryImageData(bytes, 0)));
  Decoded lines = Decode(DecodeMemoryImage, MemoryImage("\r\n" + test::MemoryImageData(bytes, 16) + "\r\n"));
  ASSERT_TRUE(flat.result.ok) << flat.result.message;
  ASSERT_TRUE(lines.result.ok) << lines.result.message;
  EXPECT_EQ(flat.length, 4352u);
  EXPECT_EQ(lines.length, 4352u);
  EXPECT_EQ(Bytes(flat, 0, 4352), bytes);
  EXPECT_EQ(0, std::memcmp(flat.data.get(), lines.data.get(), kFirmwareAreaSize));
}

TEST(MemoryImage, EndsAtTheLetterL) {
  Decoded d = Decode(DecodeMemoryImage, MemoryImage("00FF7A0eL3132whatever\r\n"));
  ASSERT_TRUE(d.result.ok) << d.result.message;
  ASSERT_EQ(d.length, 4u);
  // Lower-case digits have their proper values.
  EXPECT_EQ(Bytes(d, 0, 5), (std::vector<std::uint8_t>{0x00, 0xFF, 0x7A, 0x0E, kMarker}));
  EXPECT_EQ(Decode(DecodeMemoryImage, MemoryImage("L")).length, 0u);
}

TEST(MemoryImage, FullAreaIsAcceptedAndOneMoreByteRefused) {
  const std::string pairs(2 * kFirmwareAreaSize, '1');
  Decoded full = Decode(DecodeMemoryImage, MemoryImage(pairs + "L"));
  ASSERT_TRUE(full.result.ok) << full.result.message;
  EXPECT_EQ(full.length, kFirmwareAreaSize);
  EXPECT_EQ(full.data[kFirmwareAreaSize - 1], 0x11);
  Decoded over = Decode(DecodeMemoryImage, MemoryImage(pairs + "22L"));
  EXPECT_EQ(over.result.error, FirmwareError::kBeyondImage);
}

TEST(MemoryImage, RefusesFilesOutsideTheLayout) {
  struct Case {
    const char* name;
    std::string text;
    FirmwareError error;
    const char* message;
  } cases[] = {
      {"header only", MemoryImage(""), FirmwareError::kNoEndMark, "chybí koncový znak 'L' (pozice 43)"},
      {"short header", std::string(42, 'A'), FirmwareError::kShortHeader, "kratší než hlavička"},
      {"no closing L", MemoryImage("0102\r\n0304"), FirmwareError::kNoEndMark, "chybí koncový znak 'L'"},
      {"lower-case l", MemoryImage("0102l"), FirmwareError::kBadDigit,
       "znak 'l' místo hexadecimální číslice (pozice 47)"},
      {"odd digit at the end", MemoryImage("010"), FirmwareError::kNoEndMark,
       "chybí koncový znak 'L' (pozice 46)"},
      {"ends in CR", MemoryImage("0102\r"), FirmwareError::kNoEndMark, "chybí koncový znak 'L'"},
      {"ends in CR LF", MemoryImage("0102\r\n"), FirmwareError::kNoEndMark, "chybí koncový znak 'L'"},
      {"CR without LF", MemoryImage("01\r02L"), FirmwareError::kLineEnd, "(pozice 46)"},
      {"LF only", MemoryImage("01\n02L"), FirmwareError::kLineEnd, "(pozice 45)"},
      {"empty line", MemoryImage("01\r\n\r\n02L"), FirmwareError::kLineEnd, "zalomení"},
      {"break inside a byte", MemoryImage("0\r\n102L"), FirmwareError::kLineEnd, "zalomení"},
      // An odd digit count or a stray blank swallows the 'L': said as what it is, and where.
      {"odd digit count", MemoryImage("01020L"), FirmwareError::kOddDigits,
       "lichý počet číslic, koncový znak 'L' stojí na místě druhé číslice bajtu (pozice 48)"},
      {"stray blank", MemoryImage("01 02L"), FirmwareError::kBadDigit,
       "znak ' ' místo hexadecimální číslice (pozice 45)"},
      {"escape byte", MemoryImage("01\x1b[2JL"), FirmwareError::kBadDigit, "znak 0x1B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Decoded d = Decode(DecodeMemoryImage, c.text);
    EXPECT_FALSE(d.result.ok);
    EXPECT_EQ(d.result.error, c.error) << d.result.message;
    EXPECT_NE(d.result.message.find(c.message), std::string::npos) << d.result.message;
  }
}

TEST(MemoryImage, HeaderFieldsStopAtTerminatorsAndFieldBounds) {
  struct Case {
    std::string header;
    std::string platform;
    std::string version;
  } cases[] = {
      {test::MemoryImageHeader("TRX-21 rev", "12x"), "TRX-21", "12x     "},
      {std::string(15, '-') + "AB\rCD" + std::string(13, '.') + "V1\r" + std::string(7, ' '), "AB", "V1"},
      // No terminator: each field ends where the next part of the header begins.
      {std::string(15, '-') + std::string(18, 'P') + std::string(10, 'V'), std::string(18, 'P'),
       std::string(10, 'V')},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.header.size(), kMemoryImageHeaderSize);
    FirmwareImage image;
    const std::string text = c.header + "00L";
    std::memcpy(image.raw.get(), text.data(), text.size());
    image.raw_length = static_cast<std::uint32_t>(text.size());
    EXPECT_EQ(MemoryImagePlatform(image), c.platform);
    EXPECT_EQ(MemoryImageVersionPattern(image), c.version);
  }
  FirmwareImage short_file;
  std::memcpy(short_file.raw.get(), "0123456789ABCDEFGH", 18);
  short_file.raw_length = 18;
  EXPECT_EQ(MemoryImagePlatform(short_file), "FGH");
  EXPECT_EQ(MemoryImageVersionPattern(short_file), "");
}

}  // namespace
}  // namespace travik
