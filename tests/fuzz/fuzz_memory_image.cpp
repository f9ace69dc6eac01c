// Memory-image (.kvm) decoding and the header fields the compatibility check reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/globals.h"
#include "firmware/firmware_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace travik;
  if (size > kFirmwareAreaSize) return 0;
  static const auto data = std::make_unique<std::uint8_t[]>(kFirmwareAreaSize);
  const auto raw = std::make_unique<std::uint8_t[]>(size);
  std::copy(bytes, bytes + size, raw.get());
  std::uint32_t length = 0;
  const FirmwareResult result =
      DecodeMemoryImage(raw.get(), static_cast<std::uint32_t>(size), data.get(), length);
  if (length > kFirmwareAreaSize) std::abort();
  if (!result.ok && result.message.empty()) std::abort();
  if (result.ok) {
    // The loaded image keeps the file in a full-size area, as the loader does.
    static FirmwareImage image;
    std::copy(bytes, bytes + size, image.raw.get());
    image.raw_length = static_cast<std::uint32_t>(size);
    if (MemoryImagePlatform(image).size() > kMemoryImageVersionOffset) std::abort();
    if (MemoryImageVersionPattern(image).size() > kMemoryImageHeaderSize) std::abort();
  }
  return 0;
}
