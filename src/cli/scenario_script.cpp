#include "cli/scenario_script.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

#include "cli/scenario_lexer.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/identification.h"
#include "resources/resources.h"
#include "sim/sim_models.h"
#include "ui/template.h"

namespace travik::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kDefaultWaitBoundMs = 10000;

// --- Small helpers -----------------------------------------------------------

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

std::string UnpackText(const std::uint16_t* words) {
  std::string bytes;
  for (int k = 0; k < 8; ++k) {
    bytes += static_cast<char>(words[k] >> 8);
    bytes += static_cast<char>(words[k] & 0xFF);
  }
  return Cp1250ToUtf8(bytes);
}

std::string DialogName(int number) {
  return number == res::kMainWindow ? "the main window" : "dialog " + std::to_string(number);
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

// --- Controls ----------------------------------------------------------------

struct Ref {
  int dialog = 0;  // 0: by caption
  int id = 0;
  std::string caption;

  std::string Describe() const {
    if (!caption.empty()) return Quote(caption);
    return (dialog == res::kMainWindow ? std::string("main") : std::to_string(dialog)) + ":" +
           std::to_string(id);
  }
};

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

bool Clickable(ui::ControlKind k) {
  return k == ui::ControlKind::kButton || k == ui::ControlKind::kDefaultButton ||
         k == ui::ControlKind::kCheckBox || k == ui::ControlKind::kRadio;
}

// Controls of an open dialog whose current text is the caption.
std::vector<int> Captioned(Runner& run, int dialog, const std::string& caption, bool clickable_only) {
  std::vector<int> ids;
  const ui::DialogTemplate* t = ui::FindTemplate(dialog);
  if (t == nullptr) return ids;
  for (const auto& c : t->controls) {
    if (c.kind == ui::ControlKind::kPaintedText) continue;
    if (clickable_only && !Clickable(c.kind)) continue;
    auto state = run.ui().Control(dialog, c.id);
    if (state && state->text == caption) ids.push_back(c.id);
  }
  return ids;
}

// For input: the control in the active window. "" or why not.
std::string ResolveForInput(Runner& run, const Ref& ref, int& dialog, int& id, bool clickable_only) {
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

// For inspection: the control's state, or why there is none. A caption is
// looked up from the top window down.
std::optional<ui::ControlState> Lookup(Runner& run, const Ref& ref, std::string& why) {
  if (ref.caption.empty()) {
    auto c = run.ui().Control(ref.dialog, ref.id);
    if (!c)
      why = run.ui().IsOpen(ref.dialog)
                ? DialogName(ref.dialog) + " has no control " + std::to_string(ref.id)
                : DialogName(ref.dialog) + " is not open";
    return c;
  }
  auto windows = run.ui().Windows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    auto ids = Captioned(run, it->template_number, ref.caption, false);
    if (!ids.empty()) return run.ui().Control(it->template_number, ids.front());
  }
  why = "no open window has a control captioned " + Quote(ref.caption);
  return std::nullopt;
}

bool IsCombo(ui::ControlKind k) {
  return k == ui::ControlKind::kDropDownList || k == ui::ControlKind::kSortedCombo ||
         k == ui::ControlKind::kOwnerDrawCombo;
}

std::string Trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

// --- Expectations ------------------------------------------------------------

struct Expectation {
  std::string what;
  Check check;
};

struct ControlProp {
  std::string what;
  std::function<std::optional<std::string>(const ui::ControlState&)> test;
};

std::string SelectionText(const ui::ControlState& c) {
  if (c.selection < 0) return "no selection";
  std::string s = "selection " + std::to_string(c.selection);
  if (c.selection < static_cast<int>(c.items.size()))
    s += " (" + Quote(c.items[static_cast<std::size_t>(c.selection)]) + ")";
  return s;
}

// One property word of a control; false when the next word is none.
bool ParseControlProp(LineReader& r, std::vector<ControlProp>& props) {
  auto flag = [&props](const char* yes, const char* no, bool want, bool ui::ControlState::*member) {
    props.push_back({want ? yes : no, [=](const ui::ControlState& c) -> std::optional<std::string> {
                       if (c.*member == want) return std::nullopt;
                       return std::string(c.*member ? yes : no);
                     }});
  };
  if (r.Accept("text")) {
    const std::string want = r.Text("the text");
    props.push_back({"text " + Quote(want), [want](const ui::ControlState& c) -> std::optional<std::string> {
                       if (c.text == want) return std::nullopt;
                       return "text " + Quote(c.text);
                     }});
  } else if (r.Accept("enabled")) {
    flag("enabled", "disabled", true, &ui::ControlState::enabled);
  } else if (r.Accept("disabled")) {
    flag("enabled", "disabled", false, &ui::ControlState::enabled);
  } else if (r.Accept("visible")) {
    flag("visible", "hidden", true, &ui::ControlState::visible);
  } else if (r.Accept("hidden")) {
    flag("visible", "hidden", false, &ui::ControlState::visible);
  } else if (r.Accept("checked")) {
    flag("checked", "unchecked", true, &ui::ControlState::checked);
  } else if (r.Accept("unchecked")) {
    flag("checked", "unchecked", false, &ui::ControlState::checked);
  } else if (r.Accept("selection")) {
    if (r.Accept("none")) {
      props.push_back({"no selection", [](const ui::ControlState& c) -> std::optional<std::string> {
                         if (c.selection < 0) return std::nullopt;
                         return SelectionText(c);
                       }});
    } else if (r.PeekText()) {
      const std::string want = r.Text("the entry");
      props.push_back({"selection " + Quote(want),
                       [want](const ui::ControlState& c) -> std::optional<std::string> {
                         if (c.selection >= 0 && c.selection < static_cast<int>(c.items.size()) &&
                             c.items[static_cast<std::size_t>(c.selection)] == want)
                           return std::nullopt;
                         return SelectionText(c);
                       }});
    } else {
      const int want = static_cast<int>(r.NumberIn("the position", 0, 9999));
      props.push_back({"selection " + std::to_string(want),
                       [want](const ui::ControlState& c) -> std::optional<std::string> {
                         if (c.selection == want) return std::nullopt;
                         return SelectionText(c);
                       }});
    }
  } else if (r.Accept("entries")) {
    const auto want = static_cast<std::size_t>(r.NumberIn("the number of entries", 0, 9999));
    props.push_back({std::to_string(want) + " entries",
                     [want](const ui::ControlState& c) -> std::optional<std::string> {
                       if (c.items.size() == want) return std::nullopt;
                       return std::to_string(c.items.size()) + " entries";
                     }});
  } else {
    return false;
  }
  return true;
}

// A word value as written: the got value is shown the same way.
struct WordValue {
  std::uint16_t value;
  enum Shown { kUnsigned, kSigned, kHex } shown;
};

std::string ShowWord(std::uint16_t w, WordValue::Shown shown) {
  char buf[16];
  switch (shown) {
    case WordValue::kSigned: return std::to_string(static_cast<std::int16_t>(w));
    case WordValue::kHex: std::snprintf(buf, sizeof buf, "0x%04X", w); return buf;
    case WordValue::kUnsigned: break;
  }
  return std::to_string(w);
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

// Where the words live: the program's ConfigImage or a simulated device.
enum class WordSource { kImage, kMemory, kEeprom };

// word N = V V … / text N = "…" on a source. `name` is the device (memory, EEPROM).
std::optional<Expectation> ParseWordsExpectation(LineReader& r, WordSource source, std::string name) {
  const std::string where = source == WordSource::kImage    ? "ConfigImage"
                            : source == WordSource::kMemory ? "device memory"
                                                            : "device EEPROM";
  const std::string of = name.empty() ? "" : " of " + name;
  auto words_of = [source, name](Runner& run, std::string& why) -> const std::uint16_t* {
    if (source == WordSource::kImage) return G().ConfigImage.data();
    sim::SimTransmitter* t = run.Transmitter(name, why);
    if (t == nullptr) return nullptr;
    return source == WordSource::kMemory ? t->memory().data() : t->eeprom().data();
  };
  if (r.Accept("text")) {
    const int first = static_cast<int>(r.NumberIn("the first word", 0, kConfigWords - 8));
    r.Expect("=");
    const std::string want = r.Text("the text");
    r.End();
    const auto packed = PackText(want);
    return Expectation{where + of + " text " + std::to_string(first) + " = " + Quote(want),
                       [=](Runner& run) -> std::optional<std::string> {
                         std::string why;
                         const std::uint16_t* w = words_of(run, why);
                         if (w == nullptr) return why;
                         if (std::equal(packed.begin(), packed.end(), w + first)) return std::nullopt;
                         return Quote(UnpackText(w + first));
                       }};
  }
  r.Expect("word");
  const int first = static_cast<int>(r.NumberIn("the word", 0, kConfigWords - 1));
  r.Expect("=");
  auto values = ParseWordValues(r);
  if (!r.Failed() && first + static_cast<int>(values.size()) > kConfigWords)
    r.Fail("the words run past word " + std::to_string(kConfigWords - 1));
  if (r.Failed()) return std::nullopt;
  std::string what = where + of + " word " + std::to_string(first) + " =";
  for (const auto& v : values) what += " " + ShowWord(v.value, v.shown);
  return Expectation{what, [=](Runner& run) -> std::optional<std::string> {
                       std::string why;
                       const std::uint16_t* w = words_of(run, why);
                       if (w == nullptr) return why;
                       bool same = true;
                       std::string got;
                       for (std::size_t k = 0; k < values.size(); ++k) {
                         same = same && w[first + k] == values[k].value;
                         got += (k ? " " : "") + ShowWord(w[first + k], values[k].shown);
                       }
                       if (same) return std::nullopt;
                       return got;
                     }};
}

// Values for the hex byte lists of frames and files: -1 matches any byte.
struct ByteList {
  std::vector<int> bytes;
  bool rest = false;  // "..." at the end: what follows is not compared
};

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

// --- Frames --------------------------------------------------------------------

struct FrameSpec {
  int line = 0;
  sim::Exchange kind = sim::Exchange::kSetFeature;
  enum Status { kOk, kRefused, kTimedOut } status = kOk;
  ByteList bytes;
};

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

// Exchange kinds as faults and frames name them.
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

bool ParseFrameSpec(LineReader& r, FrameSpec& spec) {
  const std::string w = r.Word("a frame kind (set-feature, get-feature, input, output)");
  auto kind = ParseExchange(w, true);
  if (!r.Failed() && !kind) r.Fail("unknown frame kind '" + w + "' (set-feature, get-feature, input, output)");
  if (r.Failed()) return false;
  spec.kind = *kind;
  if (r.Accept("refused")) spec.status = FrameSpec::kRefused;
  else if (r.Accept("timed-out")) spec.status = FrameSpec::kTimedOut;
  spec.bytes = ParseBytes(r);
  return !r.Failed();
}

std::string DescribeSpec(const FrameSpec& s) {
  std::string d = FrameKindName(s.kind);
  if (s.status == FrameSpec::kRefused) d += " refused";
  if (s.status == FrameSpec::kTimedOut) d += " timed-out";
  const std::string bytes = ShowBytes(s.bytes);
  return bytes.empty() ? d : d + " " + bytes;
}

std::string DescribeEntry(const sim::LogEntry& e, const FrameSpec& like) {
  std::string d = FrameKindName(e.kind);
  if (e.timed_out) d += " timed-out";
  else if (!e.ok) d += " refused";
  std::size_t shown = e.bytes.size();
  // As long as the expected list, when that one leaves the rest open.
  if (like.bytes.rest && like.bytes.bytes.size() < shown) shown = like.bytes.bytes.size();
  const std::string bytes = Hex(e.bytes, 0, shown);
  if (!bytes.empty()) d += " " + bytes;
  if (shown < e.bytes.size()) d += " ...";
  return d;
}

std::optional<std::string> MatchFrame(const FrameSpec& spec, const sim::LogEntry* e) {
  if (e == nullptr) return std::string("no more frames");
  const FrameSpec::Status status = e->timed_out ? FrameSpec::kTimedOut
                                   : e->ok      ? FrameSpec::kOk
                                                : FrameSpec::kRefused;
  if (e->kind == spec.kind && status == spec.status && BytesMatch(spec.bytes, e->bytes, 0))
    return std::nullopt;
  return DescribeEntry(*e, spec);
}

const sim::LogEntry* NextFrame(Runner& run) {
  const auto& log = run.sim().Log();
  if (run.frame_cursor > log.size()) run.frame_cursor = log.size();
  while (run.frame_cursor < log.size() && !IsFrame(log[run.frame_cursor].kind)) ++run.frame_cursor;
  if (run.frame_cursor >= log.size()) return nullptr;
  return &log[run.frame_cursor++];
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

std::optional<std::string> NoMoreFrames(Runner& run) {
  const sim::LogEntry* first = nullptr;
  const std::size_t n = FramesLeft(run, &first);
  if (n == 0) return std::nullopt;
  FrameSpec like;
  like.bytes.rest = true;
  like.bytes.bytes.resize(16);
  return std::to_string(n) + " more, the first " + DescribeEntry(*first, like);
}

// --- Messages ----------------------------------------------------------------

struct MessageSpec {
  std::optional<std::string> text;
  bool containing = false;
  std::optional<std::string> caption;
  std::optional<ui::Icon> icon;
  std::optional<int> owner;
};

std::optional<ui::Icon> ParseIcon(std::string_view w) {
  if (w == "information") return ui::Icon::kInformation;
  if (w == "warning") return ui::Icon::kWarning;
  if (w == "error") return ui::Icon::kError;
  if (w == "none") return ui::Icon::kNone;
  return std::nullopt;
}

std::string DescribeMessage(const ui::MessageRecord& m, bool with_owner) {
  std::string d = "message " + Quote(m.text) + " caption " + Quote(m.caption) + " icon " +
                  ui::IconName(m.icon);
  if (with_owner) d += " owner " + std::to_string(m.owner_template);
  return d;
}

std::string DescribeSpec(const MessageSpec& s) {
  std::string d = "message";
  if (s.text) d += (s.containing ? " containing " : " ") + Quote(*s.text);
  if (s.caption) d += " caption " + Quote(*s.caption);
  if (s.icon) d += std::string(" icon ") + ui::IconName(*s.icon);
  if (s.owner) d += " owner " + std::to_string(*s.owner);
  return d;
}

bool MessageMatches(const MessageSpec& s, const ui::MessageRecord& m) {
  if (s.text && (s.containing ? m.text.find(*s.text) == std::string::npos : m.text != *s.text))
    return false;
  if (s.caption && m.caption != *s.caption) return false;
  if (s.icon && m.icon != *s.icon) return false;
  if (s.owner && m.owner_template != *s.owner) return false;
  return true;
}

// --- Globals -----------------------------------------------------------------

std::optional<Expectation> ParseGlobal(LineReader& r, const std::string& name) {
  r.Expect("=");
  auto numeric = [&](auto get) -> std::optional<Expectation> {
    const std::int64_t want = r.NumberIn("the value", 0, 255);
    r.End();
    return Expectation{name + " = " + std::to_string(want), [=](Runner&) -> std::optional<std::string> {
                         const int v = get();
                         if (v == want) return std::nullopt;
                         return std::to_string(v);
                       }};
  };
  auto text = [&](auto get) -> std::optional<Expectation> {
    const std::string want = r.Text("the text");
    r.End();
    return Expectation{name + " = " + Quote(want), [=](Runner&) -> std::optional<std::string> {
                         const std::string v = Cp1250ToUtf8(get());
                         if (v == want) return std::nullopt;
                         return Quote(v);
                       }};
  };
  auto ids = [&](auto get) -> std::optional<Expectation> {
    const auto vendor = static_cast<std::uint32_t>(r.NumberIn("the vendor identifier", 0, 0xFFFF));
    const auto product = static_cast<std::uint32_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
    r.End();
    auto show = [](std::uint32_t v, std::uint32_t p) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "0x%04X 0x%04X", v & 0xFFFF, p & 0xFFFF);
      return std::string(buf);
    };
    return Expectation{name + " = " + show(vendor, product), [=](Runner&) -> std::optional<std::string> {
                         const UsbIds got = get();
                         if ((got.vendor & 0xFFFF) == vendor && (got.product & 0xFFFF) == product)
                           return std::nullopt;
                         return show(got.vendor, got.product);
                       }};
  };
  if (name == "DeviceOnline") return numeric([] { return int{G().DeviceOnline}; });
  if (name == "ConnectState") return numeric([] { return int{G().ConnectState}; });
  if (name == "TransferState") return numeric([] { return int{G().Transfer.TransferState}; });
  if (name == "DeviceType") {
    // A number, or the model name that identification gives the type.
    std::optional<int> number;
    std::string model;
    if (r.PeekNumber()) number = static_cast<int>(r.NumberIn("the device type", 0, 255));
    else model = r.Word("a device type (a number or a model name)");
    r.End();
    if (r.Failed()) return std::nullopt;
    return Expectation{"DeviceType = " + (number ? std::to_string(*number) : model),
                       [=](Runner&) -> std::optional<std::string> {
                         const int t = G().DeviceType;
                         if (number ? t == *number : ModelName(t) == model) return std::nullopt;
                         const std::string m = ModelName(t);
                         return std::to_string(t) + (m.empty() ? "" : " (" + m + ")");
                       }};
  }
  if (name == "DeviceIdText") return text([] { return TextOf(G().DeviceIdText); });
  if (name == "FirmwareText") return text([] { return TextOf(G().FirmwareText); });
  if (name == "ProductText") return text([] { return TextOf(G().ProductText); });
  if (name == "TransmitterIds") return ids([] { return G().TransmitterIds; });
  if (name == "CalibratorIds") return ids([] { return G().CalibratorIds; });
  return std::nullopt;
}

bool IsGlobalName(std::string_view w) {
  static const char* kNames[] = {"DeviceOnline", "ConnectState", "TransferState", "DeviceType",
                                 "DeviceIdText", "FirmwareText", "ProductText",   "TransmitterIds",
                                 "CalibratorIds"};
  return std::any_of(std::begin(kNames), std::end(kNames), [w](const char* n) { return w == n; });
}

// --- Files -------------------------------------------------------------------

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::optional<Expectation> ParseFile(LineReader& r) {
  const std::string name = r.Text("the file name");
  const std::string file = "file " + Quote(name);
  if (r.Failed()) return std::nullopt;
  const auto no_file = std::string("no such file");
  if (r.Accept("exists")) {
    r.End();
    return Expectation{file + " to exist", [=](Runner& run) -> std::optional<std::string> {
                         if (fs::exists(run.WorkPath(name))) return std::nullopt;
                         return no_file;
                       }};
  }
  if (r.Accept("missing")) {
    r.End();
    return Expectation{"no " + file, [=](Runner& run) -> std::optional<std::string> {
                         if (!fs::exists(run.WorkPath(name))) return std::nullopt;
                         return std::string("the file exists");
                       }};
  }
  if (r.Accept("size")) {
    const auto size = static_cast<std::size_t>(r.NumberIn("the size", 0, 1 << 30));
    r.End();
    return Expectation{file + " of " + std::to_string(size) + " bytes",
                       [=](Runner& run) -> std::optional<std::string> {
                         auto bytes = ReadFileBytes(run.WorkPath(name));
                         if (!bytes) return no_file;
                         if (bytes->size() == size) return std::nullopt;
                         return std::to_string(bytes->size()) + " bytes";
                       }};
  }
  if (!r.Accept("at")) {
    r.Fail("after the file name: exists, missing, size N, or at OFFSET text \"…\" / bytes …");
    return std::nullopt;
  }
  const auto offset = static_cast<std::size_t>(r.NumberIn("the offset", 0, 1 << 30));
  ByteList want;
  std::string what;
  bool as_text = false;
  if (r.Accept("text")) {
    const std::string text = r.Text("the text");
    for (unsigned char c : Utf8ToCp1250(text)) want.bytes.push_back(c);
    what = file + " at " + std::to_string(offset) + " text " + Quote(text);
    as_text = true;
  } else {
    r.Expect("bytes");
    want = ParseBytes(r);
    if (!r.Failed() && want.bytes.empty()) r.Fail("expected the bytes");
    what = file + " at " + std::to_string(offset) + " bytes " + ShowBytes(want);
  }
  r.End();
  if (r.Failed()) return std::nullopt;
  // Only the bytes listed are compared; the file goes on after them.
  want.rest = true;
  return Expectation{what, [=](Runner& run) -> std::optional<std::string> {
                       auto bytes = ReadFileBytes(run.WorkPath(name));
                       if (!bytes) return no_file;
                       if (BytesMatch(want, *bytes, offset)) return std::nullopt;
                       if (offset >= bytes->size())
                         return "the file ends at " + std::to_string(bytes->size());
                       const std::size_t n = std::min(want.bytes.size(), bytes->size() - offset);
                       if (as_text)
                         return Quote(Cp1250ToUtf8(std::string(bytes->begin() + offset,
                                                               bytes->begin() + offset + n)));
                       return Hex(*bytes, offset, n);
                     }};
}

// --- Expect and wait until ---------------------------------------------------

std::string NeedsSim(std::string_view what) {
  return std::string(what) + " needs simulated devices; with --real the devices are real";
}

// The states of `expect …`; with for_wait, only those that `wait until` can
// poll (not the ones that read message boxes or frames in order).
void ParseExpect(LineReader& r, bool simulated, bool for_wait, std::vector<Expectation>& out) {
  auto sim_only = [&](const char* what) {
    if (!simulated) r.Fail(NeedsSim(what));
    return simulated;
  };
  auto in_order = [&](const char* what) {
    if (for_wait) r.Fail(std::string("'wait until' cannot wait for ") + what + "; use expect");
    return !for_wait;
  };
  auto add = [&](std::optional<Expectation> e) {
    if (e && !r.Failed()) out.push_back(std::move(*e));
  };

  if (r.Accept("dialog")) {
    const int n = ParseDialog(r);
    const std::string name = DialogName(n);
    if (r.Accept("open")) {
      out.push_back({name + " open", [n](Runner& run) -> std::optional<std::string> {
                       if (run.ui().IsOpen(n)) return std::nullopt;
                       return WindowStack(run);
                     }});
    } else if (r.Accept("closed")) {
      out.push_back({name + " closed", [n](Runner& run) -> std::optional<std::string> {
                       if (!run.ui().IsOpen(n)) return std::nullopt;
                       return WindowStack(run);
                     }});
    } else if (r.Accept("on")) {
      r.Expect("top");
      out.push_back({name + " on top", [n](Runner& run) -> std::optional<std::string> {
                       if (run.ui().TopTemplate() == n) return std::nullopt;
                       return WindowStack(run);
                     }});
    } else if (r.PeekWord("hidden") || r.PeekWord("visible")) {
      const bool want = r.Accept("visible");
      if (!want) r.Accept("hidden");
      out.push_back({name + (want ? " visible" : " hidden"), [n, want](Runner& run) -> std::optional<std::string> {
                       auto windows = run.ui().Windows();
                       for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
                         if (it->template_number != n) continue;
                         if (it->visible == want) return std::nullopt;
                         return std::string(it->visible ? "visible" : "hidden");
                       }
                       return std::string("not open");
                     }});
    } else {
      r.Fail("after the dialog number: open, closed, on top, hidden or visible");
    }
    r.End();
    return;
  }
  if (r.Accept("windows")) {
    std::vector<int> want;
    std::string what = "windows";
    while (!r.AtEnd() && !r.Failed()) {
      want.push_back(ParseDialog(r));
      what += " " + std::to_string(want.back());
    }
    if (want.empty()) r.Fail("expected the open windows, bottom to top");
    out.push_back({what, [want](Runner& run) -> std::optional<std::string> {
                     std::vector<int> got;
                     for (const auto& w : run.ui().Windows()) got.push_back(w.template_number);
                     if (got == want) return std::nullopt;
                     return WindowStack(run);
                   }});
    return;
  }
  if (r.Accept("program")) {
    const bool ended = r.Accept("ended");
    if (!ended) r.Expect("running");
    r.End();
    out.push_back({ended ? "the program ended" : "the program running",
                   [ended](Runner& run) -> std::optional<std::string> {
                     const bool finished = run.ui().Finished();
                     if (finished == ended) return std::nullopt;
                     return std::string(finished ? "it ended" : "it runs");
                   }});
    return;
  }
  if (r.Accept("messages")) {
    const auto n = static_cast<std::size_t>(r.NumberIn("the number of message boxes", 0, 100000));
    r.End();
    out.push_back({std::to_string(n) + " message boxes so far", [n](Runner& run) -> std::optional<std::string> {
                     const std::size_t got = run.ui().Messages().size();
                     if (got == n) return std::nullopt;
                     return std::to_string(got);
                   }});
    return;
  }
  if (r.Accept("no")) {
    r.Expect("more");
    if (r.Accept("messages")) {
      r.End();
      if (!in_order("messages in order")) return;
      out.push_back({"no more message boxes", [](Runner& run) -> std::optional<std::string> {
                       const auto& all = run.ui().Messages();
                       if (run.message_cursor >= all.size()) return std::nullopt;
                       return std::to_string(all.size() - run.message_cursor) + " more, the first " +
                              DescribeMessage(all[run.message_cursor], false);
                     }});
      return;
    }
    r.Expect("frames");
    r.End();
    if (!sim_only("expecting frames") || !in_order("frames in order")) return;
    out.push_back({"no more frames", [](Runner& run) { return NoMoreFrames(run); }});
    return;
  }
  if (r.Accept("message")) {
    if (!in_order("a message box in order")) return;
    MessageSpec spec;
    spec.containing = r.Accept("containing");
    if (r.PeekText()) spec.text = r.Text("the text");
    else if (spec.containing) r.Fail("expected the text after 'containing'");
    while (!r.AtEnd() && !r.Failed()) {
      if (r.Accept("caption")) {
        spec.caption = r.Text("the caption");
      } else if (r.Accept("icon")) {
        const std::string w = r.Word("the icon (information, warning, error, none)");
        spec.icon = ParseIcon(w);
        if (!spec.icon && !r.Failed()) r.Fail("unknown icon '" + w + "' (information, warning, error, none)");
      } else if (r.Accept("owner")) {
        spec.owner = ParseDialog(r);
      } else {
        r.Fail("after the message text: caption \"…\", icon NAME or owner DIALOG");
      }
    }
    if (!spec.text && !spec.caption && !spec.icon && !spec.owner && !r.Failed())
      r.Fail("say what the message box shows: its text, caption, icon or owner");
    out.push_back({DescribeSpec(spec), [spec](Runner& run) -> std::optional<std::string> {
                     const auto& all = run.ui().Messages();
                     if (run.message_cursor >= all.size()) return std::string("no more message boxes");
                     const ui::MessageRecord& m = all[run.message_cursor++];
                     if (MessageMatches(spec, m)) return std::nullopt;
                     return DescribeMessage(m, spec.owner.has_value());
                   }});
    return;
  }
  if (r.Accept("frame")) {
    if (!sim_only("expecting frames") || !in_order("frames in order")) return;
    FrameSpec spec;
    if (!ParseFrameSpec(r, spec)) return;
    out.push_back({"frame " + DescribeSpec(spec), [spec](Runner& run) { return MatchFrame(spec, NextFrame(run)); }});
    return;
  }
  if (r.Accept("image") || r.Accept("ConfigImage")) {
    add(ParseWordsExpectation(r, WordSource::kImage, {}));
    return;
  }
  if (r.PeekWord("memory") || r.PeekWord("eeprom")) {
    const WordSource source = r.Accept("memory") ? WordSource::kMemory : WordSource::kEeprom;
    if (source == WordSource::kEeprom) r.Accept("eeprom");
    if (!sim_only("the memory of a simulated device")) return;
    std::string name;
    if (r.Accept("of")) name = r.Word("the device name");
    add(ParseWordsExpectation(r, source, name));
    return;
  }
  if (r.Accept("file")) {
    add(ParseFile(r));
    return;
  }
  if (const std::string w = r.PeekWordText(); IsGlobalName(w)) {
    r.Word("a global");
    add(ParseGlobal(r, w));
    return;
  }
  const Ref ref = ParseRef(r);
  std::vector<ControlProp> props;
  while (!r.AtEnd() && !r.Failed())
    if (!ParseControlProp(r, props))
      r.Fail("unknown property '" + r.PeekWordText() +
             "' (text \"…\", enabled, disabled, visible, hidden, checked, unchecked, selection, entries)");
  if (props.empty() && !r.Failed())
    r.Fail("say what to expect of " + ref.Describe() +
           ": text \"…\", enabled, disabled, visible, hidden, checked, unchecked, selection or entries");
  for (auto& p : props) {
    auto test = p.test;
    out.push_back({ref.Describe() + " " + p.what, [ref, test](Runner& run) -> std::optional<std::string> {
                     std::string why;
                     auto c = Lookup(run, ref, why);
                     if (!c) return why;
                     return test(*c);
                   }});
  }
}

