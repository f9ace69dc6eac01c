#include "config/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace travik {
namespace {

FileSystemCalls g_real_calls;
FileSystemCalls* g_calls = &g_real_calls;

// A regular file opened for reading, or nullptr. Opened without waiting, so
// that a named pipe without a writer cannot block the program before the
// check refuses it.
std::FILE* OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  std::FILE* f = ::fdopen(fd, "rb");
  if (f == nullptr) ::close(fd);
  return f;
}

// Permissions for the new file: the old file's, or what a fresh file would get.
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

int FileSystemCalls::CreateTemporary(char* pattern) { return ::mkstemp(pattern); }
ssize_t FileSystemCalls::Write(int fd, const void* data, std::size_t length) {
  return ::write(fd, data, length);
}
int FileSystemCalls::Sync(int fd) { return ::fsync(fd); }
int FileSystemCalls::Close(int fd) { return ::close(fd); }
int FileSystemCalls::Rename(const char* from, const char* to) { return std::rename(from, to); }

void SetFileSystemCalls(FileSystemCalls* calls) { g_calls = calls != nullptr ? calls : &g_real_calls; }

std::size_t ReadWholeFile(const std::string& path, void* buffer, std::size_t max, bool* longer) {
  if (longer != nullptr) *longer = false;
  std::FILE* f = OpenRegularFile(path);
  if (f == nullptr) return 0;
  std::size_t n = std::fread(buffer, 1, max, f);
  bool more = false;
  if (std::ferror(f) != 0) {
    n = 0;  // an I/O error
  } else if (n == max) {
    more = std::fgetc(f) != EOF;
    if (std::ferror(f) != 0) n = 0;
  }
  std::fclose(f);
  if (longer != nullptr) *longer = n != 0 && more;
  return n;
}

bool ReplaceWholeFile(const std::string& path, const void* data, std::size_t length) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Saving over a link replaces the file it points to, not the link.
  fs::path target = path;
  if (fs::is_symlink(target, ec)) {
    target = fs::weakly_canonical(target, ec);
    if (ec) return false;
  }
  if (target.filename().empty()) return false;
  // In the same folder, so that the rename cannot cross file systems.
  std::string temp_name = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> pattern(temp_name.begin(), temp_name.end());
  pattern.push_back('\0');
  const int fd = g_calls->CreateTemporary(pattern.data());
  if (fd < 0) return false;
  const std::string temp(pattern.data());

  bool ok = ::fchmod(fd, ModeFor(target.string())) == 0;
  const auto* bytes = static_cast<const char*>(data);
  std::size_t written = 0;
  while (ok && written < length) {
    const ssize_t n = g_calls->Write(fd, bytes + written, length - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  // The data must be on the disk before the name moves over: a crash after
  // the rename must not leave an empty file where the old one was.
  if (ok && g_calls->Sync(fd) != 0) ok = false;
  if (g_calls->Close(fd) != 0) ok = false;
  if (ok && g_calls->Rename(temp.c_str(), target.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder; a failure here loses
  // nothing the user had, so it is not reported.
  const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::size_t WriteWholeFile(const std::string& path, const void* data, std::size_t length) {
  return ReplaceWholeFile(path, data, length) ? length : 0;
}

}  // namespace travik
