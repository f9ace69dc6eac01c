#include "cli/scenario_terms.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/text.h"
#include "dialogs/templates.h"
#include "resources/resources.h"
#include "ui/template.h"

namespace travik::cli {

namespace fs = std::filesystem;

namespace {

bool Clickable(ui::ControlKind k) {
  return k == ui::ControlKind::kButton || k == ui::ControlKind::kDefaultButton ||
         k == ui::ControlKind::kCheckBox || k == ui::ControlKind::kRadio;
}

bool IsFrame(sim::Exchange k) {
  return k == sim::Exchange::kSetFeature || k == sim::Exchange::kGetFeature ||
         k == sim::Exchange::kReadInput || k == sim::Exchange::kWriteOutput;
}

const char* FrameKindName(sim::Exchange k) {
  switch (k) {
    case sim::Exchange::kSetFeature: return "set-feature";
    case sim::Exchange::kGetFeature: return "get-feature";
    case sim::Exchange::kReadInput: return "input";
    case sim::Exchange::kWriteOutput: return "output";
    default: return sim::ExchangeName(k);
  }
}

std::string DescribeEntry(const sim::LogEntry& e, const FramePattern& like) {
  std::string d = FrameKindName(e.kind);
  if (e.timed_out)
    d += " timed-out";
  else if (!e.ok)
    d += " refused";
  std::size_t shown = e.bytes.size();
  // As long as the expected list, when that one leaves the rest open.
  if (like.bytes.rest && like.bytes.bytes.size() < shown) shown = like.bytes.bytes.size();
  const std::string bytes = Hex(e.bytes, 0, shown);
  if (!bytes.empty()) d += " " + bytes;
  if (shown < e.bytes.size()) d += " ...";
  return d;
}

std::size_t FramesLeft(Runner& run, const sim::LogEntry** first) {
  const auto& log = run.sim().Log();
  std::size_t n = 0;
  *first = nullptr;
  for (std::size_t i = std::min(run.frame_cursor, log.size()); i < log.size(); ++i) {
    if (!IsFrame(log[i].kind)) continue;
    if (n++ == 0) *first = &log[i];
  }
  return n;
}

}  // namespace

std::string Hex(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
  std::string s;
  char buf[4];
  for (std::size_t i = from; i < bytes.size() && i < from + count; ++i) {
    std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
    if (!s.empty()) s += ' ';
    s += buf;
  }
  return s;
}

std::string UnpackText(const std::uint16_t* words) {
  std::string bytes;
  for (int k = 0; k < 8; ++k) {
    bytes += static_cast<char>(words[k] >> 8);
    bytes += static_cast<char>(words[k] & 0xFF);
  }
  return Cp1250ToUtf8(bytes);
}

std::string WindowStack(Runner& run) {
  std::string s;
  for (const auto& w : run.ui().Windows()) {
    if (!s.empty()) s += ' ';
    s += std::to_string(w.template_number);
    if (!w.visible) s += "(hidden)";
  }
  return s.empty() ? "no window" : "windows " + s;
}

// Controls of an open dialog whose current text is the caption.
std::vector<int> Captioned(Runner& run, int dialog, const std::string& caption,
                           bool clickable_only) {
  std::vector<int> ids;
  const ui::DialogTemplate* t = ProgramTemplate(dialog);
  if (t == nullptr) return ids;
  for (const auto& c : t->controls) {
    if (c.kind == ui::ControlKind::kPaintedText) continue;
    if (clickable_only && !Clickable(c.kind)) continue;
    auto state = run.ui().ShownControl(dialog, c.id);
    if (state && state->text == caption) ids.push_back(c.id);
  }
  return ids;
}

std::string ShowBytes(const ByteList& list) {
  std::string s;
  char buf[4];
  for (int b : list.bytes) {
    if (!s.empty()) s += ' ';
    if (b < 0) {
      s += "??";
    } else {
      std::snprintf(buf, sizeof buf, "%02X", b);
      s += buf;
    }
  }
  if (list.rest) s += s.empty() ? "..." : " ...";
  return s;
}

bool BytesMatch(const ByteList& list, const std::vector<std::uint8_t>& got, std::size_t from) {
  const std::size_t available = got.size() >= from ? got.size() - from : 0;
  if (available < list.bytes.size()) return false;
  if (!list.rest && available != list.bytes.size()) return false;
  for (std::size_t i = 0; i < list.bytes.size(); ++i)
    if (list.bytes[i] >= 0 && got[from + i] != list.bytes[i]) return false;
  return true;
}

std::u16string Utf16(std::string_view utf8) {
  std::u16string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp = b;
    int extra = 0;
    if (b >= 0xF0) {
      cp = b & 0x07;
      extra = 3;
    } else if (b >= 0xE0) {
      cp = b & 0x0F;
      extra = 2;
    } else if (b >= 0xC0) {
      cp = b & 0x1F;
      extra = 1;
    }
    ++i;
    for (int k = 0; k < extra && i < utf8.size(); ++k, ++i)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

// 16 characters, two to a word, the first in the high byte: the text field.
std::array<std::uint16_t, 8> PackText(std::string_view utf8) {
  std::string bytes = Utf8ToCp1250(utf8);
  bytes.resize(16, ' ');
  std::array<std::uint16_t, 8> words{};
  for (int k = 0; k < 8; ++k)
    words[k] = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[2 * k]) << 8 |
                                          static_cast<std::uint8_t>(bytes[2 * k + 1]));
  return words;
}

