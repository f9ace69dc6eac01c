// The calibration device's reading beside a values dialog: looking it up
// without disturbing the main window's list, starting its stream on input U1,
// its four input buttons, and showing or giving up its reading. Both values
// dialogs use it with their own controls and message caption.
#pragma once

#include <array>
#include <cstdint>

#include "ui/ui.h"

namespace travik {

struct CalibratorControls {
  int label;
  int value;
  std::array<int, 4> buttons;  // U1, U2, I1, I2
  const char* caption;         // of the dialog's message boxes
};

class CalibratorView {
 public:
  explicit CalibratorView(const CalibratorControls& controls) : c_(controls) {}

  // Enumerates on top of the main window's list (its remembered positions
  // stay valid), finds the calibration device for slot 2 and opens it there.
  // With need_mark, the device counts only when its product text has an 'A'
  // at index 8. Sets and returns whether it is in use.
  bool LookUp(bool need_mark);
  // On the handle LookUp left open: read block 1, then input U1. A refused
  // read block 1 gives the device up ("CHyba při čtení Analogových dat");
  // otherwise the selection's outcome decides whether it stays in use; then
  // the label, value and buttons appear.
  void StartStreaming(ui::Dialog& d);
  // One input button (0-3 for U1, U2, I1, I2). A refused selection gives the
  // device up with "Chyba při výběru kanálu".
  void Select(ui::Dialog& d, int index);
  // Reads one measurement report on slot 2 into the value control. A failed
  // read gives the device up with "CHyba při čtení Analogových dat".
  bool ShowReading(ui::Dialog& d);
  // The button's index for a control identifier, -1 for other controls.
  int ButtonIndex(int id) const;
  // Closes slot 2 when the dialog ends.
  void Release();

  bool in_use() const { return in_use_; }
  bool current_input() const { return current_input_; }

 private:
  void Show(ui::Dialog& d, bool visible);
  void GiveUp(ui::Dialog& d, const char* message);

  CalibratorControls c_;
  bool in_use_ = false;
  bool current_input_ = false;
};

}  // namespace travik
