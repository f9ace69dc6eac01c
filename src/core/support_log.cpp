#include "core/support_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "core/version.h"

namespace travik {
namespace {

std::string g_log_path;

}  // namespace

std::string LogTimestamp(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()) %
                  std::chrono::seconds(1);
  std::tm local{};
  localtime_r(&seconds, &local);
  char date[32];
  char zone[8];
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
  std::strftime(zone, sizeof zone, "%z", &local);
  char text[64];
  // Milliseconds of an instant before 1970 come out negative; never logged.
  std::snprintf(text, sizeof text, "%s.%03d %s ", date, static_cast<int>(ms.count() < 0 ? 0 : ms.count()),
                zone);
  return text;
}

TimestampBuf::TimestampBuf(std::streambuf* target, Clock clock)
    : target_(target), clock_(clock ? std::move(clock) : Clock(std::chrono::system_clock::now)) {}

TimestampBuf::int_type TimestampBuf::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  if (at_line_start_) {
    const std::string stamp = LogTimestamp(clock_());
    if (target_->sputn(stamp.data(), static_cast<std::streamsize>(stamp.size())) !=
        static_cast<std::streamsize>(stamp.size()))
      return traits_type::eof();
    at_line_start_ = false;
  }
  if (traits_type::eq_int_type(target_->sputc(traits_type::to_char_type(ch)), traits_type::eof()))
    return traits_type::eof();
  if (traits_type::to_char_type(ch) == '\n') {
    at_line_start_ = true;
    if (target_->pubsync() != 0) return traits_type::eof();
  }
  return ch;
}

int TimestampBuf::sync() { return target_->pubsync(); }

TeeBuf::TeeBuf(std::ostream* a, std::ostream* b) : a_(a), b_(b) {}

TeeBuf::int_type TeeBuf::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  const char c = traits_type::to_char_type(ch);
  if (a_ != nullptr) a_->put(c);
  if (b_ != nullptr) b_->put(c);
  return ch;
}

int TeeBuf::sync() {
  if (a_ != nullptr) a_->flush();
  if (b_ != nullptr) b_->flush();
  return 0;
}

bool SupportLog::Open(const std::string& path, const std::string& program, std::string& error,
                      TimestampBuf::Clock clock) {
  file_.open(path, std::ios::out | std::ios::app | std::ios::binary);
  if (!file_) {
    error = "cannot open log file " + path + ": " + std::strerror(errno);
    return false;
  }
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  path_ = ec ? path : absolute.string();
  buf_ = std::make_unique<TimestampBuf>(file_.rdbuf(), std::move(clock));
  stream_ = std::make_unique<std::ostream>(buf_.get());
  *stream_ << program << ' ' << ProgramVersion() << ": log started" << std::endl;
  g_log_path = path_;
  return true;
}

SupportLog::~SupportLog() {
  if (stream_ != nullptr) stream_->flush();
  if (!path_.empty() && g_log_path == path_) g_log_path.clear();
}

const std::string& SupportLogPath() { return g_log_path; }

bool TakeLogOption(std::vector<std::string>& args, std::string& path, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--log") {
      // "--log --trace" is a forgotten file name, not a file called "--trace".
      if (i + 1 >= args.size() || args[i + 1].empty() || args[i + 1].front() == '-') {
        error = "--log needs a file name";
        return false;
      }
      path = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      return true;
    }
    if (args[i].rfind("--log=", 0) == 0) {
      path = args[i].substr(6);
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
      if (path.empty()) {
        error = "--log needs a file name";
        return false;
      }
      return true;
    }
  }
  return true;
}

}  // namespace travik
