// travik-cli --log and --version.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "core/version.h"

namespace travik::cli {
namespace {

namespace fs = std::filesystem;

struct Cli {
  int status;
  std::string out, err;
};

Cli RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, {});
  return {status, out.str(), err.str()};
}

class CliLogTest : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("travik-cli-log-" + std::to_string(::getpid()));
  fs::path log = dir / "support.log";
  fs::path scenario = dir / "first.tts";

  void SetUp() override {
    fs::create_directories(dir);
    std::ofstream(scenario) << "device KDB\nstart\nwait until DeviceType = KDB within 1 s\n"
                               "expect DeviceOnline = 1\n";
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Log() {
    std::ifstream in(log);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(CliLogTest, TheLogHoldsTheTraceEvenWithoutTrace) {
  const Cli r = RunTool({"--log", log.string(), "run", scenario.string()});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_EQ(r.out, "PASS " + scenario.string() + "\n");  // the screen stays quiet
  const std::string text = Log();
  EXPECT_NE(text.find(" travik-cli " + std::string(ProgramVersion()) + ": log started\n"),
            std::string::npos);
  EXPECT_NE(text.find(" hid slot 1 set-feature: 00 CC 00 00 00 D4 71 3A 5C\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find(":2: > start\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" PASS " + scenario.string() + "\n"), std::string::npos) << text;
  // Every line carries its time.
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    EXPECT_TRUE(line.size() > 30 && line[4] == '-' && line[13] == ':' && line[19] == '.') << line;
}

TEST_F(CliLogTest, WithTraceTheScreenAndTheLogGetTheSameLinesOnce) {
  const Cli r = RunTool({"run", "--trace", scenario.string(), "--log=" + log.string()});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  const std::string frame = "hid slot 1 set-feature: 00 CC 00 00 00 D4 71 3A 5C\n";
  EXPECT_NE(r.out.find(frame), std::string::npos);
  const std::string text = Log();
  const auto first = text.find(frame);
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(text.find(frame, first + 1), std::string::npos) << "logged twice";
}

TEST_F(CliLogTest, ErrorsGoToTheLogToo) {
  const Cli r = RunTool({"--log", log.string(), "image", (dir / "missing.hex").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
  EXPECT_NE(Log().find(r.err), std::string::npos) << Log();
}

TEST(CliOptions, VersionAndBadLogOptions) {
  const Cli version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "travik-cli " + std::string(ProgramVersion()) + "\n");

  const Cli no_file = RunTool({"run", "--log"});
  EXPECT_EQ(no_file.status, 2);
  EXPECT_TRUE(no_file.err.starts_with("travik-cli: --log needs a file name\n")) << no_file.err;

  const Cli unwritable = RunTool({"--log", "/nonexistent-dir/x.log", "--version"});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_EQ(unwritable.out, "");
  EXPECT_TRUE(unwritable.err.starts_with("travik-cli: cannot open log file /nonexistent-dir/x.log"))
      << unwritable.err;
}

}  // namespace
}  // namespace travik::cli
