// Block transfer of the whole configuration memory between the device and
// ConfigImage, each direction a small modal progress popup on a 20 ms timer.
#pragma once

#include "ui/ui.h"

namespace travik {

inline constexpr int kTransferTimerMs = 20;
inline constexpr int kReadProgressControl = 1035;
inline constexpr int kWriteProgressControl = 1036;

// Image words carried by block b (1-12): blocks 2 and 3 carry 12 words, the
// others 16, and the image is contiguous.
struct BlockRange {
  int first;
  int count;
};
BlockRange BlockWords(int block);

class ReadPopupProc : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& d) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
};

class WritePopupProc : public ui::DialogProc {
 public:
  void OnInit(ui::Dialog& d) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
};

// Runs the popup modally over `owner`. True when the device is still online
// afterwards; false when the transfer failed (already reported).
bool RunReadTransfer(ui::Dialog& owner);
bool RunWriteTransfer(ui::Dialog& owner);

}  // namespace travik
