// The terms that scenario lines share: naming windows and controls, word
// values, byte lists, frames and the files of a run. Action lines and
// expectations both speak them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/scenario_lexer.h"
#include "cli/scenario_runner.h"
#include "sim/sim_backend.h"

namespace travik::cli {

// --- Texts -------------------------------------------------------------------

std::u16string Utf16(std::string_view utf8);
// The 16-character text field: two Windows-1250 characters a word, the first
// in the high byte, blank-padded.
std::array<std::uint16_t, 8> PackText(std::string_view utf8);
std::string UnpackText(const std::uint16_t* words);
// COUNT bytes from FROM as "0A 1B …".
std::string Hex(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count);
std::string Trimmed(std::string_view s);
// "2 s" or "310 ms".
std::string ShowMs(std::int64_t ms);

// --- Windows and controls ----------------------------------------------------

// "windows 100 130(hidden)", bottom to top, or "no window".
std::string WindowStack(Runner& run);

// A control as a scenario names it: DIALOG:ID, or a caption in quotes.
struct Ref {
  int dialog = 0;  // 0: by caption
  int id = 0;
  std::string caption;
  std::string Describe() const;
};

std::string DialogName(int number);
// A template number, or "main" for the main window.
int ParseDialog(LineReader& r);
Ref ParseRef(LineReader& r);
// The control in the active window that input goes to. "" or why not.
std::string ResolveForInput(Runner& run, const Ref& ref, int& dialog, int& id, bool clickable_only);
bool IsCombo(ui::ControlKind kind);
// Controls of an open dialog whose current text is the caption.
std::vector<int> Captioned(Runner& run, int dialog, const std::string& caption,
                           bool clickable_only);

// --- Values ------------------------------------------------------------------

// A word value as written: a value that does not hold is shown the same way.
struct WordValue {
  std::uint16_t value;
  enum Shown { kUnsigned, kSigned, kHex } shown;
};
std::vector<WordValue> ParseWordValues(LineReader& r);

// Hexadecimal bytes; -1 (written ??) matches any byte.
struct ByteList {
  std::vector<int> bytes;
  bool rest = false;  // "..." at the end: what follows is not compared
};
ByteList ParseBytes(LineReader& r);
std::string ShowBytes(const ByteList& list);
// Whether GOT holds the list at FROM (and ends there unless the list leaves the rest open).
bool BytesMatch(const ByteList& list, const std::vector<std::uint8_t>& got, std::size_t from);

// --- Frames ------------------------------------------------------------------

struct FramePattern {
  int line = 0;
  sim::Exchange kind = sim::Exchange::kSetFeature;
  enum Status { kOk, kRefused, kTimedOut } status = kOk;
  ByteList bytes;
};

// Exchange kinds as faults (all of them) and frames (the four reports) name them.
std::optional<sim::Exchange> ParseExchange(std::string_view word, bool frames_only);
bool ParseFramePattern(LineReader& r, FramePattern& want);
std::string DescribePattern(const FramePattern& want);
// Nothing when the frame is as specified, otherwise what it was.
std::optional<std::string> MatchFrame(const FramePattern& want, const sim::LogEntry* entry);
// The next frame not yet expected; null when there is none.
const sim::LogEntry* NextFrame(Runner& run);
std::optional<std::string> NoMoreFrames(Runner& run);

// --- Files -------------------------------------------------------------------

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);
bool WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace travik::cli
