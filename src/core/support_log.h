// The support log (--log FILE): what --trace prints, each line stamped with
// the local time, appended to a file a technician can send.
#pragma once

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace travik {

// Puts a time stamp before every line passed to `target`, and flushes the
// target after every line, so a log stays complete up to a crash.
class TimestampBuf final : public std::streambuf {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;
  explicit TimestampBuf(std::streambuf* target, Clock clock = {});

 protected:
  int_type overflow(int_type ch) override;
  int sync() override;

 private:
  std::streambuf* target_;
  Clock clock_;
  bool at_line_start_ = true;
};

// "2026-12-08 09:41:07.250 +0100 " for the given instant, in local time.
std::string LogTimestamp(std::chrono::system_clock::time_point when);

// Writes everything to each of several streams (a null one is left out).
class TeeBuf final : public std::streambuf {
 public:
  TeeBuf(std::ostream* a, std::ostream* b);

 protected:
  int_type overflow(int_type ch) override;
  int sync() override;

 private:
  std::ostream* a_;
  std::ostream* b_;
};

class SupportLog {
 public:
  // Opens `path` for appending and writes a first line naming the program and
  // its version. False with `error` set when the file cannot be opened.
  bool Open(const std::string& path, const std::string& program, std::string& error,
            TimestampBuf::Clock clock = {});
  bool is_open() const { return stream_ != nullptr; }
  // The time-stamped stream; valid while open.
  std::ostream& stream() { return *stream_; }
  const std::string& path() const { return path_; }
  ~SupportLog();

 private:
  std::string path_;
  std::ofstream file_;
  std::unique_ptr<TimestampBuf> buf_;
  std::unique_ptr<std::ostream> stream_;
};

// The file of the support log this program writes, absolute; empty when none.
// Shown where a technician looks for it (the About box).
const std::string& SupportLogPath();

// Finds "--log FILE" or "--log=FILE" among the arguments and removes it.
// Returns false (with `error`) when the option has no file name.
bool TakeLogOption(std::vector<std::string>& args, std::string& path, std::string& error);

}  // namespace travik