std::string DialogName(int number) {
  return number == res::kMainWindow ? "the main window" : "dialog " + std::to_string(number);
}

std::string Ref::Describe() const {
  if (!caption.empty()) return Quote(caption);
  return (dialog == res::kMainWindow ? std::string("main") : std::to_string(dialog)) + ":" +
         std::to_string(id);
}

int ParseDialog(LineReader& r) {
  if (r.Accept("main")) return res::kMainWindow;
  return static_cast<int>(r.NumberIn("a dialog number", 1, 99999));
}

Ref ParseRef(LineReader& r) {
  Ref ref;
  if (r.PeekText()) {
    ref.caption = r.Text("a caption");
    return ref;
  }
  const std::string w = r.Word("a control (DIALOG:ID, or its caption in quotes)");
  if (r.Failed()) return ref;
  const auto colon = w.find(':');
  std::optional<std::int64_t> d, i;
  if (colon != std::string::npos) {
    const std::string dialog = w.substr(0, colon);
    d = dialog == "main" ? std::optional<std::int64_t>(res::kMainWindow) : ParseInteger(dialog);
    i = ParseInteger(w.substr(colon + 1));
  }
  if (!d || !i || *d <= 0) {
    r.Fail("a control is DIALOG:ID (such as 130:1341 or main:23) or its caption in quotes, not '" +
           w + "'");
    return ref;
  }
  ref.dialog = static_cast<int>(*d);
  ref.id = static_cast<int>(*i);
  return ref;
}

// For input: the control in the active window. "" or why not.
std::string ResolveForInput(Runner& run, const Ref& ref, int& dialog, int& id,
                            bool clickable_only) {
  if (ref.caption.empty()) {
    dialog = ref.dialog;
    id = ref.id;
    return {};
  }
  const int top = run.ui().TopTemplate();
  if (top == 0) return "no window is open";
  auto ids = Captioned(run, top, ref.caption, clickable_only);
  if (ids.empty())
    return "no " + std::string(clickable_only ? "button" : "control") + " captioned " +
           Quote(ref.caption) + " in the active window (" + DialogName(top) + ")";
  if (ids.size() > 1)
    return "several controls of " + DialogName(top) + " are captioned " + Quote(ref.caption) +
           "; name one as " + std::to_string(top) + ":ID";
  dialog = top;
  id = ids.front();
  return {};
}

bool IsCombo(ui::ControlKind k) {
  return k == ui::ControlKind::kDropDownList || k == ui::ControlKind::kSortedCombo ||
         k == ui::ControlKind::kDropDownCombo ||
         k == ui::ControlKind::kOwnerDrawCombo;
}

std::string Trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