std::string ShowMs(std::int64_t ms) {
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

// --- Statements --------------------------------------------------------------

using Act = std::function<std::string(Runner&)>;

std::function<bool(Runner&, const Statement&)> AsAction(Act act) {
  return [act = std::move(act)](Runner& run, const Statement& s) {
    const std::string why = act(run);
    if (why.empty()) return true;
    run.Fail(s.line, s.source + ": " + why);
    return false;
  };
}

// An action on the running program.
std::function<bool(Runner&, const Statement&)> AsInput(Act act) {
  return AsAction([act = std::move(act)](Runner& run) {
    std::string why = run.NeedsProgram();
    return why.empty() ? act(run) : why;
  });
}

std::function<bool(Runner&, const Statement&)> AsExpectations(std::vector<Expectation> list) {
  return [list = std::move(list)](Runner& run, const Statement& s) {
    for (const auto& e : list)
      if (auto got = e.check(run)) run.Fail(s.line, "expected " + e.what + ", got " + *got);
    return true;
  };
}

std::function<bool(Runner&, const Statement&)> AsWait(std::vector<Expectation> list, std::int64_t bound) {
  return [list = std::move(list), bound](Runner& run, const Statement& s) {
    if (std::string why = run.NeedsProgram(); !why.empty()) {
      run.Fail(s.line, s.source + ": " + why);
      return false;
    }
    auto holds = [&] {
      return std::none_of(list.begin(), list.end(), [&](const Expectation& e) { return e.check(run).has_value(); });
    };
    if (run.ui().AdvanceUntil(holds, bound)) return true;
    for (const auto& e : list) {
      if (auto got = e.check(run)) {
        run.Fail(s.line, "expected " + e.what + " within " + ShowMs(bound) + ", got " + *got);
        break;
      }
    }
    return false;
  };
}

// "next", "1st", "2nd", "7th": the n-th exchange of a kind from now on.
int ParseOrdinal(LineReader& r) {
  if (r.Accept("next")) return 1;
  const std::string w = r.Word("which one (next, 1st, 2nd, 7th …)");
  std::size_t digits = 0;
  while (digits < w.size() && w[digits] >= '0' && w[digits] <= '9') ++digits;
  const std::string suffix = w.substr(digits);
  int n = 0;
  for (std::size_t i = 0; i < digits && i < 6; ++i) n = n * 10 + (w[i] - '0');
  if (!r.Failed() && (digits == 0 || digits > 6 || n < 1 ||
                      (suffix != "st" && suffix != "nd" && suffix != "rd" && suffix != "th")))
    r.Fail("expected next, 1st, 2nd, 3rd, 7th … instead of '" + w + "'");
  return n < 1 ? 1 : n;
}

sim::Exchange ParseFaultKind(LineReader& r) {
  const std::string w = r.Word("an exchange (open, set-feature, get-feature, input, output, product-string)");
  auto kind = ParseExchange(w, false);
  if (!kind && !r.Failed())
    r.Fail("unknown exchange '" + w + "' (open, set-feature, get-feature, input, output, product-string)");
  return kind.value_or(sim::Exchange::kSetFeature);
}

// A change to a simulated transmitter (the current one).
Act OnTransmitter(std::function<void(sim::SimTransmitter&)> change) {
  return [change = std::move(change)](Runner& run) {
    std::string why;
    sim::SimTransmitter* t = run.Transmitter({}, why);
    if (t == nullptr) return why;
    change(*t);
    return std::string();
  };
}

Act OnDevice(std::string name, std::function<void(sim::SimDevice&)> change) {
  return [name = std::move(name), change = std::move(change)](Runner& run) {
    std::string why;
    sim::SimDevice* d = run.Device(name, why);
    if (d == nullptr) return why;
    change(*d);
    return std::string();
  };
}

std::string ModelList() {
  std::string s;
  for (const auto& m : sim::SimModels()) s += (s.empty() ? "" : ", ") + m.name;
  return s;
}

// Device setup lines. False when the first word is none of them.
bool ParseSetup(LineReader& r, const std::string& word, Statement& st) {
  if (word == "device") {
    const std::string kind = r.Word("a model name or a device kind");
    std::function<sim::SimDevice&(sim::SimBackend&)> make;
    if (kind == "transmitter") {
      make = [](sim::SimBackend& b) -> sim::SimDevice& { return b.AddTransmitter(); };
    } else if (kind == "vendor") {
      const auto vendor = static_cast<std::uint16_t>(r.NumberIn("the vendor identifier", 0, 0xFFFF));
      const auto product = static_cast<std::uint16_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
      std::u16string text = u"Vendor HID device";
      if (r.PeekText()) text = Utf16(r.Text("the product string"));
      make = [=](sim::SimBackend& b) -> sim::SimDevice& { return b.AddVendorDevice(vendor, product, text); };
    } else if (kind == "other-usage") {
      const auto usage = static_cast<std::uint16_t>(r.NumberIn("the usage", 0, 0xFFFF));
      make = [=](sim::SimBackend& b) -> sim::SimDevice& { return b.AddVendorOtherUsage(usage); };
    } else if (kind == "keyboard") {
      make = [](sim::SimBackend& b) -> sim::SimDevice& { return b.AddKeyboard(); };
    } else if (kind == "mouse") {
      make = [](sim::SimBackend& b) -> sim::SimDevice& { return b.AddMouse(); };
    } else if (kind == "unopenable") {
      std::uint16_t vendor = sim::kDefaultTransmitterVendor;
      std::uint16_t product = sim::kDefaultTransmitterProduct;
      if (r.PeekNumber()) {
        vendor = static_cast<std::uint16_t>(r.NumberIn("the vendor identifier", 0, 0xFFFF));
        product = static_cast<std::uint16_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
      }
      make = [=](sim::SimBackend& b) -> sim::SimDevice& { return b.AddUnopenable(vendor, product); };
    } else if (kind == "calibrator" || kind == "calibration") {
      r.Fail("there is no simulated calibration device yet");
    } else if (const sim::SimModel* model = sim::FindSimModel(kind)) {
      make = [model](sim::SimBackend& b) -> sim::SimDevice& { return b.AddTransmitter(*model); };
    } else if (!r.Failed()) {
      r.Fail("unknown device '" + kind +
             "' (transmitter, vendor, other-usage, keyboard, mouse, unopenable, or a model: " + ModelList() +
             ")");
    }
    std::string name;
    if (r.Accept("as")) name = r.Word("a name for the device");
    r.End();
    st.run = AsAction([make, name](Runner& run) {
      run.AddDevice(make(run.sim()), name);
      return std::string();
    });
    return true;
  }
  if (word == "use") {
    const std::string name = r.Word("the device name");
    r.End();
    st.run = AsAction([name](Runner& run) {
      std::string why;
      run.Use(name, why);
      return why;
    });
    return true;
  }
  if (word == "id" || word == "firmware") {
    const std::string text = Utf8ToCp1250(r.Text(word == "id" ? "the ID text" : "the firmware version"));
    r.End();
    const bool id = word == "id";
    st.run = AsAction(OnTransmitter([=](sim::SimTransmitter& t) {
      if (id) t.SetIdText(text);
      else t.SetFirmware(text);
    }));
    return true;
  }
  if (word == "product") {
    const std::u16string text = Utf16(r.Text("the product string"));
    r.End();
    st.run = AsAction(OnDevice({}, [=](sim::SimDevice& d) { d.set_product_string(text); }));
    return true;
  }
  if (word == "ids") {
    const auto vendor = static_cast<std::uint16_t>(r.NumberIn("the vendor identifier", 0, 0xFFFF));
    const auto product = static_cast<std::uint16_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
    r.End();
    st.run = AsAction(OnDevice({}, [=](sim::SimDevice& d) { d.set_ids(vendor, product); }));
    return true;
  }
  if (word == "word" || word == "text") {
    // The device holds the setting: memory and EEPROM alike (live words 0-15
    // are memory only).
    std::vector<std::uint16_t> values;
    int first = 0;
    if (word == "text") {
      first = static_cast<int>(r.NumberIn("the first word", 0, kConfigWords - 8));
      r.Expect("=");
      const auto packed = PackText(r.Text("the text"));
      values.assign(packed.begin(), packed.end());
    } else {
      first = static_cast<int>(r.NumberIn("the word", 0, kConfigWords - 1));
      r.Expect("=");
      for (const auto& v : ParseWordValues(r)) values.push_back(v.value);
      if (!r.Failed() && first + static_cast<int>(values.size()) > kConfigWords)
        r.Fail("the words run past word " + std::to_string(kConfigWords - 1));
    }
    r.End();
    st.run = AsAction(OnTransmitter([=](sim::SimTransmitter& t) {
      auto memory = t.memory();
      auto eeprom = t.eeprom();
      for (std::size_t k = 0; k < values.size(); ++k) {
        memory[first + k] = values[k];
        eeprom[first + k] = values[k];
      }
      t.SetFactoryMemory(eeprom);
      t.memory() = memory;
    }));
    return true;
  }
  if (word == "jumper") {
    const bool fitted = r.Accept("fitted");
    if (!fitted) r.Expect("missing");
    r.End();
    st.run = AsAction(OnTransmitter([=](sim::SimTransmitter& t) { t.set_jumper_fitted(fitted); }));
    return true;
  }
  if (word == "user") {
    r.Expect("menu");
    const bool open = r.Accept("open");
    if (!open) r.Expect("closed");
    r.End();
    st.run = AsAction(OnTransmitter([=](sim::SimTransmitter& t) { t.SetUserMenuOpen(open); }));
    return true;
  }
  if (word == "unplug" || word == "replug") {
    std::string name;
    if (!r.AtEnd()) name = r.Word("the device name");
    r.End();
    const bool unplug = word == "unplug";
    st.run = AsAction(OnDevice(name, [=](sim::SimDevice& d) {
      if (unplug) d.Unplug();
      else d.Replug();
    }));
    return true;
  }
  if (word == "power") {
    r.Expect("cycle");
    std::string name;
    if (!r.AtEnd()) name = r.Word("the device name");
    r.End();
    st.run = AsAction([name](Runner& run) {
      std::string why;
      sim::SimTransmitter* t = run.Transmitter(name, why);
      if (t != nullptr) t->PowerCycle();
      return why;
    });
    return true;
  }
  if (word == "refuse") {
    const bool all = r.Accept("all");
    const int n = all ? 0 : ParseOrdinal(r);
    const sim::Exchange kind = ParseFaultKind(r);
    r.End();
    if (!r.Failed() && kind == sim::Exchange::kClose) r.Fail("closing cannot be refused");
    st.run = AsAction([=](Runner& run) {
      if (all) run.sim().FailAll(kind, true);
      else run.sim().FailNth(kind, n);
      return std::string();
    });
    return true;
  }
  if (word == "timeout") {
    const int n = ParseOrdinal(r);
    const sim::Exchange kind = ParseFaultKind(r);
    r.End();
    if (!r.Failed() && kind != sim::Exchange::kReadInput) r.Fail("only an input read can time out");
    st.run = AsAction([=](Runner& run) {
      run.sim().TimeoutNthRead(n);
      return std::string();
    });
    return true;
  }
  if (word == "clear") {
    const bool faults = r.Accept("faults");
    if (!faults) r.Expect("frames");
    r.End();
    st.run = AsAction([=](Runner& run) {
      if (faults) {
        run.sim().ClearFaults();
      } else {
        run.sim().ClearLog();
        run.frame_cursor = 0;
      }
      return std::string();
    });
    return true;
  }
  return false;
}

int MenuCommandOf(LineReader& r) {
  const ui::DialogTemplate* main = ui::FindTemplate(res::kMainWindow);
  if (r.PeekNumber()) return static_cast<int>(r.NumberIn("the menu command", 1, 65535));
  const std::string text = r.Text("the menu command's number or its item text");
  if (r.Failed()) return 0;
  std::string items;
  for (const auto& m : main->menus) {
    for (const auto& item : m.items) {
      if (item.command == 0) continue;
      if (item.text == text) return item.command;
      items += (items.empty() ? "" : ", ") + Quote(item.text);
    }
  }
  r.Fail("the menu has no item " + Quote(text) + " (" + items + ")");
  return 0;
}

// Actions of a user and of the run. False when the first word is none of them.
bool ParseAction(LineReader& r, const std::string& word, Statement& st) {
  if (word == "start") {
    r.End();
    st.run = AsAction([](Runner& run) {
      if (run.started()) return std::string("the program runs already");
      run.Start();
      return std::string();
    });
    return true;
  }
  if (word == "wait") {  // "wait until" is parsed on its own (ParseWaitUntil)
    const std::int64_t ms = r.Duration();
    r.End();
    st.run = AsInput([ms](Runner& run) {
      run.ui().Advance(ms);
      return std::string();
    });
    return true;
  }
  if (word == "click") {
    const Ref ref = ParseRef(r);
    r.End();
    st.run = AsInput([ref](Runner& run) {
      int d = 0, id = 0;
      std::string why = ResolveForInput(run, ref, d, id, true);
      return why.empty() ? run.ui().Click(d, id) : why;
    });
    return true;
  }
  if (word == "menu") {
    const int command = MenuCommandOf(r);
    r.End();
    st.run = AsInput([command](Runner& run) { return run.ui().MenuCommand(res::kMainWindow, command); });
    return true;
  }
  if (word == "type") {
    const std::string text = r.Text("the text to type");
    r.Expect("into");
    const Ref ref = ParseRef(r);
    r.End();
    st.run = AsInput([ref, text](Runner& run) {
      int d = 0, id = 0;
      std::string why = ResolveForInput(run, ref, d, id, false);
      return why.empty() ? run.ui().Type(d, id, text) : why;
    });
    return true;
  }
  if (word == "select") {
    std::optional<std::string> entry;
    int position = -1;
    if (r.Accept("position")) position = static_cast<int>(r.NumberIn("the position", 0, 9999));
    else entry = r.Text("the entry (or: position N)");
    r.Expect("in");
    const Ref ref = ParseRef(r);
    r.End();
    st.run = AsInput([ref, entry, position](Runner& run) {
      int d = 0, id = 0;
      if (std::string why = ResolveForInput(run, ref, d, id, false); !why.empty()) return why;
      int pos = position;
      if (entry) {
        auto c = run.ui().Control(d, id);
        if (!c) return DialogName(d) + " has no control " + std::to_string(id);
        if (!IsCombo(c->kind)) return "control " + std::to_string(id) + " is no list";
        auto exact = std::find(c->items.begin(), c->items.end(), *entry);
        if (exact != c->items.end()) {
          pos = static_cast<int>(exact - c->items.begin());
        } else {
          // The speed texts carry a leading blank that nobody types.
          std::vector<int> near;
          for (std::size_t i = 0; i < c->items.size(); ++i)
            if (Trimmed(c->items[i]) == Trimmed(*entry)) near.push_back(static_cast<int>(i));
          if (near.size() != 1) return "control " + std::to_string(id) + " has no entry " + Quote(*entry);
          pos = near.front();
        }
      }
      return run.ui().Select(d, id, pos);
    });
    return true;
  }
  if (word == "check" || word == "uncheck" || word == "focus") {
    const Ref ref = ParseRef(r);
    r.End();
    const int mode = word == "check" ? 1 : word == "uncheck" ? 0 : 2;
    st.run = AsInput([ref, mode](Runner& run) {
      int d = 0, id = 0;
      if (std::string why = ResolveForInput(run, ref, d, id, mode != 2); !why.empty()) return why;
      return mode == 2 ? run.ui().Focus(d, id) : run.ui().SetChecked(d, id, mode == 1);
    });
    return true;
  }
  if (word == "press") {
    r.Expect("esc");
    int dialog = 0;
    if (r.Accept("in")) dialog = ParseDialog(r);
    r.End();
    st.run = AsInput([dialog](Runner& run) {
      return run.ui().PressEsc(dialog != 0 ? dialog : run.ui().TopTemplate());
    });
    return true;
  }
  if (word == "close") {
    r.Accept("dialog");
    const int dialog = ParseDialog(r);
    r.End();
    st.run = AsInput([dialog](Runner& run) { return run.ui().CloseBox(dialog); });
    return true;
  }
  if (word == "answer") {
    if (r.Accept("file")) {
      std::optional<std::string> path;
      if (!r.Accept("cancel")) path = r.Text("the path (or: cancel)");
      r.End();
      st.run = AsAction([path](Runner& run) {
        run.ui().QueueFileAnswer(path ? std::optional<std::string>(run.WorkPath(*path).string())
                                      : std::nullopt);
        return std::string();
      });
      return true;
    }
    r.Expect("message");
    const std::string w = r.Word("the button (ok, cancel, yes, no)");
    int answer = 0;
    if (w == "ok") answer = ui::kAnswerOk;
    else if (w == "cancel") answer = ui::kAnswerCancel;
    else if (w == "yes") answer = ui::kAnswerYes;
    else if (w == "no") answer = ui::kAnswerNo;
    else if (!r.Failed()) r.Fail("unknown button '" + w + "' (ok, cancel, yes, no)");
    r.End();
    st.run = AsAction([answer](Runner& run) {
      run.ui().QueueMessageAnswer(answer);
      return std::string();
    });
    return true;
  }
  if (word == "skip") {
    r.Expect("messages");
    r.End();
    st.run = AsAction([](Runner& run) {
      run.message_cursor = run.ui().Messages().size();
      return std::string();
    });
    return true;
  }
  if (word == "copy") {
    r.Expect("file");
    const std::string from = r.Text("the file beside the scenario");
    r.Expect("to");
    const std::string to = r.Text("the name in the run's directory");
    r.End();
    st.run = AsAction([from, to](Runner& run) {
      std::error_code ec;
      fs::copy_file(run.ScenarioPath(from), run.WorkPath(to), fs::copy_options::overwrite_existing, ec);
      return ec ? "cannot copy " + run.ScenarioPath(from).string() + ": " + ec.message() : std::string();
    });
    return true;
  }
  if (word == "create") {
    r.Expect("file");
    const std::string name = r.Text("the file name");
    r.Expect("size");
    const auto size = static_cast<std::size_t>(r.NumberIn("the size", 0, 1 << 24));
    r.End();
    st.run = AsAction([name, size](Runner& run) {
      if (!WriteFileBytes(run.WorkPath(name), std::vector<std::uint8_t>(size, ' ')))
        return "cannot write " + run.WorkPath(name).string();
      return std::string();
    });
    return true;
  }
  if (word == "patch") {
    r.Expect("file");
    const std::string name = r.Text("the file name");
    r.Expect("at");
    const auto offset = static_cast<std::size_t>(r.NumberIn("the offset", 0, 1 << 24));
    std::vector<std::uint8_t> bytes;
    if (r.Accept("text")) {
      for (unsigned char c : Utf8ToCp1250(r.Text("the text"))) bytes.push_back(c);
    } else {
      r.Expect("bytes");
      const ByteList list = ParseBytes(r);
      if (!r.Failed() && (list.rest || std::count(list.bytes.begin(), list.bytes.end(), -1) > 0))
        r.Fail("a patch lists every byte it writes");
      for (int b : list.bytes) bytes.push_back(static_cast<std::uint8_t>(b));
    }
    r.End();
    st.run = AsAction([name, offset, bytes](Runner& run) {
      auto content = ReadFileBytes(run.WorkPath(name));
      if (!content) return "no file " + run.WorkPath(name).string();
      if (content->size() < offset + bytes.size()) content->resize(offset + bytes.size(), ' ');
      std::copy(bytes.begin(), bytes.end(), content->begin() + static_cast<std::ptrdiff_t>(offset));
      if (!WriteFileBytes(run.WorkPath(name), *content)) return "cannot write " + run.WorkPath(name).string();
      return std::string();
    });
    return true;
  }
  return false;
}

bool IsSetupWord(const std::string& w) {
  static const char* kWords[] = {"device", "use",    "id",     "firmware", "product", "ids",
                                 "word",   "text",   "jumper", "user",     "unplug",  "replug",
                                 "power",  "refuse", "timeout", "clear"};
  return std::any_of(std::begin(kWords), std::end(kWords), [&](const char* k) { return w == k; });
}

// Splits "wait until … within D" at its bound; the rest is parsed as a state.
void ParseWaitUntil(const std::vector<Token>& tokens, bool simulated, Statement& st, std::string& error) {
  std::vector<Token> state(tokens.begin() + 2, tokens.end());
  std::int64_t bound = kDefaultWaitBoundMs;
  for (std::size_t i = 0; i < state.size(); ++i) {
    if (state[i].kind == Token::kWord && state[i].text == "within") {
      LineReader b(std::vector<Token>(state.begin() + static_cast<std::ptrdiff_t>(i) + 1, state.end()));
      bound = b.Duration();
      b.End();
      if (b.Failed()) {
        error = b.Error();
        return;
      }
      state.resize(i);
      break;
    }
  }
  LineReader r(std::move(state));
  std::vector<Expectation> list;
  ParseExpect(r, simulated, true, list);
  if (!r.Failed() && list.empty()) r.Fail("wait until what?");
  if (r.Failed()) {
    error = r.Error();
    return;
  }
  st.run = AsWait(std::move(list), bound);
}

}  // namespace

