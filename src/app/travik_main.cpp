// travik: the GUI program.
#include <chrono>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "app/program.h"
#include "core/globals.h"
#include "core/support_log.h"
#include "core/version.h"
#include "settings/user_settings.h"
#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_live.h"
#include "sim/sim_models.h"
#include "ui/qt/qt_backend.h"

#ifdef TRAVIK_HAVE_HIDAPI
#include "hid/hidapi/hidapi_backend.h"
#endif

namespace {

void PrintHelp() {
  std::cout << "Usage: travik [--simulate MODEL [--calibrator]] [--trace] [--log FILE]\n\n"
               "Service tool for Kolvar USB transmitters.\n\n"
               "  --simulate MODEL  attach a simulated transmitter instead of real devices\n"
               "  --calibrator      with --simulate: a simulated calibration device beside it,\n"
               "                    measuring the transmitter's analog outputs\n"
               "  --trace           print every HID frame and message box to standard error\n"
               "  --log FILE        append the same, with the time of each line, to FILE:\n"
               "                    the support log to send with a problem report (the\n"
               "                    About box shows where it is)\n"
               "  --version         the program's version\n"
               "  --help            this text\n\n"
               "Simulated models:";
  int column = 0;
  for (const auto& m : travik::sim::SimModels()) {
    if (column % 8 == 0) std::cout << "\n ";
    std::cout << ' ' << m.name;
    ++column;
  }
  std::cout << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::string model;
  bool trace = false;
  bool calibrator = false;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string log_path, error;
  if (!travik::TakeLogOption(args, log_path, error)) {
    std::cerr << "travik: " << error << " (see --help)\n";
    return 2;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp();
      return 0;
    } else if (arg == "--version") {
      std::cout << "travik " << travik::ProgramVersion() << '\n';
      return 0;
    } else if (arg == "--trace") {
      trace = true;
    } else if (arg == "--calibrator") {
      calibrator = true;
    } else if (arg == "--simulate" && i + 1 < args.size()) {
      model = args[++i];
    } else if (arg.rfind("--simulate=", 0) == 0) {
      model = arg.substr(11);
    } else if (arg.rfind("-", 0) == 0 && arg.rfind("-platform", 0) != 0) {
      std::cerr << "travik: unknown option " << arg << " (see --help)\n";
      return 2;
    }
  }

  travik::SupportLog log;
  if (!log_path.empty() && !log.Open(log_path, "travik", error)) {
    std::cerr << "travik: " << error << '\n';
    return 2;
  }

  std::unique_ptr<travik::sim::SimBackend> sim;
  std::unique_ptr<travik::HidBackend> real;
  if (!model.empty()) {
    const auto* m = travik::sim::FindSimModel(model);
    if (m == nullptr) {
      std::cerr << "travik: no simulated model " << model << " (see --help)\n";
      return 2;
    }
    sim = std::make_unique<travik::sim::SimBackend>();
    sim->UseRealClock();
    sim->SetHistoryLimit(20000);
    auto& transmitter = travik::sim::AddBootableTransmitter(*sim, *m);
    transmitter.SetLiveValues(travik::sim::MovingValues(m->device_type));
    if (calibrator) travik::sim::PutOnBench(travik::sim::AddCalibrator(*sim), &transmitter);
    travik::SetCurrentHidBackend(sim.get());
  } else {
    if (calibrator) {
      std::cerr << "travik: --calibrator goes with --simulate MODEL (see --help)\n";
      return 2;
    }
#ifdef TRAVIK_HAVE_HIDAPI
    real = std::make_unique<travik::HidapiBackend>();
    travik::SetCurrentHidBackend(real.get());
#else
    std::cerr << "travik: built without hidapi; only --simulate is available\n";
#endif
  }

  travik::ui::QtBackend ui(argc, argv);
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(travik::ProgramAppId());
  travik::TeeBuf trace_buf(trace ? &std::cerr : nullptr, log.is_open() ? &log.stream() : nullptr);
  std::ostream trace_stream(&trace_buf);
  if (trace || log.is_open()) travik::SetTrace(&trace_stream, &ui);
  travik::LoadUserSettings(travik::DefaultSettingsPath());
  const int code = travik::RunProgram(ui);
  travik::SetTrace(nullptr, &ui);
  travik::SetCurrentHidBackend(nullptr);
  return code;
}
