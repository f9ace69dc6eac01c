#include "cli/scenario_runner.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "app/program.h"
#include "cli/scenario.h"
#include "cli/scenario_script.h"

namespace travik::cli {

namespace fs = std::filesystem;

Runner::Runner(Session& session, std::string label, fs::path scenario_dir, fs::path work_dir,
               std::ostream& out)
    : session_(session),
      label_(std::move(label)),
      scenario_dir_(std::move(scenario_dir)),
      work_dir_(std::move(work_dir)),
      out_(out) {}

void Runner::Fail(int line, std::string_view message) {
  ++failures_;
  out_ << label_ << ':' << line << ": " << message << '\n';
}

void Runner::Start() {
  started_ = true;
  session_.Start();
}

std::string Runner::NeedsProgram() const {
  if (!started_) return "the program has not been started yet (a 'start' line comes first)";
  if (session_.ui().Finished()) return "the program has ended";
  return {};
}

void Runner::AddDevice(sim::SimDevice& device, const std::string& name) {
  current_ = &device;
  if (!name.empty()) named_[name] = &device;
}

sim::SimDevice* Runner::Device(const std::string& name, std::string& why) {
  if (name.empty()) {
    if (current_ == nullptr) why = "no device has been set up yet (a 'device' line comes first)";
    return current_;
  }
  auto it = named_.find(name);
  if (it == named_.end()) {
    why = "no device is named '" + name + "'";
    return nullptr;
  }
  return it->second;
}

sim::SimTransmitter* Runner::Transmitter(const std::string& name, std::string& why) {
  sim::SimDevice* d = Device(name, why);
  if (d == nullptr) return nullptr;
  auto* t = dynamic_cast<sim::SimTransmitter*>(d);
  if (t == nullptr)
    why = "the device " + (name.empty() ? std::string("set up last") : "'" + name + "'") +
          " is no transmitter";
  return t;
}

bool Runner::Use(const std::string& name, std::string& why) {
  sim::SimDevice* d = Device(name, why);
  if (d != nullptr) current_ = d;
  return d != nullptr;
}

fs::path Runner::WorkPath(const std::string& path) const {
  fs::path p(path);
  return p.is_absolute() ? p : work_dir_ / p;
}

fs::path Runner::ScenarioPath(const std::string& path) const {
  fs::path p(path);
  return p.is_absolute() ? p : scenario_dir_ / p;
}

namespace {

// A fresh directory of its own for the files of one run.
fs::path MakeWorkDir(std::string& error) {
  std::error_code ec;
  fs::path base = fs::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string pattern = (base / "travik-run-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    error = "cannot create a directory for the run under " + base.string();
    return {};
  }
  return pattern;
}

}  // namespace

bool RunScenarioText(std::string_view text, const std::string& label, const fs::path& dir,
                     const ScenarioOptions& options, std::ostream& out) {
  const bool real = static_cast<bool>(options.real_backend);
  Script script = ParseScript(text, !real);
  if (!script.errors.empty()) {
    for (const auto& e : script.errors) out << label << ':' << e.line << ": " << e.message << '\n';
    out << "FAIL " << label << ": " << script.errors.size()
        << " line(s) not understood, nothing run\n";
    return false;
  }

  if (script.statements.empty()) {
    // Most likely the wrong file; a run that checks nothing must not pass.
    out << label << ": no statements\n";
    out << "FAIL " << label << '\n';
    return false;
  }

  std::string error;
  const fs::path work_dir = MakeWorkDir(error);
  if (work_dir.empty()) {
    out << label << ": " << error << '\n';
    return false;
  }

  std::unique_ptr<HidBackend> backend;
  std::unique_ptr<Session> session;
  if (real) {
    backend = options.real_backend();
    session = std::make_unique<Session>(*backend);
  } else {
    session = std::make_unique<Session>();
  }
  std::ostream* trace = options.trace_out != nullptr ? options.trace_out
                       : options.trace                ? &out
                                                      : nullptr;
  if (trace != nullptr) SetTrace(trace, &session->ui());

  int stopped_at = 0;
  int failures = 0;
  {
    Runner runner(*session, label, dir, work_dir, out);
    for (const Statement& st : script.statements) {
      if (trace != nullptr) *trace << label << ':' << st.line << ": > " << st.source << '\n';
      if (!st.run(runner, st)) {
        stopped_at = st.line;
        break;
      }
    }
    failures = runner.failures();
  }
  SetTrace(nullptr, &session->ui());
  session.reset();
  backend.reset();

  if (options.keep_files) {
    out << label << ": files of the run kept in " << work_dir.string() << '\n';
  } else {
    std::error_code ec;
    fs::remove_all(work_dir, ec);
  }

  if (failures == 0) {
    out << "PASS " << label << '\n';
    return true;
  }
  out << "FAIL " << label << ": " << failures << " failure(s)";
  if (stopped_at != 0) out << ", stopped at line " << stopped_at;
  out << '\n';
  return false;
}

bool RunScenarioFile(const std::string& path, const ScenarioOptions& options, std::ostream& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    out << path << ": cannot read the scenario\n";
    out << "FAIL " << path << '\n';
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  const fs::path dir = fs::absolute(fs::path(path)).parent_path();
  return RunScenarioText(text.str(), path, dir, options, out);
}

}  // namespace travik::cli
