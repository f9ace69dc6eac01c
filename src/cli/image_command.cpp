#include "cli/image_command.h"

#include <string>
#include <memory>

#include "config/file_io.h"
#include "core/globals.h"
#include "firmware/firmware_file.h"

namespace travik {
namespace {

constexpr const char* kUsage = "usage: travik-cli image FILE [--out IMAGE.bin]\n";

bool WriteImage(const std::string& path, const FirmwareImage& image) {
  return ReplaceWholeFile(path, image.data.get(), image.length);
}

// Header text as a terminal may show it: a hostile file must not put escape
// sequences on the technician's screen, so every byte outside printable ASCII
// (and the backslash) is written as \xHH.
std::string Escaped(const std::string& text) {
  static const char* kHex = "0123456789ABCDEF";
  std::string shown;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      shown += ch;
    } else {
      shown += "\\x";
      shown += kHex[c >> 4];
      shown += kHex[c & 15];
    }
  }
  return shown;
}

}  // namespace

int RunImageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string input;
  std::string output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return 0;
    }
    if (arg == "--out") {
      if (i + 1 >= args.size() || !output.empty()) {
        err << kUsage;
        return 2;
      }
      output = args[++i];
    } else if (arg.starts_with("--") || !input.empty()) {
      err << kUsage;
      return 2;
    } else {
      input = arg;
    }
  }
  if (input.empty()) {
    err << kUsage;
    return 2;
  }

  // A private image: the command must not disturb the program's own.
  auto image = std::make_unique<FirmwareImage>();
  const FirmwareResult result = LoadFirmwareFromPath(input, *image);
  if (!result.ok) {
    err << input << ": " << result.message << "\n";
    return 1;
  }
  out << "format: " << image->format_letter
      << (image->format_letter == 'h' ? " (Intel HEX)" : " (memory image)") << "\n";
  out << "length: " << image->length << "\n";
  if (image->format_letter == 'k') {
    out << "platform: " << Escaped(MemoryImagePlatform(*image)) << "\n";
    out << "version: " << Escaped(MemoryImageVersionPattern(*image)) << "\n";
  }
  if (!output.empty()) {
    if (!WriteImage(output, *image)) {
      err << output << ": cannot write the image\n";
      return 1;
    }
    out << "written: " << output << " (" << image->length << " bytes)\n";
  }
  return 0;
}

}  // namespace travik