std::vector<WordValue> ParseWordValues(LineReader& r) {
  std::vector<WordValue> values;
  while (!r.AtEnd() && !r.Failed()) {
    const bool hex = r.PeekHex();
    const std::int64_t v = r.NumberIn("a word value", -32768, 65535);
    if (r.Failed()) break;
    values.push_back({static_cast<std::uint16_t>(v), hex     ? WordValue::kHex
                                                     : v < 0 ? WordValue::kSigned
                                                             : WordValue::kUnsigned});
  }
  if (values.empty() && !r.Failed()) r.Fail("expected at least one word value after '='");
  return values;
}

ByteList ParseBytes(LineReader& r) {
  ByteList list;
  while (!r.AtEnd() && !r.Failed()) {
    const std::string w = r.Word("a byte in hexadecimal");
    if (w == "...") {
      list.rest = true;
      if (!r.AtEnd()) r.Fail("'...' ends a byte list");
      break;
    }
    if (w == "??") {
      list.bytes.push_back(-1);
      continue;
    }
    auto v = ParseInteger("0x" + w);
    if (w.size() > 2 || !v) {
      r.Fail("a byte is two hexadecimal digits (or ?? for any), not '" + w + "'");
      break;
    }
    list.bytes.push_back(static_cast<int>(*v));
  }
  return list;
}

std::optional<sim::Exchange> ParseExchange(std::string_view w, bool frames_only) {
  using sim::Exchange;
  if (w == "set-feature") return Exchange::kSetFeature;
  if (w == "get-feature") return Exchange::kGetFeature;
  if (w == "input" || w == "read-input") return Exchange::kReadInput;
  if (w == "output" || w == "write-output") return Exchange::kWriteOutput;
  if (frames_only) return std::nullopt;
  if (w == "open") return Exchange::kOpen;
  if (w == "product-string") return Exchange::kProductString;
  return std::nullopt;
}

bool ParseFramePattern(LineReader& r, FramePattern& want) {
  const std::string w = r.Word("a frame kind (set-feature, get-feature, input, output)");
  auto kind = ParseExchange(w, true);
  if (!r.Failed() && !kind)
    r.Fail("unknown frame kind '" + w + "' (set-feature, get-feature, input, output)");
  if (r.Failed()) return false;
  want.kind = *kind;
  if (r.Accept("refused"))
    want.status = FramePattern::kRefused;
  else if (r.Accept("timed-out"))
    want.status = FramePattern::kTimedOut;
  want.bytes = ParseBytes(r);
  return !r.Failed();
}

std::string DescribePattern(const FramePattern& s) {
  std::string d = FrameKindName(s.kind);
  if (s.status == FramePattern::kRefused) d += " refused";
  if (s.status == FramePattern::kTimedOut) d += " timed-out";
  const std::string bytes = ShowBytes(s.bytes);
  return bytes.empty() ? d : d + " " + bytes;
}

std::optional<std::string> MatchFrame(const FramePattern& want, const sim::LogEntry* e) {
  if (e == nullptr) return std::string("no more frames");
  const FramePattern::Status status = e->timed_out ? FramePattern::kTimedOut
                                   : e->ok      ? FramePattern::kOk
                                                : FramePattern::kRefused;
  if (e->kind == want.kind && status == want.status && BytesMatch(want.bytes, e->bytes, 0))
    return std::nullopt;
  return DescribeEntry(*e, want);
}

const sim::LogEntry* NextFrame(Runner& run) {
  const auto& log = run.sim().Log();
  if (run.frame_cursor > log.size()) run.frame_cursor = log.size();
  while (run.frame_cursor < log.size() && !IsFrame(log[run.frame_cursor].kind)) ++run.frame_cursor;
  if (run.frame_cursor >= log.size()) return nullptr;
  return &log[run.frame_cursor++];
}

std::optional<std::string> NoMoreFrames(Runner& run) {
  const sim::LogEntry* first = nullptr;
  const std::size_t n = FramesLeft(run, &first);
  if (n == 0) return std::nullopt;
  FramePattern like;
  like.bytes.rest = true;
  like.bytes.bytes.resize(16);
  return std::to_string(n) + " more, the first " + DescribeEntry(*first, like);
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string ShowMs(std::int64_t ms) {
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

}  // namespace travik::cli
