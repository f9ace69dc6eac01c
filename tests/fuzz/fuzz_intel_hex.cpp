// Intel HEX decoding, the entry point a firmware download decodes .hex files with.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "firmware/firmware_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace travik;
  if (size > kFirmwareAreaSize) return 0;  // a longer file is refused before decoding
  // Exactly the size the loader allocates, so a write past it is caught.
  static const auto data = std::make_unique<std::uint8_t[]>(kFirmwareAreaSize);
  const auto raw = std::make_unique<std::uint8_t[]>(size);  // reads past the file are caught
  std::copy(bytes, bytes + size, raw.get());
  std::uint32_t length = 0;
  const FirmwareResult result =
      DecodeIntelHex(raw.get(), static_cast<std::uint32_t>(size), data.get(), length);
  if (length > kFirmwareAreaSize) std::abort();
  if (!result.ok && result.message.empty()) std::abort();
  return 0;
}
