// The behaviour every multi-channel transmitter dialog shares: display modes
// of 16 symbols, quick-select keys, bargraphs and colours drawn from bitmap
// lists, setpoint/correction radio buttons, the digital output, Modbus with
// parity, the user-menu check and host-transfer bracket around the block
// transfer, and the family's file records. A member is a table
// (MultiChannelDef) and the few rules of its own.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "dialogs/config_dialog.h"
#include "dialogs/multichannel/multichannel_words.h"
#include "resources/bitmaps.h"
#include "ui/ui.h"

namespace travik {

// One measured quantity's ChannelFlags word and its controls.
struct McChannel {
  int word = 0;  // 68, 69, 73
  int bargraph_combo = 0;
  int kind_text = 0;
  int correction_radio = 0;  // bit 10 clear
  int setpoint_radio = 0;    // bit 10 set
};

// A display mode's controls and words; symbol k's combo is
// first_symbol + symbol_step * k, its word first_symbol_word + k.
struct McDisplayMode {
  int link_combo = 0;  // 0: the mode has no LCD link
  int states_combo = 0;
  int first_symbol = 0;
  int symbol_step = 2;
  int link_word = 0;
  int states_word = 0;
  int first_symbol_word = 0;
  // The link combo's entries; empty: the four of LinkTexts. The rack line
  // links each mode only to its own position, without the one-mode rule.
  std::span<const std::string_view> link_texts{};
  bool exclusive_link = true;
  // Entries of the state combos when they are texts, not symbol bitmaps
  // (the BBH7H's LED patterns).
  std::span<const std::string_view> state_texts{};
  int SymbolCombo(int k) const { return first_symbol + symbol_step * k; }
  std::size_t LinkEntries() const;
};
// A display mode's controls: LCD link and state-count combos, the first
// symbol combo and the step to the next.
struct McModeControls {
  int link = 0;
  int states = 0;
  int first_symbol = 0;
  int symbol_step = 2;
};
// Mode k of the list on the family's words of mode k (84-139).
std::vector<McDisplayMode> StandardModes(const std::vector<McModeControls>& modes);

// A combo showing one 4-bit colour index of a colour word.
struct McColourCombo {
  int control = 0;
  int word = 0;
  int nibble = 0;
};

struct McQuickSelect {
  int control = 0;
  int word = 0;
};

struct McDigitalOutput {
  int two_state_radio = 0;
  int pwm_radio = 0;
  int steps_edit = 0;
  int frequency_edit = 0;
  int period_edit = 0;
  int set_button = 0;
};

// A lower and an upper limit edit: the upper lies above the lower.
struct McLimitPair {
  int lower = 0;
  int upper = 0;
};

struct McWordValue {
  int word = 0;
  std::uint16_t value = 0;
};

// A member's table: the shared part (fields, text, serial line with parity,
// check boxes on word 39, texts, buttons, timer) and the family's own.
struct MultiChannelDef {
  DialogDef dialog;

  int active_time_combo = 0;  // word 35, "5s" ... "60s"
  std::vector<McQuickSelect> quick_select;
  std::vector<McChannel> channels;
  std::vector<McColourCombo> colours;
  std::vector<McDisplayMode> modes;
  McDigitalOutput output;
  // Bitmap resources by stored index: SymbolBitmapList (its first 64 or all
  // 152 entries), ColourBitmapList, BargraphBitmapList.
  std::span<const int> symbol_bitmaps{res::kSymbolBitmapList};
  std::span<const int> colour_bitmaps{res::kColourBitmapList};
  std::span<const int> bargraph_bitmaps{res::kBargraphBitmapList};
  // The user-menu status check and the 0xC8/0xC9 bracket around transfers
  // (the LCD members); without, the block transfer runs alone.
  bool host_transfer = true;
  const char* write_menu_message = "Nelze načíst data pokud je aktivní uživatelské menu.";
  // The words the family's combos and radio buttons edit, at opening and on
  // "Přednastavení".
  std::vector<McWordValue> word_defaults;
  // The CO2 calibration-value write (command 0xF0): its edit and button.
  int calibration_edit = 0;
  int calibration_button = 0;
  std::vector<McLimitPair> limit_pairs;
};

inline constexpr const char* kUserMenuMessage = "Nelze načíst data pokud je aktivní uživatelské menu.";
inline constexpr const char* kCommunicationError = "Chyba komunikace se zařízením";
inline constexpr const char* kStepCountMessage = "Hodnota počtu kroků je mimo rozsah";
inline constexpr const char* kLinkTakenMessage = "Volba je již používána jiným režimem";

class MultiChannelDialog : public ConfigDialog {
 public:
  explicit MultiChannelDialog(const MultiChannelDef& def);

  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  void OnDestroy(ui::Dialog& d) override;
  int OnMeasureItem(ui::Dialog& d, int id) override;
  void OnDrawItem(ui::Dialog& d, const ui::DrawItem& item) override;

  // The working copy of one of the family's words (global, per template).
  std::uint16_t& Working(int word);

 protected:
  void CrossFieldRules(ui::Dialog& d) override;
  bool BeforeTransfer(ui::Dialog& d, bool write) override;
  bool AfterTransfer(ui::Dialog& d, bool write) override;
  void EndFailedTransfer(ui::Dialog& d) override;
  void AfterRead(ui::Dialog& d) override;
  void BeforeWrite(ui::Dialog& d) override;
  void AfterLoad(ui::Dialog& d, const ConfigFile& file) override;
  void BeforeSave(ui::Dialog& d, ConfigFile& file) override;
  void AfterDefaults(ui::Dialog& d, bool preset) override;

  // The family's words into their controls (combos, radios, output).
  void ShowWords(ui::Dialog& d);
  void EnableModeSymbols(ui::Dialog& d, int mode);
  void ShowDigitalOutput(ui::Dialog& d);
  // A failed status or command report: message, device lost, dialog closed.
  void CommunicationFailed(ui::Dialog& d);

  const MultiChannelDef& mc_;

 private:
  bool LoadBitmaps();
  void FillCombos(ui::Dialog& d);
  void FillBitmapCombos(ui::Dialog& d);
  void SetWordDefaults(ui::Dialog& d);
  bool SendBracket(ui::Dialog& d, bool begin);
  bool OnSelection(ui::Dialog& d, int id);
  bool OnClick(ui::Dialog& d, int id);
  void ChooseLink(ui::Dialog& d, int mode);
  void ChooseQuickSelect(ui::Dialog& d, const McQuickSelect& q);
  // A quick-select key left on a mode without states goes back to "Neaktivní( )".
  void ZeroStatesRule(ui::Dialog& d);
  // After a read or a load: the words take what their controls show, under
  // the rules the user's own choices follow.
  void ApplyChoiceRules(ui::Dialog& d);
  void LimitPairRules(ui::Dialog& d);
  void ChoosePwm(ui::Dialog& d);
  void SetFrequency(ui::Dialog& d);
  // P for the wanted frequency at the current S, with the limit messages.
  void ApplyFrequency(ui::Dialog& d, double wanted_hz);
  void WriteCalibrationValue(ui::Dialog& d);
  // The family's words (not the table's fields and choices), once each.
  std::vector<int> Words() const;

  std::vector<const ui::Bitmap*> symbols_;
  std::vector<const ui::Bitmap*> colours_;
  std::vector<const ui::Bitmap*> bargraphs_;
  const ui::Bitmap* mask_ = nullptr;
  SerialLine serial_before_load_{};
};

}  // namespace travik