Script ParseScript(std::string_view text, bool simulated) {
  Script script;
  std::vector<std::string> lines;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }

  auto source_of = [](const std::string& line, std::size_t code_end) {
    return Trimmed(std::string_view(line).substr(0, code_end));
  };

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    std::vector<Token> tokens;
    std::size_t code_end = 0;
    if (std::string err = Tokenize(lines[i], tokens, &code_end); !err.empty()) {
      script.errors.push_back({number, err});
      continue;
    }
    if (tokens.empty()) continue;
    Statement st;
    st.line = number;
    st.source = source_of(lines[i], code_end);
    auto is = [&](std::size_t k, std::string_view w) {
      return tokens.size() > k && tokens[k].kind == Token::kWord && tokens[k].text == w;
    };

    // "expect frames" … "end": the frames that follow, exactly and in order.
    if (tokens.size() == 2 && is(0, "expect") && is(1, "frames")) {
      std::vector<FrameSpec> specs;
      int end_line = 0;
      bool block_ok = simulated;
      if (!simulated) script.errors.push_back({number, NeedsSim("expecting frames")});
      std::size_t j = i + 1;
      for (; j < lines.size(); ++j) {
        std::vector<Token> ft;
        if (std::string err = Tokenize(lines[j], ft); !err.empty()) {
          script.errors.push_back({static_cast<int>(j) + 1, err});
          block_ok = false;
          continue;
        }
        if (ft.empty()) continue;
        if (ft.size() == 1 && ft[0].kind == Token::kWord && ft[0].text == "end") {
          end_line = static_cast<int>(j) + 1;
          break;
        }
        LineReader fr(std::move(ft));
        FrameSpec spec;
        spec.line = static_cast<int>(j) + 1;
        if (!ParseFrameSpec(fr, spec)) {
          script.errors.push_back({spec.line, fr.Error()});
          block_ok = false;
          continue;
        }
        specs.push_back(std::move(spec));
      }
      if (end_line == 0) {
        script.errors.push_back({number, "'expect frames' has no 'end'"});
        break;
      }
      i = j;
      if (!block_ok) continue;
      st.run = [specs, end_line](Runner& run, const Statement&) {
        bool same = true;
        for (const auto& spec : specs) {
          if (auto got = MatchFrame(spec, NextFrame(run))) {
            run.Fail(spec.line, "expected frame " + DescribeSpec(spec) + ", got " + *got);
            same = false;
            break;
          }
        }
        if (same)
          if (auto more = NoMoreFrames(run)) run.Fail(end_line, "expected no more frames, got " + *more);
        run.frame_cursor = run.sim().Log().size();
        return true;
      };
      script.statements.push_back(std::move(st));
      continue;
    }

    if (is(0, "wait") && is(1, "until")) {
      std::string error;
      ParseWaitUntil(tokens, simulated, st, error);
      if (!error.empty()) script.errors.push_back({number, error});
      else script.statements.push_back(std::move(st));
      continue;
    }

    LineReader r(tokens);
    const std::string word = tokens[0].kind == Token::kWord ? tokens[0].text : std::string();
    r.Word("a statement");
    if (word == "expect") {
      std::vector<Expectation> list;
      ParseExpect(r, simulated, false, list);
      st.run = AsExpectations(std::move(list));
    } else if (IsSetupWord(word)) {
      if (!simulated) r.Fail(NeedsSim("'" + word + "'"));
      else ParseSetup(r, word, st);
    } else if (!ParseAction(r, word, st)) {
      r.Fail(tokens[0].kind == Token::kText ? "a line begins with what to do, not with a text"
                                            : "unknown statement '" + word + "'");
    }
    if (r.Failed()) script.errors.push_back({number, r.Error()});
    else script.statements.push_back(std::move(st));
  }
  return script;
}

}  // namespace travik::cli
