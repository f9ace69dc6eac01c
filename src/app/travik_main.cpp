// travik: the GUI program.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "app/bench.h"
#include "app/help.h"
#include "app/program.h"
#include "calibration/calibration_report.h"
#include "hid/device_filter.h"
#include "core/globals.h"
#include "core/support_log.h"
#include "core/version.h"
#include "settings/user_settings.h"
#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_live.h"
#include "sim/sim_models.h"
#include "i18n/catalogue.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_translation.h"

#ifdef TRAVIK_HAVE_HIDAPI
#include "hid/hidapi/hidapi_backend.h"
#endif

namespace {

void PrintHelp(travik::i18n::Language language) {
  std::cout << travik::ShownHelp(travik::ProgramHelpSource(), language);
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
  std::string device;
  bool trace = false;
  bool calibrator = false;
  bool help = false;  // after the loop: --lang may follow it
  std::string language;
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string log_path, error;
  if (!travik::TakeLogOption(args, log_path, error)) {
    std::cerr << "travik: " << error << " (see --help)\n";
    return 2;
  }
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help = true;
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
    } else if (arg == "--lang" || arg.rfind("--lang=", 0) == 0) {
      language = arg == "--lang" ? (i + 1 < args.size() ? args[++i] : "") : arg.substr(7);
      if (!travik::i18n::ParseLanguage(language)) {
        std::cerr << "travik: --lang takes cs or en (see --help)\n";
        return 2;
      }
    } else if (arg == "--device" && i + 1 < args.size()) {
      device = args[++i];
    } else if (arg.rfind("--device=", 0) == 0) {
      device = arg.substr(9);
    } else if (arg.rfind("-", 0) == 0 && arg.rfind("-platform", 0) != 0) {
      std::cerr << "travik: unknown option " << arg << " (see --help)\n";
      return 2;
    }
  }

  if (help) {
    travik::LoadUserSettings(travik::DefaultSettingsPath());
    PrintHelp(travik::HelpLanguage(language, travik::G().Settings.Language));
    return 0;
  }

  travik::SupportLog log;
  if (!log_path.empty() && !log.Open(log_path, "travik", error)) {
    std::cerr << "travik: " << error << '\n';
    return 2;
  }

  std::unique_ptr<travik::sim::SimBackend> sim;
  std::unique_ptr<travik::HidBackend> real;
  std::unique_ptr<travik::DeviceFilter> filter;
  if (!model.empty()) {
    sim = std::make_unique<travik::sim::SimBackend>();
    sim->UseRealClock();
    sim->SetHistoryLimit(20000);
    travik::sim::SimTransmitter* first = nullptr;
    std::map<std::string, int> copies;
    std::size_t at = 0;
    while (at <= model.size()) {
      const std::size_t end = std::min(model.find(',', at), model.size());
      const std::string name = model.substr(at, end - at);
      at = end + 1;
      const auto* m = travik::sim::FindSimModel(name);
      if (m == nullptr) {
        std::cerr << "travik: no simulated model " << name << " (see --help)\n";
        return 2;
      }
      auto& transmitter = travik::sim::AddBootableTransmitter(*sim, *m);
      transmitter.SetLiveValues(travik::sim::MovingValues(m->device_type));
      if (const int copy = copies[m->name]++; copy > 0)
        transmitter.SetIdText(travik::OtherSerial(transmitter.id_text(), copy));
      if (first == nullptr) first = &transmitter;
    }
    if (calibrator) travik::sim::PutOnBench(travik::sim::AddCalibrator(*sim), first);
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
  if (!device.empty() && travik::CurrentHidBackend() != nullptr) {
    // The window finds the first transmitter it sees: the others are hidden.
    travik::HidBackend& all = *travik::CurrentHidBackend();
    const auto bench = travik::ProbeBench(all);
    std::string why;
    const int chosen = travik::SelectTransmitter(bench, device, why);
    if (chosen < 0) {
      std::cerr << "travik: " << why << '\n';
      travik::PrintBenchTable(bench, std::cerr);
      return 2;
    }
    travik::ResetProgramState();
    filter = std::make_unique<travik::DeviceFilter>(all, travik::OtherTransmitters(bench, chosen));
    travik::SetCurrentHidBackend(filter.get());
  }

  travik::ui::QtBackend ui(argc, argv);
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(travik::ProgramAppId());
  travik::TeeBuf trace_buf(trace ? &std::cerr : nullptr, log.is_open() ? &log.stream() : nullptr);
  std::ostream trace_stream(&trace_buf);
  if (trace || log.is_open()) travik::SetTrace(&trace_stream, &ui);
  travik::LoadUserSettings(travik::DefaultSettingsPath());
  const travik::ui::QtTranslation translation(travik::i18n::ChooseLanguage(
      language, travik::G().Settings.Language, travik::i18n::EnvironmentLocale()));
  // Each calibration run leaves its report in the data folder; where it went
  // is said in the dialog, on standard error and in the support log.
  travik::SetCalibrationEndSink([&](const travik::CalibrationReport& report) {
    const std::string folder = travik::DefaultReportFolder();
    std::string line, where;
    if (folder.empty()) {
      line = "travik: no data folder for the calibration report (HOME is not set)";
    } else {
      std::string why;
      const auto written =
          travik::SaveCalibrationReport(report, folder + "/" + travik::ReportBaseName(report), why);
      line = written.empty() ? "travik: " + why : "travik: calibration report " + written[0] + ", " + written[1];
      // The dialog's line holds about sixty characters: the file's name, the
      // folder being the data folder (the whole path is on standard error).
      if (!written.empty()) where = std::filesystem::path(written[0]).filename().string();
    }
    std::cerr << line << '\n';
    if (log.is_open()) log.stream() << line << '\n';
    return where;
  });
  const int code = travik::RunProgram(ui);
  travik::SetCalibrationEndSink(nullptr);
  travik::SetTrace(nullptr, &ui);
  travik::SetCurrentHidBackend(nullptr);
  return code;
}
