// The behaviour every compact transmitter dialog shares: opening order, the
// read and write buttons, the speed list, the 20 ms range checks, files,
// defaults and closing. A dialog is mostly a table (CompactDialogDef); the
// hooks hold only what differs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "ui/ui.h"

namespace travik {

enum class FieldFormat { kTenths, kHundredths, kThousandths, kSigned, kUnsigned };
enum class CheckKind { kNone, kTenths, kSignedInt, kUnsignedInt, kThousandths };

struct CompactField {
  int control;
  int word;                    // ConfigImage word and file record
  FieldFormat format;
  CheckKind check = CheckKind::kNone;
  int max = 0;
  int min = 0;
  const char* open_default = nullptr;    // text at opening
  const char* preset_default = nullptr;  // "Přednastavení"; nullptr leaves the field as it is
};

struct ControlText {
  int id;
  const char* text;
};

struct CompactDialogDef {
  int template_number = 0;
  const char* model = "";  // file header name and the load message's model
  int read_button = 0;
  int write_button = 0;
  int cancel_button = 0;
  int open_button = 0;
  int save_button = 0;
  int preset_button = 0;
  int speed_combo = 0;        // 0: no speed list
  int text_control = 0;       // the 16-character text field, 0: none
  const char* text_open_default = "";
  const char* text_preset_default = "";
  int contrast_control = 0;   // 0: word 33 is written as 110
  // In the order the timer checks them.
  std::vector<CompactField> fields;
  std::vector<ControlText> labels;
  // Disabled while no device is connected (besides the read and write buttons).
  std::vector<int> offline_disabled;
  bool read_at_open = false;
};

class CompactDialog : public ui::DialogProc {
 public:
  explicit CompactDialog(const CompactDialogDef& def);

  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnClose(ui::Dialog& d) override;

  int SpeedCode() const { return speed_code_; }

 protected:
  // Between the offline rule and the labels at opening.
  virtual void OnOpening(ui::Dialog& /*d*/) {}
  // After the range checks, every tick.
  virtual void CrossFieldRules(ui::Dialog& /*d*/) {}
  // Commands the table does not know.
  virtual void OnOtherCommand(ui::Dialog& /*d*/, int /*id*/, ui::Notify /*code*/) {}

  void Read(ui::Dialog& d);
  void Write(ui::Dialog& d);
  void Save(ui::Dialog& d);
  void Load(ui::Dialog& d);
  void SetDefaults(ui::Dialog& d, bool preset);
  void ShowSpeed(ui::Dialog& d);

  const CompactDialogDef& def_;

 private:
  int speed_code_ = 4;
};

// Parses a field's text as its format does on a write.
std::int32_t ParseField(FieldFormat format, std::string_view text);
// Shows an image word as its format does after a read.
std::string FormatField(FieldFormat format, std::uint16_t word);
// Runs one range check on a control.
void RunCheck(ui::Dialog& d, const CompactField& field);

}  // namespace travik
