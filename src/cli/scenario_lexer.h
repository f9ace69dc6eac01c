// Words and quoted texts of one scenario line, and a cursor that reads them
// with a sticky error: the parser reads on and asks once at the end of the
// statement whether the line made sense.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace travik::cli {

struct Token {
  enum Kind { kWord, kText } kind = kWord;
  std::string text;  // a text token holds the characters between the quotes, escapes resolved
};

// Splits a line into tokens; a '#' at the start of a word begins a comment.
// Texts are "…" with the escapes \" \\ \n \r \t and \xHH (one raw byte).
// Returns "" or what is wrong with the line.
// *code_end, when given, is where the comment begins (or the line's length).
std::string Tokenize(std::string_view line, std::vector<Token>& out,
                     std::size_t* code_end = nullptr);

class LineReader {
 public:
  explicit LineReader(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  bool AtEnd() const { return pos_ >= tokens_.size(); }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }
  void Fail(std::string message);

  // Whether the next token is the word (keywords compare without regard to case).
  bool PeekWord(std::string_view word) const;
  bool PeekText() const { return !AtEnd() && tokens_[pos_].kind == Token::kText; }
  // The next word as written, "" when the next token is no word.
  std::string PeekWordText() const {
    return AtEnd() || tokens_[pos_].kind != Token::kWord ? std::string() : tokens_[pos_].text;
  }
  // Consumes the word when it is next.
  bool Accept(std::string_view word);
  void Expect(std::string_view word);
  // The next token, which must be a word / a quoted text.
  std::string Word(std::string_view what);
  std::string Text(std::string_view what);
  // A decimal or 0x-hexadecimal integer, optionally signed.
  std::int64_t Number(std::string_view what);
  std::int64_t NumberIn(std::string_view what, std::int64_t min, std::int64_t max);
  // Whether the next token is an integer.
  bool PeekNumber() const;
  // Whether the next token is an integer written in hexadecimal.
  bool PeekHex() const;
  static constexpr std::int64_t kMaxDurationMs = 3600 * 1000;
  // A duration in milliseconds: "310 ms", "2 s", "31 ticks" (10 ms each),
  // or fused as "310ms".
  std::int64_t Duration();
  // Nothing may follow.
  void End();

 private:
  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
  std::string error_;
};

// Integer from a whole word; nothing when it is not one.
std::optional<std::int64_t> ParseInteger(std::string_view word);

// Quoted for messages, with the escapes a scenario would use.
std::string Quote(std::string_view text);

}  // namespace travik::cli
