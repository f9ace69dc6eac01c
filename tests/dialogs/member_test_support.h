// A program without a device, with a member dialog opened through OFF LINE.
#pragma once

#include "support/connected.h"

namespace travik::testing {

class OfflineMemberTest : public ConnectedTest {
 protected:
  // Starts the program and opens the member by its OFF LINE button.
  void OpenOffline(int button, int tpl) {
    s.Start();
    ui().Advance(310);
    ASSERT_EQ(ui().Click(res::kMainWindow, res::kButtonConfig), "");
    ASSERT_EQ(ui().Click(res::kDlgOffline, button), "");
    ASSERT_EQ(ui().TopTemplate(), tpl);
    base_ = ui().Messages().size();  // "no device" from the start-up search
  }
  // "Hodnota mimo rozsah" boxes since the dialog opened.
  std::size_t Corrections() {
    std::size_t n = 0;
    for (std::size_t i = base_; i < ui().Messages().size(); ++i)
      n += ui().Messages()[i].text == "Hodnota mimo rozsah";
    return n;
  }
  std::size_t base_ = 0;
};

}  // namespace travik::testing
