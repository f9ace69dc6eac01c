// travik-cli: scenario runs and firmware file checks without a display.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

#ifdef TRAVIK_HAVE_HIDAPI
#include "hid/hidapi/hidapi_backend.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  travik::cli::RealBackendFactory real;
#ifdef TRAVIK_HAVE_HIDAPI
  real = [] { return std::make_unique<travik::HidapiBackend>(); };
#endif
  const int status = travik::cli::RunCli(args, std::cout, std::cerr, real);
  std::cout.flush();
  return status;
}
