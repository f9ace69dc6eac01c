#include "config/compact_dialog.h"

#include "config/checks.h"
#include "config/format.h"
#include "core/globals.h"
#include "core/text.h"
#include "protocol/transfer.h"

namespace travik {

namespace {
// Numbers are read from their controls with at most 9 characters.
constexpr std::size_t kNumberChars = 9;
}  // namespace

std::int32_t ParseField(FieldFormat format, std::string_view text) {
  switch (format) {
    case FieldFormat::kTenths: return ParseTenths(text);
    case FieldFormat::kHundredths: return ParseHundredths(text);
    case FieldFormat::kThousandths: return ParseThousandthsWide(text);
    case FieldFormat::kSigned:
    case FieldFormat::kUnsigned: return ParseInt(text);
  }
  return 0;
}

std::string FormatField(FieldFormat format, std::uint16_t word) {
  switch (format) {
    case FieldFormat::kTenths: return FormatTenths(static_cast<std::int16_t>(word));
    case FieldFormat::kHundredths: return FormatHundredths(static_cast<std::int16_t>(word));
    case FieldFormat::kThousandths: return FormatThousandths(word);
    case FieldFormat::kSigned: return FormatInt(static_cast<std::int16_t>(word));
    case FieldFormat::kUnsigned: return FormatInt(word);
  }
  return {};
}

void RunCheck(ui::Dialog& d, const CompactField& f) {
  switch (f.check) {
    case CheckKind::kNone: return;
    case CheckKind::kTenths:
      CheckTenths(d, f.control, static_cast<std::int16_t>(f.max), static_cast<std::int16_t>(f.min));
      return;
    case CheckKind::kSignedInt:
      CheckSignedInt(d, f.control, static_cast<std::int16_t>(f.max), static_cast<std::int16_t>(f.min));
      return;
    case CheckKind::kUnsignedInt:
      CheckUnsignedInt(d, f.control, static_cast<std::uint16_t>(f.max),
                       static_cast<std::uint16_t>(f.min));
      return;
    case CheckKind::kThousandths:
      CheckThousandths(d, f.control, static_cast<std::uint16_t>(f.max),
                       static_cast<std::uint16_t>(f.min));
      return;
  }
}

CompactDialog::CompactDialog(const CompactDialogDef& def) : def_(def) {}

void CompactDialog::SetDefaults(ui::Dialog& d, bool preset) {
  for (const auto& f : def_.fields) {
    const char* text = preset ? f.preset_default : f.open_default;
    if (text != nullptr) d.SetText(f.control, text);
  }
  if (def_.text_control != 0)
    d.SetText(def_.text_control, preset ? def_.text_preset_default : def_.text_open_default);
  speed_code_ = kDefaultSpeedCode;
  ShowSpeed(d);
}

void CompactDialog::ShowSpeed(ui::Dialog& d) {
  if (def_.speed_combo == 0) return;
  // A code the list does not know leaves the shown text as it was.
  if (auto text = SpeedText(speed_code_)) d.SetText(def_.speed_combo, *text);
}

void CompactDialog::OnInit(ui::Dialog& d) {
  if (def_.speed_combo != 0) {
    d.ComboReset(def_.speed_combo);
    for (auto text : SpeedTexts()) d.ComboAdd(def_.speed_combo, text);
    d.ComboSetSel(def_.speed_combo, 0);
  }
  SetDefaults(d, false);
  d.SetTimer(1, 20);
  d.TickNow(1);
  const bool online = G().DeviceOnline == 1;
  if (!online) {
    d.Enable(def_.read_button, false);
    d.Enable(def_.write_button, false);
    for (int id : def_.offline_disabled) d.Enable(id, false);
  }
  OnOpening(d);
  for (const auto& l : def_.labels) d.SetText(l.id, l.text);
  if (def_.read_at_open && online) Read(d);
}

void CompactDialog::OnTimer(ui::Dialog& d, int) {
  for (const auto& f : def_.fields) RunCheck(d, f);
  CrossFieldRules(d);
}

void CompactDialog::OnClose(ui::Dialog& d) {
  d.KillTimer(1);
  d.End(1005);
}

void CompactDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (id == def_.speed_combo && def_.speed_combo != 0) {
    if (code == ui::Notify::kSelChange) speed_code_ = d.ComboGetSel(def_.speed_combo);
    return;
  }
  if (code != ui::Notify::kClicked) return OnOtherCommand(d, id, code);
  if (id == def_.read_button) return Read(d);
  if (id == def_.write_button) return Write(d);
  if (id == def_.save_button) return Save(d);
  if (id == def_.open_button) return Load(d);
  if (id == def_.preset_button) return SetDefaults(d, true);
  if (id == def_.cancel_button || id == ui::kIdCancel) return OnClose(d);
  OnOtherCommand(d, id, code);
}

