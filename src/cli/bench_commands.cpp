#include "cli/bench_commands.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

#include "cli/bench_calibrate.h"
#include "cli/bench_format.h"
#include "config/config_file.h"
#include "config/file_io.h"
#include "core/globals.h"
#include "firmware/bootloader_dialog.h"
#include "firmware/firmware_file.h"
#include "protocol/identification.h"
#include "dialogs/transfer.h"
#include "resources/resources.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_live.h"
#include "sim/sim_models.h"

namespace travik::cli {
namespace {

namespace fs = std::filesystem;

// Generous bounds: a KDB read takes about 2 s on the bus, a download a minute.
constexpr std::int64_t kTransferBoundMs = 60000;
constexpr std::int64_t kFlashBoundMs = 600000;

// Words 0-15 of the image are live measurements the device keeps writing;
// only the settings from word 16 on are compared after a write.
constexpr int kFirstSettingWord = 16;

struct Options {
  std::string device;
  bool json = false;
  bool all = false;
  bool verify = true;
  bool fast = false;  // calibrate outputs: the model-based search
  std::string out;
  std::string csv;
  std::string report;
  long long interval_ms = 1000;
  long long count = -1;
  std::vector<std::string> positional;
};

bool TakeValue(std::vector<std::string>& args, const std::string& name, std::string& value,
               std::string& why) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      if (i + 1 >= args.size() || args[i + 1].starts_with("--")) {
        why = name + " needs a value";
        return false;
      }
      value = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      return true;
    }
    if (args[i].starts_with(name + "=")) {
      value = args[i].substr(name.size() + 1);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return true;
}

// Which options each command takes; anything else is a usage error.
bool Parse(const std::string& command, std::vector<std::string> args, Options& o,
           std::string& why) {
  std::string interval, count;
  if (!TakeDeviceOption(args, o.device, why) || !TakeValue(args, "--out", o.out, why) ||
      !TakeValue(args, "--csv", o.csv, why) || !TakeValue(args, "--report", o.report, why) ||
      !TakeValue(args, "--interval", interval, why) || !TakeValue(args, "--count", count, why))
    return false;
  for (const std::string& a : args) {
    if (a == "--json") {
      o.json = true;
    } else if (a == "--all") {
      o.all = true;
    } else if (a == "--no-verify") {
      o.verify = false;
    } else if (a == "--fast") {
      o.fast = true;
    } else if (a.starts_with("--")) {
      why = "unknown option " + a;
      return false;
    } else {
      o.positional.push_back(a);
    }
  }
  auto allowed = [&](bool ok, const char* option) {
    if (!ok) why = std::string(option) + " does not go with " + command;
    return ok;
  };
  if (!allowed(!o.json || command == "list" || command == "info" || command == "values", "--json") ||
      !allowed(!o.all || command == "write", "--all") ||
      !allowed(o.verify || command == "write", "--no-verify") ||
      !allowed(o.out.empty() || command == "read", "--out") ||
      !allowed(o.csv.empty() || command == "values", "--csv") ||
      !allowed(o.report.empty() || command == "calibrate", "--report") ||
      !allowed(!o.fast || command == "calibrate", "--fast") ||
      !allowed((interval.empty() && count.empty()) || command == "values", "--interval/--count") ||
      !allowed(o.device.empty() || command != "list", "--device"))
    return false;
  if (o.all && !o.device.empty()) {
    why = "--all and --device exclude each other";
    return false;
  }
  if (!interval.empty() && !ParseDuration(interval, o.interval_ms)) {
    why = "--interval wants a duration such as 500ms, 2s or 1m, not " + interval;
    return false;
  }
  if (!count.empty()) {
    char* end = nullptr;
    o.count = std::strtoll(count.c_str(), &end, 10);
    if (end == count.c_str() || *end != '\0' || o.count < 1) {
      why = "--count wants a whole number of at least 1, not " + count;
      return false;
    }
  }
  std::size_t wanted = 0;
  if (command == "write" || command == "flash" || command == "calibrate") wanted = 1;
  if (o.positional.size() != wanted) {
    why = wanted == 0 ? "unexpected argument " + o.positional.front()
                      : command + " wants " +
                            (command == "write"   ? std::string("a FILE.kvc")
                             : command == "flash" ? std::string("a FILE.hex or FILE.kvm")
                                                  : std::string("outputs or inputs"));
    return false;
  }
  if (command == "read" && o.out.empty()) {
    why = "read wants --out FILE.kvc";
    return false;
  }
  if (command == "calibrate" && o.positional[0] != "outputs" && o.positional[0] != "inputs") {
    why = "calibrate wants outputs or inputs, not " + o.positional[0];
    return false;
  }
  if (o.fast && o.positional[0] != "outputs") {
    why = "--fast goes with calibrate outputs";
    return false;
  }
  return true;
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::absolute(path, ec);
  return ec ? path : p.string();
}

// The chosen transmitter, or the list and the reason on the error stream.
int Choose(const std::vector<BenchDevice>& bench, const std::string& selector, std::ostream& err) {
  std::string why;
  const int chosen = SelectTransmitter(bench, selector, why);
  if (chosen < 0) {
    err << "travik-cli: " << why << '\n';
    PrintBenchTable(bench, err);
  }
  return chosen;
}

// ---- list, info ------------------------------------------------------------

int List(const Options& o, std::ostream& out, BenchEnv& env) {
  const auto bench = ProbeBench(*env.backend);
  if (o.json) {
    PrintBenchJson(bench, out);
  } else {
    PrintBenchTable(bench, out);
  }
  return kExitDone;
}

int Info(const Options& o, std::ostream& out, std::ostream& err, BenchEnv& env) {
  const auto bench = ProbeBench(*env.backend);
  const int chosen = Choose(bench, o.device, err);
  if (chosen < 0) return kExitUsage;
  BenchRun run(env, bench, chosen, err);
  if (!run.Connect()) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  // What the main window shows, beside what the search learnt.
  InfoFields info;
  info.device = bench[static_cast<std::size_t>(chosen)];
  info.product = TrimBlanks(run.ui().Control(res::kMainWindow, res::kFieldHidId)->text);
  info.id_text = TrimBlanks(run.ui().Control(res::kMainWindow, res::kFieldDevice)->text);
  info.firmware = TrimBlanks(run.ui().Control(res::kMainWindow, res::kFieldFirmware)->text);
  info.model = ModelName(G().DeviceType);
  info.firmware_current = FirmwareIsCurrent();
  PrintInfo(info, o.json, out);
  return kExitDone;
}

// ---- read, write -------------------------------------------------------------

// Prints the messages of a step; true when the step went wrong.
bool StepFailed(BenchRun& run) { return !run.TakeMessages().empty(); }

int Read(const Options& o, std::ostream& out, std::ostream& err, BenchEnv& env) {
  const auto bench = ProbeBench(*env.backend);
  const int chosen = Choose(bench, o.device, err);
  if (chosen < 0) return kExitUsage;
  BenchRun run(env, bench, chosen, err);
  if (!run.Connect()) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  const int tmpl = run.OpenConfiguration();
  if (tmpl == 0) return kExitFailed;
  // Old firmware is only a warning; a failed reading at opening is not.
  for (const auto& m : run.TakeMessages())
    if (m.icon == ui::Icon::kError) return kExitFailed;
  if (run.Interrupted()) return kExitInterrupted;
  if (std::string why = run.Click("Načíst ", true); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return kExitFailed;
  }
  const bool read = run.WaitClosed(res::kDlgReadPopup, run.ProgressOf(res::kDlgReadPopup, kReadProgressControl), kTransferBoundMs, "read");
  if (StepFailed(run) || !read) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  const std::string path = Absolute(o.out);
  run.ui().QueueFileAnswer(path);
  if (std::string why = run.Click("Uložit Nastavení"); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return kExitFailed;
  }
  if (StepFailed(run)) return kExitFailed;
  out << "read " << run.Device()->model << ' ' << run.Device()->serial << " into " << o.out << '\n';
  return kExitDone;
}

struct WriteResult {
  int status = kExitFailed;
  std::int64_t ms = 0;
};

WriteResult WriteOne(const Options& o, const std::string& file, const std::vector<BenchDevice>& bench,
                     int chosen, std::ostream& err, BenchEnv& env) {
  WriteResult result;
  BenchRun run(env, bench, chosen, err);
  const std::int64_t start = run.Now();
  auto finish = [&](int status) {
    result.status = run.Interrupted() && status != kExitDone ? kExitInterrupted : status;
    result.ms = run.Now() - start;
    return result;
  };
  if (!run.Connect()) return finish(kExitFailed);
  const int tmpl = run.OpenConfiguration();
  if (tmpl == 0) return finish(kExitFailed);
  for (const auto& m : run.TakeMessages())
    if (m.icon == ui::Icon::kError) return finish(kExitFailed);

  // The file, with the dialog's own checks.
  run.ui().QueueFileAnswer(Absolute(file));
  if (std::string why = run.Click("Otevřít Nastavení"); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return finish(kExitFailed);
  }
  if (StepFailed(run)) return finish(kExitFailed);
  if (run.Interrupted()) return finish(kExitInterrupted);

  // A clean write shows no message; the service jumper's note means the
  // settings will not survive a power cycle, which a script must hear of.
  if (std::string why = run.Click("Zapsat ", true); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return finish(kExitFailed);
  }
  const bool written = run.WaitClosed(res::kDlgWritePopup, run.ProgressOf(res::kDlgWritePopup, kWriteProgressControl), kTransferBoundMs, "write");
  const auto sent = G().ConfigImage;
  if (StepFailed(run) || !written || G().DeviceOnline != 1) return finish(kExitFailed);
  if (!o.verify) return finish(kExitDone);

  if (std::string why = run.Click("Načíst ", true); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return finish(kExitFailed);
  }
  const bool read = run.WaitClosed(res::kDlgReadPopup, run.ProgressOf(res::kDlgReadPopup, kReadProgressControl), kTransferBoundMs, "verify");
  if (StepFailed(run) || !read) return finish(kExitFailed);
  const auto back = G().ConfigImage;
  const auto mismatches = CompareWords(sent, back, kFirstSettingWord);
  if (!mismatches.empty()) {
    err << "travik-cli: verification failed: " << mismatches << '\n';
    return finish(kExitMismatch);
  }
  return finish(kExitDone);
}

int Write(const Options& o, std::ostream& out, std::ostream& err, BenchEnv& env) {
  const std::string& file = o.positional.front();
  const auto bench = ProbeBench(*env.backend);
  if (!o.all) {
    const int chosen = Choose(bench, o.device, err);
    if (chosen < 0) return kExitUsage;
    const WriteResult r = WriteOne(o, file, bench, chosen, err, env);
    if (r.status == kExitDone)
      out << "wrote " << file << " to " << bench[static_cast<std::size_t>(chosen)].model << ' '
          << bench[static_cast<std::size_t>(chosen)].serial << '\n';
    return r.status;
  }
  const std::string model = FileModel(file);
  if (model.empty()) {
    err << "travik-cli: " << file << " is no configuration file\n";
    return kExitFailed;
  }
  std::vector<AllRow> rows;
  for (std::size_t i = 0; i < bench.size(); ++i) {
    const BenchDevice& d = bench[i];
    if (d.role != BenchDevice::Role::kTransmitter || d.model != model) continue;
    if (env.Interrupted()) break;
    AllRow row{d.serial.empty() ? d.path : d.serial, kExitFailed, 0};
    if (!d.openable) {
      err << "travik-cli: " << d.path << ": " << d.problem << '\n';
    } else {
      err << "travik-cli: writing " << file << " to " << row.name << '\n';
      const WriteResult r = WriteOne(o, file, bench, static_cast<int>(i), err, env);
      row.status = r.status;
      row.ms = r.ms;
    }
    rows.push_back(row);
  }
  if (rows.empty()) {
    err << "travik-cli: no transmitter of model " << model << " present\n";
    PrintBenchTable(bench, err);
    return kExitUsage;
  }
  PrintAllTable(rows, out);
  if (env.Interrupted()) return kExitInterrupted;
  int status = kExitDone;
  for (const AllRow& r : rows)
    if (r.status != kExitDone) status = status == kExitFailed ? kExitFailed : r.status;
  return status;
}

// ---- values --------------------------------------------------------------------

int Values(const Options& o, std::ostream& out, std::ostream& err, BenchEnv& env) {
  const auto bench = ProbeBench(*env.backend);
  const int chosen = Choose(bench, o.device, err);
  if (chosen < 0) return kExitUsage;
  Recording csv;
  if (!o.csv.empty()) {
    if (!csv.Open(o.csv)) {
      err << "travik-cli: cannot write " << o.csv << '\n';
      return kExitFailed;
    }
  }
  BenchRun run(env, bench, chosen, err);
  if (!run.Connect()) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  if (G().DeviceType == 3) {
    err << "travik-cli: the output module has no live values; its window sets its outputs\n";
    return kExitFailed;
  }
  if (std::string why = run.ClickId(res::kButtonValues); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return kExitFailed;
  }
  const auto wall_start = std::chrono::system_clock::now();
  const std::int64_t start = run.Now();
  auto stamp = [&] {
    return TimeStamp(wall_start + std::chrono::milliseconds(run.Now() - start));
  };
  // The first record fills the value fields.
  auto shown = [&] { return ReadValueRows(run.ui()); };
  run.ui().AdvanceUntil([&] { return run.Interrupted() || !shown().empty() ||
                                     !run.ui().IsOpen(res::kDlgValues); },
                        10000);
  if (StepFailed(run) || !run.ui().IsOpen(res::kDlgValues)) return kExitFailed;
  // A calibration device's reading joins a moment later; the first line
  // should already have it.
  const bool calibrator = std::any_of(bench.begin(), bench.end(), [](const BenchDevice& d) {
    return d.role == BenchDevice::Role::kCalibrator && d.openable;
  });
  if (calibrator)
    run.ui().AdvanceUntil([&] { return run.Interrupted() || shown().size() == 4; }, 3000);
  long long printed = 0;
  while (!run.Interrupted()) {
    const auto rows = shown();
    if (rows.empty()) {
      err << "travik-cli: the values window shows no values\n";
      return kExitFailed;
    }
    const std::string time = stamp();
    PrintValuesLine(time, ReadValueRows(run.ui(), true), o.json, out);
    csv.Row(time, rows);
    if (o.count > 0 && ++printed >= o.count) break;
    run.Run(o.interval_ms);
    if (StepFailed(run) || !run.ui().IsOpen(res::kDlgValues)) {
      csv.Gap(stamp(), "values window closed");
      return kExitFailed;
    }
  }
  if (csv.failed()) {
    err << "travik-cli: writing " << o.csv << " failed\n";
    return kExitFailed;
  }
  return run.Interrupted() ? kExitInterrupted : kExitDone;
}

// The block the bootloader's status names, of the blocks the image has.
BenchRun::Percent FlashPercent(BenchRun& run) {
  return [&run] {
    const auto c = run.ui().Control(res::kDlgBootloader, kBootStatusControl);
    const std::uint32_t length = G().Firmware->length;
    if (!c || length <= kBootSkippedBytes) return -1;
    const auto at = c->text.find("bloku ");
    if (at == std::string::npos) return -1;
    const long block = std::strtol(c->text.c_str() + at + 6, nullptr, 10);
    const long blocks = (length - kBootSkippedBytes + kBootBlockBytes - 1) / kBootBlockBytes;
    return static_cast<int>(std::min<long>(100, block * 100 / blocks));
  };
}

// ---- flash -------------------------------------------------------------------------

int Flash(const Options& o, std::ostream& out, std::ostream& err, BenchEnv& env) {
  const auto bench = ProbeBench(*env.backend);
  const int chosen = Choose(bench, o.device, err);
  if (chosen < 0) return kExitUsage;
  BenchRun run(env, bench, chosen, err);
  if (!run.Connect()) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  if (std::string why = run.Menu(res::kMenuBootloader); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return kExitFailed;
  }
  // The dialog checks the file before anything goes to the device.
  run.ui().QueueFileAnswer(Absolute(o.positional.front()));
  if (std::string why = run.Click("Otevřít soubor"); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return kExitFailed;
  }
  if (StepFailed(run)) return kExitFailed;
  if (run.Interrupted()) return kExitInterrupted;
  if (std::string why = run.Click("DownLoad"); !why.empty()) {
    err << "travik-cli: " << why << '\n';
    return kExitFailed;
  }
  const bool done = run.WaitClosed(res::kDlgBootloader, FlashPercent(run), kFlashBoundMs, "flash");
  const auto messages = run.TakeMessages();
  bool success = false;
  for (const auto& m : messages)
    if (m.text.find("úspěšně dokončeno") != std::string::npos) success = true;
  if (!done || !success) return run.Interrupted() ? kExitInterrupted : kExitFailed;
  out << "flashed " << o.positional.front() << " into " << run.Device()->model << ' '
      << run.Device()->serial << '\n';
  return kExitDone;
}

}  // namespace

