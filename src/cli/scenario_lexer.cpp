#include "cli/scenario_lexer.h"

#include <cctype>
#include <cstdio>

namespace travik::cli {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

std::string Tokenize(std::string_view line, std::vector<Token>& out, std::size_t* code_end) {
  out.clear();
  std::size_t i = 0;
  if (code_end != nullptr) *code_end = line.size();
  while (i < line.size()) {
    if (IsSpace(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == '#') {
      if (code_end != nullptr) *code_end = i;
      break;
    }
    if (line[i] == '"') {
      Token t{Token::kText, {}};
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c != '\\') {
          t.text += c;
          continue;
        }
        if (i >= line.size()) break;
        char e = line[i++];
        switch (e) {
          case '"': t.text += '"'; break;
          case '\\': t.text += '\\'; break;
          case 'n': t.text += '\n'; break;
          case 'r': t.text += '\r'; break;
          case 't': t.text += '\t'; break;
          case 'x': {
            const int hi = i < line.size() ? HexDigit(line[i]) : -1;
            const int lo = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
            if (hi < 0 || lo < 0) return "\\x needs two hexadecimal digits";
            t.text += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
          }
          default: return std::string("unknown escape \\") + e;
        }
      }
      if (!closed) return "a text is not closed with \"";
      out.push_back(std::move(t));
      continue;
    }
    Token t{Token::kWord, {}};
    while (i < line.size() && !IsSpace(line[i]) && line[i] != '"') t.text += line[i++];
    out.push_back(std::move(t));
  }
  return {};
}

std::optional<std::int64_t> ParseInteger(std::string_view w) {
  bool negative = false;
  if (!w.empty() && (w[0] == '-' || w[0] == '+')) {
    negative = w[0] == '-';
    w.remove_prefix(1);
  }
  int base = 10;
  if (w.size() > 2 && w[0] == '0' && (w[1] == 'x' || w[1] == 'X')) {
    base = 16;
    w.remove_prefix(2);
  }
  if (w.empty() || w.size() > 15) return std::nullopt;
  std::int64_t v = 0;
  for (char c : w) {
    const int d = HexDigit(c);
    if (d < 0 || d >= base) return std::nullopt;
    v = v * base + d;
  }
  return negative ? -v : v;
}

std::string Quote(std::string_view text) {
  std::string q = "\"";
  for (char c : text) {
    switch (c) {
      case '"': q += "\\\""; break;
      case '\\': q += "\\\\"; break;
      case '\n': q += "\\n"; break;
      case '\r': q += "\\r"; break;
      case '\t': q += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
          q += hex;
        } else {
          q += c;
        }
    }
  }
  return q + "\"";
}

void LineReader::Fail(std::string message) {
  if (error_.empty()) error_ = std::move(message);
  pos_ = tokens_.size();
}

bool LineReader::PeekWord(std::string_view word) const {
  return !AtEnd() && tokens_[pos_].kind == Token::kWord && SameWord(tokens_[pos_].text, word);
}

bool LineReader::Accept(std::string_view word) {
  if (!PeekWord(word)) return false;
  ++pos_;
  return true;
}

void LineReader::Expect(std::string_view word) {
  if (Accept(word)) return;
  if (AtEnd())
    Fail("expected '" + std::string(word) + "' at the end of the line");
  else
    Fail("expected '" + std::string(word) + "' instead of '" + tokens_[pos_].text + "'");
}

std::string LineReader::Word(std::string_view what) {
  if (AtEnd() || tokens_[pos_].kind != Token::kWord) {
    Fail("expected " + std::string(what) +
         (AtEnd() ? " at the end of the line" : " instead of " + Quote(tokens_[pos_].text)));
    return {};
  }
  return tokens_[pos_++].text;
}

std::string LineReader::Text(std::string_view what) {
  if (AtEnd() || tokens_[pos_].kind != Token::kText) {
    Fail("expected " + std::string(what) + " in quotes" +
         (AtEnd() ? " at the end of the line" : " instead of '" + tokens_[pos_].text + "'"));
    return {};
  }
  return tokens_[pos_++].text;
}

bool LineReader::PeekNumber() const {
  return !AtEnd() && tokens_[pos_].kind == Token::kWord &&
         ParseInteger(tokens_[pos_].text).has_value();
}

bool LineReader::PeekHex() const {
  if (!PeekNumber()) return false;
  std::string_view w = tokens_[pos_].text;
  if (w[0] == '-' || w[0] == '+') w.remove_prefix(1);
  return w.size() > 2 && (w[1] == 'x' || w[1] == 'X');
}

std::int64_t LineReader::Number(std::string_view what) {
  if (!PeekNumber()) {
    Fail("expected " + std::string(what) + " (a number)" +
         (AtEnd() ? " at the end of the line" : " instead of '" + tokens_[pos_].text + "'"));
    return 0;
  }
  return *ParseInteger(tokens_[pos_++].text);
}

std::int64_t LineReader::NumberIn(std::string_view what, std::int64_t min, std::int64_t max) {
  const std::int64_t v = Number(what);
  if (!Failed() && (v < min || v > max))
    Fail(std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(min) +
         " to " + std::to_string(max));
  return v;
}

std::int64_t LineReader::Duration() {
  if (AtEnd() || tokens_[pos_].kind != Token::kWord) {
    Fail("expected a duration such as 310 ms, 2 s or 31 ticks");
    return 0;
  }
  std::string word = tokens_[pos_].text;
  // A fused unit: "310ms", "2s".
  std::size_t digits = 0;
  while (digits < word.size() && (std::isdigit(static_cast<unsigned char>(word[digits])))) ++digits;
  std::string unit;
  std::optional<std::int64_t> n;
  if (digits > 0 && digits < word.size()) {
    n = ParseInteger(word.substr(0, digits));
    unit = word.substr(digits);
    ++pos_;
  } else {
    n = ParseInteger(word);
    ++pos_;
    if (n && !AtEnd() && tokens_[pos_].kind == Token::kWord) unit = tokens_[pos_++].text;
  }
  if (!n || *n < 0) {
    Fail("expected a duration such as 310 ms, 2 s or 31 ticks instead of '" + word + "'");
    return 0;
  }
  std::int64_t scale = 0;
  if (SameWord(unit, "ms"))
    scale = 1;
  else if (SameWord(unit, "s"))
    scale = 1000;
  else if (SameWord(unit, "tick") || SameWord(unit, "ticks"))
    scale = 10;
  if (scale == 0) {
    Fail(unit.empty() ? "a duration needs its unit: ms, s or ticks"
                      : "unknown unit '" + unit + "' (ms, s or ticks)");
    return 0;
  }
  // Virtual time still fires every timer on the way; nothing needs more. The
  // bound is checked before scaling, which could overflow for long numbers.
  if (*n > kMaxDurationMs / scale) {
    Fail("a duration is at most an hour");
    return 0;
  }
  return *n * scale;
}

void LineReader::End() {
  if (!AtEnd()) Fail("unexpected '" + tokens_[pos_].text + "'");
}

}  // namespace travik::cli
