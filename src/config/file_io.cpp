#include "config/file_io.h"

#include <cstdio>

namespace travik {

std::size_t ReadWholeFile(const std::string& path, void* buffer, std::size_t max, bool* longer) {
  if (longer != nullptr) *longer = false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return 0;
  std::size_t n = std::fread(buffer, 1, max, f);
  bool more = false;
  if (std::ferror(f) != 0) {
    n = 0;  // a directory, or an I/O error
  } else if (n == max) {
    more = std::fgetc(f) != EOF;
    if (std::ferror(f) != 0) n = 0;
  }
  std::fclose(f);
  if (longer != nullptr) *longer = n != 0 && more;
  return n;
}

std::size_t WriteWholeFile(const std::string& path, const void* data, std::size_t length) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  const std::size_t n = std::fwrite(data, 1, length, f);
  // The bytes may sit in the stream buffer until fclose: its error counts too.
  const bool closed = std::fclose(f) == 0;
  return closed ? n : 0;
}

}  // namespace travik
