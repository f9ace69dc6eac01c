#include "cli/cli.h"

#include "cli/calibration_bench.h"
#include "cli/bench_commands.h"
#include "cli/image_command.h"
#include "cli/scenario.h"
#include "app/help.h"
#include "app/program.h"
#include "core/support_log.h"
#include "core/version.h"
#include "i18n/catalogue.h"

#include <fstream>
#include <set>
#include <tuple>

namespace travik::cli {
namespace {

constexpr const char* kUsage =
    "usage: travik-cli [--log FILE] [--lang cs|en] run [--trace] [--keep] [--real]\n"
    "                  [--collect-texts FILE] SCENARIO...\n"
    "       travik-cli [--log FILE] image FILE [--out IMAGE.bin]\n"
    "       travik-cli bench-calibration [--quick]\n"
    "       travik-cli [--simulate MODEL[,MODEL...]] list [--json]\n"
    "       travik-cli [OPTIONS] info [--device SEL] [--json]\n"
    "       travik-cli [OPTIONS] read [--device SEL] --out FILE.kvc\n"
    "       travik-cli [OPTIONS] write FILE.kvc [--device SEL | --all] [--no-verify]\n"
    "       travik-cli [OPTIONS] values [--device SEL] [--interval DUR] [--count N]\n"
    "                                   [--csv FILE] [--json]\n"
    "       travik-cli [OPTIONS] flash FILE.hex|FILE.kvm [--device SEL]\n"
    "       travik-cli [OPTIONS] calibrate outputs|inputs [--device SEL] [--report FILE] [--fast]\n"
    "       travik-cli --help | --version\n";

std::string Help(i18n::Language language) {
  return kUsage + ShownHelp(CliHelpSource(), language);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const RealBackendFactory& real_backend, std::ostream* log,
        i18n::Language help_language) {
  ScenarioOptions options;
  bool real = false;
  std::vector<std::string> files;
  std::string collect;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--collect-texts" && i + 1 < args.size()) {
      collect = args[++i];
    } else if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--keep") {
      options.keep_files = true;
    } else if (arg == "--real") {
      real = true;
    } else if (arg == "--help" || arg == "-h") {
      out << Help(help_language);
      return 0;
    } else if (arg.starts_with("--")) {
      err << "travik-cli run: unknown option " << arg << "\n" << kUsage;
      return 2;
    } else {
      files.push_back(arg);
    }
  }
  // `out` already reaches the log; without --trace the trace goes there alone.
  if (log != nullptr && !options.trace) options.trace_out = log;
  if (files.empty()) {
    err << "travik-cli run: no scenario given\n" << kUsage;
    return 2;
  }
  if (real) {
    if (!real_backend) {
      err << "travik-cli run: --real needs hidapi, and this travik-cli was built without it\n";
      return 2;
    }
    options.real_backend = real_backend;
  }
  // Each text once per run; the extractor merges the files of a sweep.
  std::set<std::tuple<std::string, std::string, bool>> shown;
  if (!collect.empty())
    i18n::SetShownSink([&shown](std::string_view context, std::string_view text, bool composed) {
      shown.emplace(std::string(context), std::string(text), composed);
    });
  int failed = 0;
  for (const std::string& file : files)
    if (!RunScenarioFile(file, options, out)) ++failed;
  if (!collect.empty()) {
    i18n::SetShownSink(nullptr);
    std::ofstream texts(collect, std::ios::app);
    for (const auto& [context, text, composed] : shown)
      texts << context << '\t' << i18n::EscapeLine(text) << (composed ? "\tcomposed\n" : "\n");
    if (!texts) {
      err << "travik-cli run: cannot write " << collect << '\n';
      return 2;
    }
  }
  if (files.size() > 1)
    out << (files.size() - failed) << " of " << files.size() << " scenarios passed\n";
  return failed == 0 ? 0 : 1;
}

