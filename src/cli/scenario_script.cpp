#include "cli/scenario_script.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <system_error>

#include "cli/scenario_bench.h"
#include "cli/scenario_bootloader.h"
#include "cli/scenario_calibration.h"
#include "cli/scenario_expect.h"
#include "cli/scenario_lexer.h"
#include "i18n/catalogue.h"
#include "core/globals.h"
#include "core/text.h"
#include "dialogs/templates.h"
#include "resources/resources.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_models.h"
#include "ui/template.h"

namespace travik::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kDefaultWaitBoundMs = 10000;

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

std::function<bool(Runner&, const Statement&)> AsWait(std::vector<Expectation> list,
                                                      std::int64_t bound) {
  return [list = std::move(list), bound](Runner& run, const Statement& s) {
    if (std::string why = run.NeedsProgram(); !why.empty()) {
      run.Fail(s.line, s.source + ": " + why);
      return false;
    }
    auto holds = [&] {
      return std::none_of(list.begin(), list.end(),
                          [&](const Expectation& e) { return e.check(run).has_value(); });
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
  const std::string w =
      r.Word("an exchange (open, set-feature, get-feature, input, output, product-string)");
  auto kind = ParseExchange(w, false);
  if (!kind && !r.Failed())
    r.Fail("unknown exchange '" + w +
           "' (open, set-feature, get-feature, input, output, product-string)");
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
      const auto vendor =
          static_cast<std::uint16_t>(r.NumberIn("the vendor identifier", 0, 0xFFFF));
      const auto product =
          static_cast<std::uint16_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
      std::u16string text = u"Vendor HID device";
      if (r.PeekText()) text = Utf16(r.Text("the product string"));
      make = [=](sim::SimBackend& b) -> sim::SimDevice& {
        return b.AddVendorDevice(vendor, product, text);
      };
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
      make = [=](sim::SimBackend& b) -> sim::SimDevice& {
        return b.AddUnopenable(vendor, product);
      };
    } else if (kind == "calibrator") {
      make = [](sim::SimBackend& b) -> sim::SimDevice& { return AddBenchCalibrator(b); };
    } else if (const sim::SimModel* model = sim::FindSimModel(kind)) {
      make = [model](sim::SimBackend& b) -> sim::SimDevice& { return sim::AddBootableTransmitter(b, *model); };
    } else if (!r.Failed()) {
      r.Fail("unknown device '" + kind +
             "' (transmitter, calibrator, vendor, other-usage, keyboard, mouse, unopenable, or a model: " +
             ModelList() + ")");
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
    const std::string text =
        Utf8ToCp1250(r.Text(word == "id" ? "the ID text" : "the firmware version"));
    r.End();
    const bool id = word == "id";
    st.run = AsAction([=](Runner& run) {
      std::string why;
      sim::SimDevice* d = run.Device({}, why);
      return d == nullptr ? why : SetIdentity(*d, id, text);
    });
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
    const auto product =
        static_cast<std::uint16_t>(r.NumberIn("the product identifier", 0, 0xFFFF));
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
      if (unplug)
        d.Unplug();
      else
        d.Replug();
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
  if (word == "bootloader") {
    st.run = AsAction(ParseBootloaderLine(r));
    return true;
  }
  if (word == "refuse") {
    const bool all = r.Accept("all");
    const int n = all ? 0 : ParseOrdinal(r);
    const sim::Exchange kind = ParseFaultKind(r);
    const std::string of = FaultDeviceName(r);
    r.End();
    if (!r.Failed() && kind == sim::Exchange::kClose) r.Fail("closing cannot be refused");
    st.run = AsAction([=](Runner& run) {
      std::string why;
      const sim::SimDevice* device = FaultDevice(run, of, why);
      if (!why.empty()) return why;
      if (all)
        run.sim().FailAll(kind, true, device);
      else
        run.sim().FailNth(kind, n, device);
      return std::string();
    });
    return true;
  }
  if (word == "timeout") {
    const int n = ParseOrdinal(r);
    const sim::Exchange kind = ParseFaultKind(r);
    const std::string of = FaultDeviceName(r);
    r.End();
    if (!r.Failed() && kind != sim::Exchange::kReadInput) r.Fail("only an input read can time out");
    st.run = AsAction([=](Runner& run) {
      std::string why;
      const sim::SimDevice* device = FaultDevice(run, of, why);
      if (!why.empty()) return why;
      run.sim().TimeoutNthRead(n, device);
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
  return ParseBenchSetup(r, word, st) || ParseCalibrationSetup(r, word, st);
}

int MenuCommandOf(LineReader& r) {
  const ui::DialogTemplate* main = ProgramTemplate(res::kMainWindow);
  if (r.PeekNumber()) return static_cast<int>(r.NumberIn("the menu command", 1, 65535));
  const std::string text = r.Text("the menu command's number or its item text");
  if (r.Failed()) return 0;
  std::string items;
  for (const auto& m : main->menus) {
    for (const auto& item : m.items) {
      if (item.command == 0) continue;
      if (item.text == text || i18n::Tr(i18n::MenuContext(main->menu_number), item.text) == text)
        return item.command;
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
    st.run =
        AsInput([command](Runner& run) { return run.ui().MenuCommand(res::kMainWindow, command); });
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
    if (r.Accept("position"))
      position = static_cast<int>(r.NumberIn("the position", 0, 9999));
    else
      entry = r.Text("the entry (or: position N)");
    r.Expect("in");
    const Ref ref = ParseRef(r);
    r.End();
    st.run = AsInput([ref, entry, position](Runner& run) {
      int d = 0, id = 0;
      if (std::string why = ResolveForInput(run, ref, d, id, false); !why.empty()) return why;
      int pos = position;
      if (entry) {
        auto c = run.ui().ShownControl(d, id);
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
          if (near.size() != 1)
            return "control " + std::to_string(id) + " has no entry " + Quote(*entry);
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
    if (w == "ok")
      answer = ui::kAnswerOk;
    else if (w == "cancel")
      answer = ui::kAnswerCancel;
    else if (w == "yes")
      answer = ui::kAnswerYes;
    else if (w == "no")
      answer = ui::kAnswerNo;
    else if (!r.Failed())
      r.Fail("unknown button '" + w + "' (ok, cancel, yes, no)");
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
      fs::copy_file(run.ScenarioPath(from), run.WorkPath(to), fs::copy_options::overwrite_existing,
                    ec);
      return ec ? "cannot copy " + run.ScenarioPath(from).string() + ": " + ec.message()
                : std::string();
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
      if (!WriteFileBytes(run.WorkPath(name), *content))
        return "cannot write " + run.WorkPath(name).string();
      return std::string();
    });
    return true;
  }
  return false;
}

bool IsSetupWord(const std::string& w) {
  static const char* kWords[] = {"device", "use",    "id",      "firmware", "product", "ids",
                                 "word",   "text",   "jumper",  "user",     "unplug",  "replug",
                                 "power",  "refuse", "timeout", "clear",    "bootloader"};
  return std::any_of(std::begin(kWords), std::end(kWords), [&](const char* k) { return w == k; }) ||
         IsBenchSetupWord(w) || IsCalibrationSetupWord(w);
}

// Splits "wait until … within D" at its bound; the rest is parsed as a state.
void ParseWaitUntil(const std::vector<Token>& tokens, bool simulated, Statement& st,
                    std::string& error) {
  std::vector<Token> state(tokens.begin() + 2, tokens.end());
  std::int64_t bound = kDefaultWaitBoundMs;
  for (std::size_t i = 0; i < state.size(); ++i) {
    if (state[i].kind == Token::kWord && state[i].text == "within") {
      LineReader b(
          std::vector<Token>(state.begin() + static_cast<std::ptrdiff_t>(i) + 1, state.end()));
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
      std::vector<FramePattern> specs;
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
        FramePattern want;
        want.line = static_cast<int>(j) + 1;
        if (!ParseFramePattern(fr, want)) {
          script.errors.push_back({want.line, fr.Error()});
          block_ok = false;
          continue;
        }
        specs.push_back(std::move(want));
      }
      if (end_line == 0) {
        script.errors.push_back({number, "'expect frames' has no 'end'"});
        break;
      }
      i = j;
      if (!block_ok) continue;
      st.run = [specs, end_line](Runner& run, const Statement&) {
        bool same = true;
        for (const auto& want : specs) {
          if (auto got = MatchFrame(want, NextFrame(run))) {
            run.Fail(want.line, "expected frame " + DescribePattern(want) + ", got " + *got);
            same = false;
            break;
          }
        }
        if (same)
          if (auto more = NoMoreFrames(run))
            run.Fail(end_line, "expected no more frames, got " + *more);
        run.frame_cursor = run.sim().Log().size();
        return true;
      };
      script.statements.push_back(std::move(st));
      continue;
    }

    if (is(0, "wait") && is(1, "until")) {
      std::string error;
      ParseWaitUntil(tokens, simulated, st, error);
      if (!error.empty())
        script.errors.push_back({number, error});
      else
        script.statements.push_back(std::move(st));
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
      if (!simulated)
        r.Fail(NeedsSim("'" + word + "'"));
      else
        ParseSetup(r, word, st);
    } else if (!ParseAction(r, word, st)) {
      r.Fail(tokens[0].kind == Token::kText ? "a line begins with what to do, not with a text"
                                            : "unknown statement '" + word + "'");
    }
    if (r.Failed())
      script.errors.push_back({number, r.Error()});
    else
      script.statements.push_back(std::move(st));
  }
  return script;
}

}  // namespace travik::cli
