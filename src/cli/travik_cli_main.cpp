// travik-cli: scenario runs and firmware file checks without a display.
#include <atomic>
#include <csignal>
#include <iostream>

#include <unistd.h>
#include <string>
#include <vector>

#include "cli/bench_commands.h"
#include "cli/cli.h"

#ifdef TRAVIK_HAVE_HIDAPI
#include "hid/hidapi/hidapi_backend.h"
#endif

namespace {

std::atomic<bool> g_interrupted{false};

// A bench command finishes the step it is in (a transfer is never cut in
// half) and ends with status 130; a second Ctrl-C ends at once.
void OnInterrupt(int) {
  if (g_interrupted.exchange(true)) {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
  }
}

// The command word, past the options that take a value.
std::string CommandOf(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--log" || args[i] == "--simulate") {
      ++i;
    } else if (!args[i].starts_with("--")) {
      return args[i];
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  travik::cli::RealBackendFactory real;
#ifdef TRAVIK_HAVE_HIDAPI
  real = [] { return std::make_unique<travik::HidapiBackend>(); };
#endif
  travik::cli::BenchSettings bench;
  bench.progress = isatty(STDERR_FILENO) == 1;
  bench.interrupted = &g_interrupted;
  if (travik::cli::IsBenchCommand(CommandOf(args))) std::signal(SIGINT, OnInterrupt);
  const int status = travik::cli::RunCli(args, std::cout, std::cerr, real, bench);
  std::cout.flush();
  return status;
}
