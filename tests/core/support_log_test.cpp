// The support log: time stamps per line, appending, the --log option.
#include "core/support_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "core/version.h"

namespace travik {
namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

fs::path TempPath(const char* name) {
  return fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(::getpid()));
}

TEST(SupportLog, EveryLineStartsWithItsTime) {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  // 2026-12-08 09:41:07.250 UTC, then 1.5 s later.
  auto when = system_clock::time_point(std::chrono::milliseconds(1796722867250));
  std::ostringstream target;
  TimestampBuf buf(target.rdbuf(), [&] {
    const auto now = when;
    when += std::chrono::milliseconds(1500);
    return now;
  });
  std::ostream log(&buf);
  log << "hid slot 1 set-feature: 00 CC\nmessage box [SET info] (error): Data read error\n";
  log << "partial";
  log.flush();
  EXPECT_EQ(target.str(),
            "2026-12-08 09:41:07.250 +0000 hid slot 1 set-feature: 00 CC\n"
            "2026-12-08 09:41:08.750 +0000 message box [SET info] (error): Data read error\n"
            "2026-12-08 09:41:10.250 +0000 partial");
  // A line's stamp is taken when it starts, not again in its middle.
  log << " line\n";
  EXPECT_EQ(target.str().substr(target.str().rfind("partial")), "partial line\n");
}

TEST(SupportLog, AppendsToTheFileAndNamesItsPath) {
  const fs::path path = TempPath("travik-log-test");
  fs::remove(path);
  {
    std::ofstream earlier(path);
    earlier << "an earlier run\n";
  }
  {
    SupportLog log;
    std::string error;
    ASSERT_TRUE(log.Open(path.string(), "travik", error)) << error;
    EXPECT_EQ(SupportLogPath(), fs::absolute(path).string());
    log.stream() << "hid slot 1 input: 00 4B\n";
  }
  EXPECT_EQ(SupportLogPath(), "");  // the log is gone with its object
  const std::string text = ReadFile(path);
  EXPECT_TRUE(text.starts_with("an earlier run\n")) << text;
  const std::regex stamped(
      "an earlier run\n"
      "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} [+-]\\d{4} travik " +
      std::regex_replace(std::string(ProgramVersion()), std::regex("\\."), "\\.") +
      ": log started\n"
      "[^\n]{30}hid slot 1 input: 00 4B\n");
  EXPECT_TRUE(std::regex_match(text, stamped)) << text;
  fs::remove(path);
}

TEST(SupportLog, UnwritableFileIsRefusedWithTheReason) {
  SupportLog log;
  std::string error;
  EXPECT_FALSE(log.Open("/nonexistent-dir/travik.log", "travik", error));
  EXPECT_FALSE(log.is_open());
  EXPECT_EQ(error, "cannot open log file /nonexistent-dir/travik.log: No such file or directory");
  EXPECT_EQ(SupportLogPath(), "");
}

TEST(SupportLog, TeeWritesToBothAndSkipsAMissingOne) {
  std::ostringstream a, b;
  TeeBuf both(&a, &b);
  std::ostream out(&both);
  out << "line\n";
  TeeBuf one(nullptr, &b);
  std::ostream only_b(&one);
  only_b << "more\n";
  EXPECT_EQ(a.str(), "line\n");
  EXPECT_EQ(b.str(), "line\nmore\n");
}

TEST(SupportLog, LogOptionIsTakenOutOfTheArguments) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    std::string path;
    std::vector<std::string> rest;
  };
  const Case cases[] = {
      {{"--trace", "--log", "t.log", "--simulate", "KDB"}, true, "t.log", {"--trace", "--simulate", "KDB"}},
      {{"run", "--log=/tmp/x.log", "a.tts"}, true, "/tmp/x.log", {"run", "a.tts"}},
      {{"run", "a.tts"}, true, "", {"run", "a.tts"}},
      {{"--log"}, false, "", {}},
      {{"--log", "--trace"}, false, "", {}},  // a forgotten file name
      {{"--log="}, false, "", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    std::string path, error;
    EXPECT_EQ(TakeLogOption(args, path, error), c.ok) << c.args.size();
    if (!c.ok) {
      EXPECT_EQ(error, "--log needs a file name");
      continue;
    }
    EXPECT_EQ(path, c.path);
    EXPECT_EQ(args, c.rest);
  }
}

}  // namespace
}  // namespace travik
