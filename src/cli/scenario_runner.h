// What the statements of a scenario act on while it runs: the program session,
// the simulated devices by name, the read positions in the message boxes and
// the frame log, and the files of the run.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/session.h"

namespace travik::cli {

class Runner;

// A state a scenario can expect or wait for. Returns nothing when it holds,
// otherwise what was found instead ("got …").
using Check = std::function<std::optional<std::string>(Runner&)>;

class Runner {
 public:
  Runner(Session& session, std::string label, std::filesystem::path scenario_dir,
         std::filesystem::path work_dir, std::ostream& out);

  Session& session() { return session_; }
  ui::HeadlessBackend& ui() { return session_.ui(); }
  sim::SimBackend& sim() { return session_.sim(); }
  bool simulated() const { return session_.simulated(); }

  // Prints "FILE:LINE: message" and counts the failure.
  void Fail(int line, std::string_view message);
  int failures() const { return failures_; }

  bool started() const { return started_; }
  void Start();
  // "" when the program runs, otherwise why an action cannot be taken now.
  std::string NeedsProgram() const;

  // Simulated devices: the last one added or chosen with `use` is the current one.
  void AddDevice(sim::SimDevice& device, const std::string& name);
  // "" is the current device. Sets why when there is none.
  sim::SimDevice* Device(const std::string& name, std::string& why);
  sim::SimTransmitter* Transmitter(const std::string& name, std::string& why);
  bool Use(const std::string& name, std::string& why);

  // Relative paths of the files the program reads and writes lie in the run's
  // own directory; sources that a scenario brings along lie beside it.
  std::filesystem::path WorkPath(const std::string& path) const;
  std::filesystem::path ScenarioPath(const std::string& path) const;

  // Message boxes and frames already expected (positions in Messages() and Log()).
  std::size_t message_cursor = 0;
  std::size_t frame_cursor = 0;

 private:
  Session& session_;
  std::string label_;
  std::filesystem::path scenario_dir_;
  std::filesystem::path work_dir_;
  std::ostream& out_;
  int failures_ = 0;
  bool started_ = false;
  sim::SimDevice* current_ = nullptr;
  std::map<std::string, sim::SimDevice*> named_;
};

}  // namespace travik::cli
