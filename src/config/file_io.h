// Whole-file reads and writes for configuration and firmware files.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace travik {

// Reads the file into buffer and returns the number of bytes placed, never more
// than max; 0 when the file cannot be opened or read (or is empty), and for
// anything that is not a regular file (a named pipe or a device would block).
// When the file holds more than max bytes, *longer is set to true and the
// first max bytes are placed.
std::size_t ReadWholeFile(const std::string& path, void* buffer, std::size_t max,
                          bool* longer = nullptr);

// Creates the file or replaces an existing one with the bytes; false when it
// could not be created, written, flushed or renamed. The bytes go to a temporary file in the same folder, reach the disk, and
// only then take the old file's name, so a failed write (a full disk, a folder
// that refuses) leaves the old file as it was and no temporary behind.
bool ReplaceWholeFile(const std::string& path, const void* data, std::size_t length);

// ReplaceWholeFile as a count: length when written, 0 when not.
std::size_t WriteWholeFile(const std::string& path, const void* data, std::size_t length);

// The system calls a write goes through. Tests replace them to make a folder
// refuse writes, fill up halfway or fail to rename.
class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;
  // mkstemp: replaces the XXXXXX of `pattern`, returns a descriptor or -1.
  virtual int CreateTemporary(char* pattern);
  virtual ssize_t Write(int fd, const void* data, std::size_t length);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const char* from, const char* to);
};

// nullptr: the real calls.
void SetFileSystemCalls(FileSystemCalls* calls);

}  // namespace travik
