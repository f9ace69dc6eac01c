#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/files.h"
#include "tables/tables_dump.h"

namespace travik {
namespace {

const std::string kGolden = std::string(TRAVIK_TEST_DATA) + "/tables.dump";

// The first line where two texts part, for a readable failure.
std::string FirstDifference(const std::string& want, const std::string& have) {
  std::istringstream a(want), b(have);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool more_a = static_cast<bool>(std::getline(a, la));
    const bool more_b = static_cast<bool>(std::getline(b, lb));
    if (!more_a && !more_b) return "no difference";
    if (!more_a || !more_b || la != lb)
      return "line " + std::to_string(line) + "\n  golden:  " + (more_a ? la : "(end)") + "\n  current: " +
             (more_b ? lb : "(end)");
  }
}

TEST(TablesDump, MatchesTheCommittedGolden) {
  const std::string current = testing::DumpTables();
  if (std::getenv("TRAVIK_UPDATE_TABLES_DUMP") != nullptr) {
    std::ofstream(kGolden, std::ios::binary) << current;
    GTEST_SKIP() << "wrote " << kGolden;
  }
  const std::string golden = testing::ReadFile(kGolden);
  ASSERT_FALSE(golden.empty()) << kGolden << " is missing";
  EXPECT_TRUE(golden == current) << "tables differ from " << kGolden << " at "
                                 << FirstDifference(golden, current)
                                 << "\nAn intended change updates the golden in the same commit "
                                    "(TRAVIK_UPDATE_TABLES_DUMP=1).";
}

// The dump must see what it claims to: a dump that lost a whole section
// would compare equal to an equally empty golden.
TEST(TablesDump, CoversEverySection) {
  const std::string dump = testing::DumpTables();
  for (const char* needle : {"template 100 ", "template 337 ", "dialog 130 ", "dialog 337 ", "dialog 160 ",
                             "model 0 \"NSC\"", "model 49 \"KDB7DY\"", "sim-model \"UC-RGQ-A\"",
                             "  field ", "  mode link ", "  values-layout", "  identifies "})
    EXPECT_NE(dump.find(needle), std::string::npos) << needle;
}

}  // namespace
}  // namespace travik
