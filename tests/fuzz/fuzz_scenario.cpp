// The scenario language: lexer and parser of a whole file, for simulated and real runs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/scenario_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  travik::cli::ParseScript(text, true);
  travik::cli::ParseScript(text, false);
  return 0;
}
