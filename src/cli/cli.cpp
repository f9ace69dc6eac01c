#include "cli/cli.h"

#include "cli/image_command.h"
#include "cli/scenario.h"

namespace travik::cli {
namespace {

constexpr const char* kUsage =
    "usage: travik-cli run [--trace] [--keep] [--real] SCENARIO...\n"
    "       travik-cli image FILE [--out IMAGE.bin]\n"
    "       travik-cli --help\n";

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
    "\n"
    "The scenario language is described in docs/automation.md.\n";

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const RealBackendFactory& real_backend) {
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

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const RealBackendFactory& real_backend) {
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
  if (command == "run") return Run(rest, out, err, real_backend);
  if (command == "image") return RunImageCommand(rest, out, err);
  err << "travik-cli: unknown command " << command << "\n" << kUsage;
  return 2;
}

}  // namespace travik::cli
