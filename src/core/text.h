// Text conversions. Everything the window layer shows is UTF-8; the devices and
// the files carry 8-bit Windows-1250 text.
#pragma once

#include <string>
#include <string_view>

namespace travik {

// Windows-1250 bytes to UTF-8. The bytes undefined in the code page (0x81,
// 0x83, 0x88, 0x90, 0x98) map to U+0081.. of the same number and back, so a
// round trip keeps every byte.
std::string Cp1250ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1250 bytes; a character the code page cannot hold becomes '?'.
std::string Utf8ToCp1250(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text.
std::size_t Utf8Length(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string Utf8Prefix(std::string_view utf8, std::size_t n);

// The text without the blanks around it (fields are blank-padded).
std::string TrimBlanks(std::string_view text);

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote or a
// line break, else as it is.
std::string CsvField(std::string_view text);

// Text for XML or HTML content and attributes: & < > " ' as entities.
std::string EscapeMarkup(std::string_view text);

}  // namespace travik
