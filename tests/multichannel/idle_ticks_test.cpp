// The 5 ms range checks skip a tick when nothing they look at has changed.
#include <gtest/gtest.h>

#include "dialogs/config_dialog.h"
#include "support/fake_dialog.h"

namespace travik {
namespace {

struct StillDialog : fake::FakeDialog {
  std::uint64_t serial = 1;
  std::uint64_t StateSerial() const override { return serial; }
};

TEST(IdleTicks, ChecksRunOnlyAfterSomethingChanged) {
  DialogDef def;
  def.fields = {{.control = 10, .word = 48, .format = FieldFormat::kUnsigned,
                 .check = CheckKind::kUnsignedInt, .min = 1, .max = 254}};
  ConfigDialog dialog(def);
  StillDialog d;
  d.texts[10] = "300";
  dialog.OnTimer(d, 1);
  EXPECT_EQ(d.texts[10], "254");
  // The window layer moves the serial on with every change; a text changed
  // behind its back (only possible here) shows that the tick did nothing.
  d.texts[10] = "0";
  dialog.OnTimer(d, 1);
  EXPECT_EQ(d.texts[10], "0");
  ++d.serial;
  dialog.OnTimer(d, 1);
  EXPECT_EQ(d.texts[10], "1");
  EXPECT_EQ(d.boxes.size(), 2u);
}

}  // namespace
}  // namespace travik
