// The About box names the package version and, when there is one, the
// support log a technician should send.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/session.h"
#include "core/support_log.h"
#include "core/version.h"
#include "resources/resources.h"

namespace travik {
namespace {

std::string AboutText(Session& s) {
  s.Start();
  s.ui().Advance(400);  // past the "no device" message
  const std::size_t before = s.ui().Messages().size();
  EXPECT_EQ(s.ui().MenuCommand(res::kMainWindow, res::kMenuAbout), "");
  if (s.ui().Messages().size() != before + 1) return "<no box>";
  EXPECT_EQ(s.ui().Messages().back().caption, "O programu");
  return s.ui().Messages().back().text;
}

TEST(AboutBox, NamesThePackageVersion) {
  Session s;
  EXPECT_EQ(AboutText(s),
            std::string("Travik Tool\n\nverze 00.00.98  CZ_008\nbalíček ") + ProgramVersion());
}

TEST(AboutBox, NamesTheSupportLogWhenOneIsWritten) {
  const auto path = std::filesystem::temp_directory_path() / "travik-about-test.log";
  SupportLog log;
  std::string error;
  ASSERT_TRUE(log.Open(path.string(), "travik", error)) << error;
  Session s;
  const std::string text = AboutText(s);
  EXPECT_TRUE(text.ends_with("\n\nZáznam pro podporu:\n" + path.string())) << text;
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace travik