int RunBench(const std::string& command, const std::vector<std::string>& args, std::ostream& out,
             std::ostream& err, const BenchSettings& settings, std::ostream* log) {
  BenchEnv env;
  env.progress = settings.progress;
  env.interrupted = settings.interrupted;
  std::unique_ptr<sim::SimBackend> sim;
  std::unique_ptr<HidBackend> real;
  if (!settings.simulate.empty()) {
    std::string why;
    sim = BuildSimulatedBench(settings.simulate, why);
    if (sim == nullptr) {
      err << "travik-cli: " << why << '\n';
      return kExitUsage;
    }
    env.backend = sim.get();
    env.sim = sim.get();
  } else if (settings.real_backend) {
    real = settings.real_backend();
    env.backend = real.get();
  }
  if (log != nullptr) SetTrace(log, nullptr);
  const int status = RunBenchCommand(command, args, out, err, env);
  if (log != nullptr) SetTrace(nullptr, nullptr);
  return status;
}

}  // namespace

int RunCli(const std::vector<std::string>& all_args, std::ostream& plain_out,
           std::ostream& plain_err, const RealBackendFactory& real_backend,
           const BenchSettings& bench) {
  std::vector<std::string> args = all_args;
  std::string log_path, error;
  if (!TakeLogOption(args, log_path, error)) {
    plain_err << "travik-cli: " << error << '\n' << kUsage;
    return 2;
  }
  // --simulate may come before or after the bench command.
  std::string simulate;
  if (!TakeSimulateOption(args, simulate, error)) {
    plain_err << "travik-cli: " << error << '\n' << kUsage;
    return 2;
  }
  // --lang may come anywhere before the command's own arguments.
  std::optional<i18n::Language> language;
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--lang" && !it->starts_with("--lang=")) continue;
    const bool joined = *it != "--lang";
    const std::string value = joined ? it->substr(7) : (it + 1 != args.end() ? *(it + 1) : "");
    language = i18n::ParseLanguage(value);
    if (!language) {
      plain_err << "travik-cli: --lang takes cs or en\n" << kUsage;
      return 2;
    }
    args.erase(it, joined ? it + 1 : it + 2);
    break;
  }
  // Until the command returns; the next RunCli in the same process starts Czech.
  struct LanguageScope {
    explicit LanguageScope(i18n::Language l) { i18n::UseBuiltInCatalogue(l); }
    ~LanguageScope() { i18n::UseBuiltInCatalogue(i18n::Language::kCzech); }
  } language_scope(language.value_or(i18n::Language::kCzech));
  // The windows stay Czech without --lang; the help, read by a person, follows
  // the locale.
  const i18n::Language help_language =
      language.value_or(i18n::LanguageFromLocale(i18n::EnvironmentLocale()));
  BenchSettings settings = bench;
  if (!simulate.empty()) settings.simulate = simulate;
  if (!settings.real_backend) settings.real_backend = real_backend;
  SupportLog log;
  if (!log_path.empty() && !log.Open(log_path, "travik-cli", error)) {
    plain_err << "travik-cli: " << error << '\n';
    return 2;
  }
  std::ostream* log_stream = log.is_open() ? &log.stream() : nullptr;
  TeeBuf out_buf(&plain_out, log_stream);
  TeeBuf err_buf(&plain_err, log_stream);
  std::ostream out(&out_buf);
  std::ostream err(&err_buf);

  if (args.empty()) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args.front();
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h" || command == "help") {
    out << Help(help_language);
    return 0;
  }
  if (command == "--version") {
    out << "travik-cli " << ProgramVersion() << '\n';
    return 0;
  }
  if (command == "run") return Run(rest, out, err, settings.real_backend, log_stream, help_language);
  if (command == "image") return RunImageCommand(rest, out, err);
  if (command == "bench-calibration") return RunCalibrationBench(rest, out, err);
  if (IsBenchCommand(command)) return RunBench(command, rest, out, err, settings, log_stream);
  err << "travik-cli: unknown command " << command << "\n" << kUsage;
  return 2;
}

}  // namespace travik::cli
