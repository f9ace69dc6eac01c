// The settings file.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "settings/user_settings.h"
#include "support/files.h"

namespace travik {
namespace {

TEST(UserSettings, FileTextIsReadLineByLineAndOnlyKnownValuesCount) {
  struct Row {
    const char* text;
    bool start, fast;
  } rows[] = {
      {"fast_output_calibration=1\n", false, true},
      {"fast_output_calibration=0\n", true, false},
      {"fast_output_calibration=1\r\n", false, true},  // edited on Windows
      {"fast_output_calibration=1", false, true},      // no final newline
      {"other=3\nfast_output_calibration=1\n", false, true},
      {"fast_output_calibration=2\n", true, true},     // not a value: left as it was
      {"fast_output_calibration=yes\n", false, false},
      {"fast_output_calibration\n", true, true},
      {"", true, true},
      {"\x01\xff=\n==\n", false, false},
  };
  for (const Row& row : rows) {
    UserSettings s;
    s.FastOutputCalibration = row.start;
    ParseUserSettings(row.text, s);
    EXPECT_EQ(s.FastOutputCalibration, row.fast) << row.text;
  }
  for (bool fast : {false, true}) {
    UserSettings out, in;
    out.FastOutputCalibration = fast;
    in.FastOutputCalibration = !fast;
    ParseUserSettings(FormatUserSettings(out), in);
    EXPECT_EQ(in.FastOutputCalibration, fast);
  }
}

TEST(UserSettings, SavedIntoNewFoldersAndLoadedAgain) {
  ResetProgramState();
  testing::TempDir dir;
  const std::string path = dir.File("config/travik/settings");
  LoadUserSettings(path);  // nothing there yet: defaults
  EXPECT_FALSE(G().Settings.FastOutputCalibration);
  G().Settings.FastOutputCalibration = true;
  ASSERT_TRUE(SaveUserSettings());
  EXPECT_EQ(testing::ReadFile(path), "fast_output_calibration=1\n");

  ResetProgramState();
  LoadUserSettings(path);
  EXPECT_TRUE(G().Settings.FastOutputCalibration);
  EXPECT_EQ(G().Settings.Path, path);

  // Without a path (tests, scenarios) nothing is read or written.
  ResetProgramState();
  LoadUserSettings("");
  G().Settings.FastOutputCalibration = true;
  EXPECT_TRUE(SaveUserSettings());
  ResetProgramState();
}

}  // namespace
}  // namespace travik
