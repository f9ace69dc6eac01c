#include "cli/scenario_expect.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>

#include "cli/scenario_bench.h"
#include "cli/scenario_calibration.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/identification.h"
#include "resources/resources.h"
#include "ui/template.h"

namespace travik::cli {

namespace fs = std::filesystem;

namespace {

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

bool Clickable(ui::ControlKind k) {
  return k == ui::ControlKind::kButton || k == ui::ControlKind::kDefaultButton ||
         k == ui::ControlKind::kCheckBox || k == ui::ControlKind::kRadio;
}

// Controls of an open dialog whose current text is the caption.
std::vector<int> Captioned(Runner& run, int dialog, const std::string& caption,
                           bool clickable_only) {
  std::vector<int> ids;
  const ui::DialogTemplate* t = ui::FindTemplate(dialog);
  if (t == nullptr) return ids;
  for (const auto& c : t->controls) {
    if (c.kind == ui::ControlKind::kPaintedText) continue;
    if (clickable_only && !Clickable(c.kind)) continue;
    auto state = run.ui().ShownControl(dialog, c.id);
    if (state && state->text == caption) ids.push_back(c.id);
  }
  return ids;
}

// For inspection: the control's state, or why there is none. A caption is
// looked up from the top window down.
std::optional<ui::ControlState> Lookup(Runner& run, const Ref& ref, std::string& why) {
  if (ref.caption.empty()) {
    auto c = run.ui().ShownControl(ref.dialog, ref.id);
    if (!c)
      why = run.ui().IsOpen(ref.dialog)
                ? DialogName(ref.dialog) + " has no control " + std::to_string(ref.id)
                : DialogName(ref.dialog) + " is not open";
    return c;
  }
  auto windows = run.ui().Windows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    auto ids = Captioned(run, it->template_number, ref.caption, false);
    if (!ids.empty()) return run.ui().ShownControl(it->template_number, ids.front());
  }
  why = "no open window has a control captioned " + Quote(ref.caption);
  return std::nullopt;
}

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
    props.push_back(
        {"text " + Quote(want), [want](const ui::ControlState& c) -> std::optional<std::string> {
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

std::string ShowWord(std::uint16_t w, WordValue::Shown shown) {
  char buf[16];
  switch (shown) {
    case WordValue::kSigned: return std::to_string(static_cast<std::int16_t>(w));
    case WordValue::kHex: std::snprintf(buf, sizeof buf, "0x%04X", w); return buf;
    case WordValue::kUnsigned: break;
  }
  return std::to_string(w);
}

// Where the words live: the program's ConfigImage or a simulated device.
enum class WordSource { kImage, kMemory, kEeprom };

// word N = V V … / text N = "…" on a source. `name` is the device (memory, EEPROM).
std::optional<Expectation> ParseWordsExpectation(LineReader& r, WordSource source,
                                                 std::string name) {
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
                         if (std::equal(packed.begin(), packed.end(), w + first))
                           return std::nullopt;
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

struct MessagePattern {
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
  std::string d =
      "message " + Quote(m.shown_text) + " caption " + Quote(m.shown_caption) + " icon " +
      ui::IconName(m.icon);
  if (with_owner) d += " owner " + std::to_string(m.owner_template);
  return d;
}

std::string DescribePattern(const MessagePattern& s) {
  std::string d = "message";
  if (s.text) d += (s.containing ? " containing " : " ") + Quote(*s.text);
  if (s.caption) d += " caption " + Quote(*s.caption);
  if (s.icon) d += std::string(" icon ") + ui::IconName(*s.icon);
  if (s.owner) d += " owner " + std::to_string(*s.owner);
  return d;
}

bool MessageMatches(const MessagePattern& s, const ui::MessageRecord& m) {
  // What the user reads, in the language of the run.
  const std::string& text = m.shown_text;
  if (s.text && (s.containing ? text.find(*s.text) == std::string::npos : text != *s.text))
    return false;
  if (s.caption && m.shown_caption != *s.caption) return false;
  if (s.icon && m.icon != *s.icon) return false;
  if (s.owner && m.owner_template != *s.owner) return false;
  return true;
}

std::optional<Expectation> ParseGlobal(LineReader& r, const std::string& name) {
  r.Expect("=");
  auto numeric = [&](auto get) -> std::optional<Expectation> {
    const std::int64_t want = r.NumberIn("the value", 0, 255);
    r.End();
    return Expectation{name + " = " + std::to_string(want),
                       [=](Runner&) -> std::optional<std::string> {
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
    const auto product =
        static_cast<std::uint32_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
    r.End();
    auto show = [](std::uint32_t v, std::uint32_t p) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "0x%04X 0x%04X", v & 0xFFFF, p & 0xFFFF);
      return std::string(buf);
    };
    return Expectation{name + " = " + show(vendor, product),
                       [=](Runner&) -> std::optional<std::string> {
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
    if (r.PeekNumber())
      number = static_cast<int>(r.NumberIn("the device type", 0, 255));
    else
      model = r.Word("a device type (a number or a model name)");
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
  static const char* kNames[] = {"DeviceOnline", "ConnectState",   "TransferState",
                                 "DeviceType",   "DeviceIdText",   "FirmwareText",
                                 "ProductText",  "TransmitterIds", "CalibratorIds"};
  return std::any_of(std::begin(kNames), std::end(kNames), [w](const char* n) { return w == n; });
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
                         return Quote(Cp1250ToUtf8(
                             std::string(bytes->begin() + offset, bytes->begin() + offset + n)));
                       return Hex(*bytes, offset, n);
                     }};
}

}  // namespace

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
  if (ParseBenchExpect(r, simulated, out)) return;
  if (ParseCalibrationExpect(r, simulated, out)) return;

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
      out.push_back({name + (want ? " visible" : " hidden"),
                     [n, want](Runner& run) -> std::optional<std::string> {
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
    out.push_back({std::to_string(n) + " message boxes so far",
                   [n](Runner& run) -> std::optional<std::string> {
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
                       return std::to_string(all.size() - run.message_cursor) +
                              " more, the first " + DescribeMessage(all[run.message_cursor], false);
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
    MessagePattern want;
    want.containing = r.Accept("containing");
    if (r.PeekText())
      want.text = r.Text("the text");
    else if (want.containing)
      r.Fail("expected the text after 'containing'");
    while (!r.AtEnd() && !r.Failed()) {
      if (r.Accept("caption")) {
        want.caption = r.Text("the caption");
      } else if (r.Accept("icon")) {
        const std::string w = r.Word("the icon (information, warning, error, none)");
        want.icon = ParseIcon(w);
        if (!want.icon && !r.Failed())
          r.Fail("unknown icon '" + w + "' (information, warning, error, none)");
      } else if (r.Accept("owner")) {
        want.owner = ParseDialog(r);
      } else {
        r.Fail("after the message text: caption \"…\", icon NAME or owner DIALOG");
      }
    }
    if (!want.text && !want.caption && !want.icon && !want.owner && !r.Failed())
      r.Fail("say what the message box shows: its text, caption, icon or owner");
    out.push_back({DescribePattern(want), [want](Runner& run) -> std::optional<std::string> {
                     const auto& all = run.ui().Messages();
                     if (run.message_cursor >= all.size())
                       return std::string("no more message boxes");
                     const ui::MessageRecord& m = all[run.message_cursor++];
                     if (MessageMatches(want, m)) return std::nullopt;
                     return DescribeMessage(m, want.owner.has_value());
                   }});
    return;
  }
  if (r.Accept("frame")) {
    if (!sim_only("expecting frames") || !in_order("frames in order")) return;
    FramePattern want;
    if (!ParseFramePattern(r, want)) return;
    out.push_back({"frame " + DescribePattern(want),
                   [want](Runner& run) { return MatchFrame(want, NextFrame(run)); }});
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
             "' (text \"…\", enabled, disabled, visible, hidden, checked, unchecked, selection, "
             "entries)");
  if (props.empty() && !r.Failed())
    r.Fail("say what to expect of " + ref.Describe() +
           ": text \"…\", enabled, disabled, visible, hidden, checked, unchecked, selection or "
           "entries");
  for (auto& p : props) {
    auto test = p.test;
    out.push_back(
        {ref.Describe() + " " + p.what, [ref, test](Runner& run) -> std::optional<std::string> {
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

}  // namespace travik::cli
