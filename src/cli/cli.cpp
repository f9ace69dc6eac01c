#include "cli/cli.h"

#include "cli/calibration_bench.h"
#include "cli/image_command.h"
#include "cli/scenario.h"
#include "core/support_log.h"
#include "core/version.h"

namespace travik::cli {
namespace {

constexpr const char* kUsage =
    "usage: travik-cli [--log FILE] run [--trace] [--keep] [--real] SCENARIO...\n"
    "       travik-cli [--log FILE] image FILE [--out IMAGE.bin]\n"
    "       travik-cli bench-calibration [--quick]\n"
    "       travik-cli --help | --version\n";

constexpr const char* kHelp =
    "\n"
    "run     runs each scenario file in a fresh program on the headless window\n"
    "        layer. Devices are simulated and time is virtual unless --real.\n"
    "        --trace  print every line, frame and message box as it happens\n"
    "        --keep   keep the directory with the files the run wrote\n"
    "        --real   talk to the devices attached to this computer, in real\n"
    "                 time; lines that set up simulated devices are refused\n"
    "        Exit status 0 when every expectation held. Each failure is printed\n"
    "        as FILE:LINE: expected …, got …\n"
    "image   decodes a firmware file as the bootloader would and reports it.\n"
    "bench-calibration\n"
    "        calibrates the outputs of simulated drifted units with both searches\n"
    "        (noise ±2, ±20, ±50 counts; --quick: ±2 only) and prints a table.\n"
    "\n"
    "--log FILE  appends everything printed, and the trace of a run even without\n"
    "            --trace, with the time of each line, to FILE: the support log to\n"
    "            send with a problem report.\n"
    "\n"
    "The scenario language is described in docs/automation.md.\n";

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const RealBackendFactory& real_backend, std::ostream* log) {
  ScenarioOptions options;
  bool real = false;
  std::vector<std::string> files;
  for (const std::string& arg : args) {
    if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--keep") {
      options.keep_files = true;
    } else if (arg == "--real") {
      real = true;
    } else if (arg == "--help" || arg == "-h") {
      out << kUsage << kHelp;
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
  int failed = 0;
  for (const std::string& file : files)
    if (!RunScenarioFile(file, options, out)) ++failed;
  if (files.size() > 1)
    out << (files.size() - failed) << " of " << files.size() << " scenarios passed\n";
  return failed == 0 ? 0 : 1;
}

}  // namespace

int RunCli(const std::vector<std::string>& all_args, std::ostream& plain_out,
           std::ostream& plain_err, const RealBackendFactory& real_backend) {
  std::vector<std::string> args = all_args;
  std::string log_path, error;
  if (!TakeLogOption(args, log_path, error)) {
    plain_err << "travik-cli: " << error << '\n' << kUsage;
    return 2;
  }
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
    out << kUsage << kHelp;
    return 0;
  }
  if (command == "--version") {
    out << "travik-cli " << ProgramVersion() << '\n';
    return 0;
  }
  if (command == "run") return Run(rest, out, err, real_backend, log_stream);
  if (command == "image") return RunImageCommand(rest, out, err);
  if (command == "bench-calibration") return RunCalibrationBench(rest, out, err);
  err << "travik-cli: unknown command " << command << "\n" << kUsage;
  return 2;
}

}  // namespace travik::cli
