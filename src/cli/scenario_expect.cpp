#include "cli/scenario_expect.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "cli/scenario_bench.h"
#include "cli/scenario_calibration.h"
#include "core/globals.h"
#include "core/text.h"
#include "values/value_trace.h"
#include "protocol/identification.h"

namespace travik::cli {

namespace fs = std::filesystem;

namespace {

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
  } else if (r.Accept("samples")) {
    const bool at_least = r.Accept("at");
    if (at_least) r.Expect("least");
    const auto want = static_cast<std::uint64_t>(r.NumberIn("the number of samples", 0, 100000000));
    props.push_back({(at_least ? "at least " : "") + std::to_string(want) + " samples",
                     [want, at_least](const ui::ControlState& c) -> std::optional<std::string> {
                       if (!c.chart) return std::string("not a chart");
                       const auto got = c.chart->samples();
                       if (at_least ? got >= want : got == want) return std::nullopt;
                       return std::to_string(got) + " samples";
                     }});
  } else if (r.Accept("gaps")) {
    const auto want = static_cast<std::uint64_t>(r.NumberIn("the number of gaps", 0, 100000000));
    props.push_back({std::to_string(want) + " gaps",
                     [want](const ui::ControlState& c) -> std::optional<std::string> {
                       if (!c.chart) return std::string("not a chart");
                       if (c.chart->gaps() == want) return std::nullopt;
                       return std::to_string(c.chart->gaps()) + " gaps";
                     }});
  } else if (r.Accept("series")) {
    std::vector<std::string> want;
    while (r.PeekText()) want.push_back(r.Text("a series"));
    std::string what = "series";
    for (const auto& w : want) what += " " + Quote(w);
    props.push_back({what, [want](const ui::ControlState& c) -> std::optional<std::string> {
                       if (!c.chart) return std::string("not a chart");
                       std::vector<std::string> got;
                       std::string shown = "series";
                       for (const auto& s : c.chart->series()) {
                         got.push_back(s.unit.empty() ? s.name : s.name + " [" + s.unit + "]");
                         shown += " " + Quote(got.back());
                       }
                       if (got == want) return std::nullopt;
                       return shown;
                     }});
  } else if (r.Accept("last")) {
    const std::string name = r.Text("the series");
    r.Expect("=");
    const std::string text = r.Word("the value");
    const auto parsed = ParseShownNumber(text);
    if (!parsed) r.Fail("the value is a number with a decimal point, such as 23.5");
    const double want = parsed.value_or(0);
    props.push_back({"last " + Quote(name) + " = " + text,
                     [name, want](const ui::ControlState& c) -> std::optional<std::string> {
                       if (!c.chart) return std::string("not a chart");
                       for (std::size_t i = 0; i < c.chart->series().size(); ++i) {
                         if (c.chart->series()[i].name != name) continue;
                         const auto last = c.chart->Last(i);
                         if (last && std::abs(*last - want) < 1e-9) return std::nullopt;
                         return last ? "last " + std::to_string(*last) : std::string("no value");
                       }
                       return "no series " + Quote(name);
                     }});
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

std::string NeedsSim(std::string_view what) {
  return std::string(what) + " needs simulated devices; with --real the devices are real";
}

namespace {

bool SimOnly(LineReader& r, bool simulated, const char* what) {
  if (!simulated) r.Fail(NeedsSim(what));
  return simulated;
}

// Message boxes and frames are read in order, so `wait until` cannot poll them.
bool InOrder(LineReader& r, bool for_wait, const char* what) {
  if (for_wait) r.Fail(std::string("'wait until' cannot wait for ") + what + "; use expect");
  return !for_wait;
}

void Add(LineReader& r, std::optional<Expectation> e, std::vector<Expectation>& out) {
  if (e && !r.Failed()) out.push_back(std::move(*e));
}

// `dialog N open|closed|on top|hidden|visible`, `windows …`, `program ended|running`.
bool ParseWindowExpect(LineReader& r, std::vector<Expectation>& out) {
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
    return true;
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
    return true;
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
    return true;
  }
  return false;
}

// `messages N`, `message ["…"] [caption "…"] [icon NAME] [owner DIALOG]`.
bool ParseMessageExpect(LineReader& r, bool for_wait, std::vector<Expectation>& out) {
  if (r.Accept("messages")) {
    const auto n = static_cast<std::size_t>(r.NumberIn("the number of message boxes", 0, 100000));
    r.End();
    out.push_back({std::to_string(n) + " message boxes so far",
                   [n](Runner& run) -> std::optional<std::string> {
                     const std::size_t got = run.ui().Messages().size();
                     if (got == n) return std::nullopt;
                     return std::to_string(got);
                   }});
    return true;
  }
  if (!r.Accept("message")) return false;
  if (!InOrder(r, for_wait, "a message box in order")) return true;
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
                   if (run.message_cursor >= all.size()) return std::string("no more message boxes");
                   const ui::MessageRecord& m = all[run.message_cursor++];
                   if (MessageMatches(want, m)) return std::nullopt;
                   return DescribeMessage(m, want.owner.has_value());
                 }});
  return true;
}