void CompactDialog::Read(ui::Dialog& d) {
  if (!RunReadTransfer(d)) {
    d.PostClose();
    return;
  }
  const auto& image = G().ConfigImage;
  if (def_.text_control != 0)
    d.SetText(def_.text_control, Cp1250ToUtf8(UnpackTextField(&image[kWordTextField])));
  if (def_.speed_combo != 0) {
    speed_code_ = image[kWordSpeed];
    ShowSpeed(d);
  }
  if (def_.contrast_control != 0)
    d.SetText(def_.contrast_control,
              FormatInt(static_cast<std::int32_t>(image[kWordContrast]) - kContrastOffset));
  for (const auto& f : def_.fields) d.SetText(f.control, FormatField(f.format, image[f.word]));
}

void CompactDialog::Write(ui::Dialog& d) {
  // The timer keeps the fields in range, but a field emptied just before the
  // click (left alone while it had the focus) would go out as 0.
  OnTimer(d, 1);
  auto& image = G().ConfigImage;
  for (const auto& f : def_.fields)
    image[f.word] = static_cast<std::uint16_t>(ParseField(f.format, d.GetText(f.control, kNumberChars)));
  image[kWordContrast] =
      def_.contrast_control != 0
          ? static_cast<std::uint16_t>(ParseInt(d.GetText(def_.contrast_control, kNumberChars)) +
                                       kContrastOffset)
          : kNoContrastWord;
  if (def_.text_control != 0)
    PackTextField(Utf8ToCp1250(d.GetText(def_.text_control, kTextFieldChars)), &image[kWordTextField]);
  if (def_.speed_combo != 0) image[kWordSpeed] = static_cast<std::uint16_t>(speed_code_);
  if (!RunWriteTransfer(d)) d.PostClose();
}

void CompactDialog::Save(ui::Dialog& d) {
  ConfigFile file;
  InitConfigFile(file, ConfigFileHeader(def_.model));
  for (const auto& f : def_.fields)
    PutFileField(file, f.word, Utf8ToCp1250(d.GetText(f.control, kNumberChars)));
  if (def_.contrast_control != 0)
    PutFileField(file, kWordContrast, Utf8ToCp1250(d.GetText(def_.contrast_control, kNumberChars)));
  if (def_.speed_combo != 0) PutFileDigit(file, kWordSpeed, speed_code_);
  if (def_.text_control != 0)
    PutFileTextField(file, Utf8ToCp1250(d.GetText(def_.text_control, kTextFieldChars)));
  SaveConfigFile(d, file);
}

void CompactDialog::Load(ui::Dialog& d) {
  ConfigFile file;
  if (!LoadConfigFile(d, def_.model, file)) return;
  for (const auto& f : def_.fields) d.SetText(f.control, Cp1250ToUtf8(GetFileField(file, f.word)));
  if (def_.contrast_control != 0)
    d.SetText(def_.contrast_control, Cp1250ToUtf8(GetFileField(file, kWordContrast)));
  if (def_.speed_combo != 0) {
    if (auto code = ReadSpeedCode(file)) {
      speed_code_ = *code;
      ShowSpeed(d);
    }
  }
  if (def_.text_control != 0) d.SetText(def_.text_control, Cp1250ToUtf8(GetFileTextField(file)));
}

}  // namespace travik