bool IsBenchCommand(const std::string& command) {
  return command == "list" || command == "info" || command == "read" || command == "write" ||
         command == "values" || command == "flash" || command == "calibrate";
}

int RunBenchCommand(const std::string& command, const std::vector<std::string>& args,
                    std::ostream& out, std::ostream& err, BenchEnv& env) {
  Options o;
  std::string why;
  if (!Parse(command, args, o, why)) {
    err << "travik-cli " << command << ": " << why << '\n';
    return kExitUsage;
  }
  if (env.backend == nullptr) {
    err << "travik-cli: built without hidapi; only --simulate MODEL is available\n";
    return kExitUsage;
  }
  if (command == "list") return List(o, out, env);
  if (command == "info") return Info(o, out, err, env);
  if (command == "read") return Read(o, out, err, env);
  if (command == "write") return Write(o, out, err, env);
  if (command == "values") return Values(o, out, err, env);
  if (command == "flash") return Flash(o, out, err, env);
  return Calibrate(o.positional.front() == "outputs", o.fast, o.device, o.report, out, err, env);
}

std::unique_ptr<sim::SimBackend> BuildSimulatedBench(const std::string& models, std::string& why) {
  auto backend = std::make_unique<sim::SimBackend>();
  std::map<std::string, int> seen;
  sim::SimTransmitter* first = nullptr;
  std::size_t at = 0;
  while (at <= models.size()) {
    const std::size_t end = std::min(models.find(',', at), models.size());
    const std::string name = models.substr(at, end - at);
    at = end + 1;
    const sim::SimModel* model = sim::FindSimModel(name);
    if (model == nullptr) {
      why = "no simulated model \"" + name + "\"";
      return nullptr;
    }
    auto& t = sim::AddBootableTransmitter(*backend, *model);
    t.SetLiveValues(sim::MovingValues(model->device_type));
    // A second transmitter of a model is another unit: another serial.
    const int copies = seen[model->name]++;
    if (copies > 0) t.SetIdText(OtherSerial(t.id_text(), copies));
    if (first == nullptr) first = &t;
  }
  sim::PutOnBench(sim::AddCalibrator(*backend), first);
  return backend;
}

bool TakeSimulateOption(std::vector<std::string>& args, std::string& models, std::string& why) {
  return TakeValue(args, "--simulate", models, why);
}

bool TakeDeviceOption(std::vector<std::string>& args, std::string& selector, std::string& why) {
  return TakeValue(args, "--device", selector, why);
}

}  // namespace travik::cli
