// Subcommands of travik-gui-driver live in their own files (tools/gui_driver_*.cpp)
// and register themselves, so each area adds its screenshots and benchmarks
// without touching the others.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace travik::driver {

// args: the words after the subcommand's name.
using Command = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
  std::string usage;
  Command run;
};

inline std::map<std::string, CommandInfo>& Commands() {
  static std::map<std::string, CommandInfo> commands;
  return commands;
}

struct Register {
  Register(const std::string& name, const std::string& usage, Command run) {
    Commands()[name] = {usage, std::move(run)};
  }
};

}  // namespace travik::driver
