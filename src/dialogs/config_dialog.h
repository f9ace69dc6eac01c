// The behaviour every configuration dialog shares: opening order, the read and
// write buttons, the serial line lists, the live range checks, files, defaults
// and closing. A dialog is mostly a table (DialogDef); a subclass holds only
// what is truly its own, through the hooks below.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "config/fields.h"
#include "resources/device_buttons.h"
#include "ui/ui.h"

namespace travik {

struct ControlText {
  int id;
  const char* text;
};

// A word the dialog writes with the same value on every write.
struct FixedWord {
  int word;
  std::uint16_t value;
};
// Word 33 of the compact dialogs without a contrast field.
inline constexpr FixedWord kContrast110{33, 110};

// An analog output's signal kind: radio buttons "Proud" (0) and "Napětí" (1)
// on a word. Fields with .output = k take their maximum from output k's kind,
// and its three labels follow the kind.
struct AnalogOutput {
  int word = 0;
  int current_radio = 0;
  int voltage_radio = 0;
  int lo_label = 0, hi_label = 0, safety_label = 0;
  std::uint16_t mask = 0xFFFF;           // the word's bits holding the kind; the rest are kept
  const char* safety_initial = nullptr;  // safety label at opening, until the kind is shown
};
inline constexpr int kOutputMaxCurrent = 200;  // 20.0 mA
inline constexpr int kOutputMaxVoltage = 100;  // 10.0 V

// A check box on bits of a word, or a list whose position (or the code of
// the position) sits in bits of a word. Several choices may share a word: each
// writes only its mask, the other bits go back as the image holds them.
enum class ChoiceKind { kCheckBit, kList };
struct Choice {
  ChoiceKind kind = ChoiceKind::kCheckBit;
  int control = 0;
  int word = 0;
  std::uint16_t mask = 0xFFFF;      // the word's bits the choice owns
  std::vector<const char*> items{}; // kList, in position order
  std::vector<int> codes{};         // kList: the code of each position; empty: the position
  int initial = 0;                  // kList: position at opening; kCheckBit: checked when nonzero
  const char* initial_text = nullptr;  // kList: text shown at opening instead of the item's
  std::vector<int> enables{};       // kCheckBit: enabled exactly while checked
  int record = kRecordOfWord;       // one digit: the masked bits, or the list's code
  int Record() const { return record == kRecordOfWord ? word : record; }
};

// "Hi above Lo" between two integer edits (CO2 indication limits).
struct HiAboveLo {
  int lo = 0;
  int hi = 0;
};

// The template as rows in group boxes, two or three columns; resources build
// the dialog's template from it and the dialog sets its texts at opening.
struct LayoutRow {
  int label = 0;                  // static label; 0: one control across the group
  const char* text = "";          // label text, or the check box's / button's caption
  int control = 0;
  ui::ControlKind kind = ui::ControlKind::kEdit;
  int second = 0;                 // kRadio rows: the "Napětí" radio (control is "Proud")
  int width = 40;
};
struct LayoutGroup {
  int id = 0;
  const char* caption = "";
  int column = 0;
  std::vector<LayoutRow> rows{};
};

enum class ReadAtOpen { kNo, kYes, kOnOldFirmware };

struct DialogDef {
  int template_number = 0;
  const char* title = "";
  const char* header_name = "";   // file header and the load check
  const char* message_name = nullptr;  // load message; nullptr: header_name
  const char* button_name = nullptr;   // "Načíst "/"Zapsat " + it; nullptr: header_name
  DeviceButtons buttons{};
  int text_control = 0;
  const char* text_initial = "";  // cut to 16 characters
  const char* text_preset = "";
  int speed_combo = 0;            // 0: no serial line
  bool speed_by_position = false; // a read or load selects the speed entry, not only its text
  int parity_combo = 0;           // 0: no parity list; without one the dialog owns
                                  // word 49's low byte only
  // Record 49 as "0p0s" also without a parity list (the parity from word 49's
  // high byte), as the multi-channel family keeps it.
  bool serial_record_with_parity = false;
  std::vector<const char*> parity_items{};
  std::vector<Field> fields{};      // in the order the timer checks them
  std::vector<AnalogOutput> outputs{};
  std::vector<Choice> choices{};
  std::vector<FixedWord> fixed_words{};
  std::vector<HiAboveLo> hi_above_lo{};  // checked after the fields
  std::vector<ControlText> texts{};      // set at opening only (not by "Přednastavení")
  std::vector<int> hidden{};             // hidden at opening
  std::vector<int> disabled{};           // disabled at opening
  std::vector<int> offline_disabled{};   // disabled while no device is connected
  ReadAtOpen read_at_open = ReadAtOpen::kYes;
  int old_firmware_group = -1;         // firmware group at most this is old
  std::vector<int> old_firmware_hides{};
  bool labels_from_template = false;   // the code leaves every caption as the template has it
  int timer_ms = 20;
  bool preset_resets_choices = false;  // "Přednastavení" also resets output kinds and choices
  int width = 0;                       // 0: from the layout's columns
  std::vector<LayoutGroup> layout{};
};

class ConfigDialog : public ui::DialogProc {
 public:
  explicit ConfigDialog(const DialogDef& def);

  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnTimer(ui::Dialog& d, int timer_id) override;
  void OnClose(ui::Dialog& d) override;