// `frame KIND [refused|timed-out] BYTES`.
bool ParseFrameExpect(LineReader& r, bool simulated, bool for_wait,
                      std::vector<Expectation>& out) {
  if (!r.Accept("frame")) return false;
  if (!SimOnly(r, simulated, "expecting frames") || !InOrder(r, for_wait, "frames in order"))
    return true;
  FramePattern want;
  if (!ParseFramePattern(r, want)) return true;
  out.push_back({"frame " + DescribePattern(want),
                 [want](Runner& run) { return MatchFrame(want, NextFrame(run)); }});
  return true;
}

// `no more messages`, `no more frames`: nothing left unread in order.
bool ParseNoMoreExpect(LineReader& r, bool simulated, bool for_wait,
                       std::vector<Expectation>& out) {
  if (!r.Accept("no")) return false;
  r.Expect("more");
  if (r.Accept("messages")) {
    r.End();
    if (!InOrder(r, for_wait, "messages in order")) return true;
    out.push_back({"no more message boxes", [](Runner& run) -> std::optional<std::string> {
                     const auto& all = run.ui().Messages();
                     if (run.message_cursor >= all.size()) return std::nullopt;
                     return std::to_string(all.size() - run.message_cursor) + " more, the first " +
                            DescribeMessage(all[run.message_cursor], false);
                   }});
    return true;
  }
  r.Expect("frames");
  r.End();
  if (!SimOnly(r, simulated, "expecting frames") || !InOrder(r, for_wait, "frames in order"))
    return true;
  out.push_back({"no more frames", [](Runner& run) { return NoMoreFrames(run); }});
  return true;
}

// `image …`, `memory [of NAME] …`, `eeprom [of NAME] …`: words and texts.
bool ParseWordsExpect(LineReader& r, bool simulated, std::vector<Expectation>& out) {
  if (r.Accept("image") || r.Accept("ConfigImage")) {
    Add(r, ParseWordsExpectation(r, WordSource::kImage, {}), out);
    return true;
  }
  if (!r.PeekWord("memory") && !r.PeekWord("eeprom")) return false;
  const WordSource source = r.Accept("memory") ? WordSource::kMemory : WordSource::kEeprom;
  if (source == WordSource::kEeprom) r.Accept("eeprom");
  if (!SimOnly(r, simulated, "the memory of a simulated device")) return true;
  std::string name;
  if (r.Accept("of")) name = r.Word("the device name");
  Add(r, ParseWordsExpectation(r, source, name), out);
  return true;
}

// `file "NAME" …` and `GLOBAL = …`.
bool ParseFileOrGlobalExpect(LineReader& r, std::vector<Expectation>& out) {
  if (r.Accept("file")) {
    Add(r, ParseFile(r), out);
    return true;
  }
  if (const std::string w = r.PeekWordText(); IsGlobalName(w)) {
    r.Word("a global");
    Add(r, ParseGlobal(r, w), out);
    return true;
  }
  return false;
}

// `DIALOG:ID PROPERTY …` or `"caption" PROPERTY …`.
void ParseControlExpect(LineReader& r, std::vector<Expectation>& out) {
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

}  // namespace

void ParseExpect(LineReader& r, bool simulated, bool for_wait, std::vector<Expectation>& out) {
  if (ParseBenchExpect(r, simulated, out) || ParseCalibrationExpect(r, simulated, out) ||
      ParseWindowExpect(r, out) || ParseMessageExpect(r, for_wait, out) ||
      ParseNoMoreExpect(r, simulated, for_wait, out) ||
      ParseFrameExpect(r, simulated, for_wait, out) || ParseWordsExpect(r, simulated, out) ||
      ParseFileOrGlobalExpect(r, out))
    return;
  ParseControlExpect(r, out);
}
}  // namespace travik::cli