  const DialogDef& Def() const { return def_; }
  SerialLine Serial() const { return serial_; }
  int OutputKind(int output) const { return kinds_[static_cast<std::size_t>(output - 1)]; }
  // A choice's value: the masked bits of a check box, the code of a list.
  int ChoiceValue(std::size_t choice) const { return choice_values_[choice]; }

 protected:
  // Between the offline rule and the labels at opening.
  virtual void OnOpening(ui::Dialog& /*d*/) {}
  // After the range checks, every tick.
  virtual void CrossFieldRules(ui::Dialog& /*d*/) {}
  // Commands the table does not know.
  virtual void OnOtherCommand(ui::Dialog& /*d*/, int /*id*/, ui::Notify /*code*/) {}
  // Around each block transfer (a dialog that brackets it with device
  // commands); false abandons the read or write.
  virtual bool BeforeTransfer(ui::Dialog& /*d*/, bool /*write*/) { return true; }
  virtual bool AfterTransfer(ui::Dialog& /*d*/, bool /*write*/) { return true; }
  // After a failed transfer (already reported): ends what BeforeTransfer
  // began, without a message of its own.
  virtual void EndFailedTransfer(ui::Dialog& /*d*/) {}
  // After the fields were shown from the image / before the image is sent.
  virtual void AfterRead(ui::Dialog& /*d*/) {}
  virtual void BeforeWrite(ui::Dialog& /*d*/) {}
  // Records of the dialog's own, after the table's.
  virtual void AfterLoad(ui::Dialog& /*d*/, const ConfigFile& /*file*/) {}
  virtual void BeforeSave(ui::Dialog& /*d*/, ConfigFile& /*file*/) {}
  // After the table's defaults, at opening and on "Přednastavení".
  virtual void AfterDefaults(ui::Dialog& /*d*/, bool /*preset*/) {}

  void Read(ui::Dialog& d);
  void Write(ui::Dialog& d);
  void Save(ui::Dialog& d);
  void Load(ui::Dialog& d);
  void SetDefaults(ui::Dialog& d, bool preset);
  // Output kinds to voltage and choices to their initial values.
  void ResetOutputsAndChoices(ui::Dialog& d);
  // Controls and working values from the field table, after a read or load.
  void ShowSerial(ui::Dialog& d);
  void SetSerial(ui::Dialog& d, SerialLine line) {
    serial_ = line;
    ShowSerial(d);
  }
  void ShowOutput(ui::Dialog& d, std::size_t output);
  void ShowChoice(ui::Dialog& d, std::size_t choice);
  // Keeps each field's working value at its last parsed text.
  void ParseFields(ui::Dialog& d);
  void HiAboveLoRule(ui::Dialog& d, const HiAboveLo& rule);
  const Field* FieldOn(int control) const;
  int FieldMax(const Field& f) const;
  static int FirmwareGroup();

  const DialogDef& def_;

 private:
  SerialLine serial_;
  std::vector<std::int32_t> values_{};       // per field
  std::vector<int> kinds_{};                 // per output: 0 current, 1 voltage
  std::vector<int> choice_values_{};
  std::uint64_t checked_serial_ = ~std::uint64_t{0};  // StateSerial at the last checks
};

// Texts the dialog sets at opening: group captions, labels, check boxes,
// buttons ("Načíst " + button name…), from the def and its layout.
std::vector<ControlText> DialogCaptions(const DialogDef& def);
// The model the read and write buttons name ("NSC").
const char* ButtonName(const DialogDef& def);
// "Načíst NSC" and "Zapsat NSC".
std::string ReadButtonText(const DialogDef& def);
std::string WriteButtonText(const DialogDef& def);

}  // namespace travik
