#include "dialogs/multichannel/kdb7dy_dialog.h"

#include "config/format.h"
#include "core/globals.h"
#include "dialogs/layout_template.h"
#include "dialogs/multichannel/member_fields.h"
#include "resources/resources.h"

namespace travik {

namespace {
constexpr int kCalibrationValue = 4073;
constexpr int kWriteCalibration = 4074;
}  // namespace

const MultiChannelDef& Kdb7dyDialogDef() {
  using C = CheckKind;
  static const MultiChannelDef def = [] {
    using namespace members;
    DialogDef dialog = Frame({.number = res::kDlgKdb7dy,
                              .title = "KDB7DY",
                              .header = "KDB7DY",
                              .buttons = {.open = 4040, .read = 4043, .save = 4041, .write = 4044,
                                          .preset = 4042, .cancel = 4045},
                              .text = 3869,
                              .text_initial = "Kolvar KDB7DY   ",
                              .text_preset = "KDB7DY Kolvar   ",
                              .speed = 3875,
                              .parity = 3876,
                              .timer_ms = 5});
    // In the order the timer checks them.
    dialog.fields = {Percent(3866, 33, "15"),
                     Address(3874),
                     TemperatureShift(3861),
                     HumidityShift(3862),
                     Co2Shift(4051),
                     Temperature(3883, 8, "0.0"),
                     Temperature(3882, 53, "5.0"),
                     Temperature(3881, 52, "-5.0"),
                     Whole(3894, 9, "40", C::kSignedInt, -100, 100),
                     Whole(3893, 55, "80", C::kSignedInt, -100, 100),
                     Whole(3892, 54, "20", C::kSignedInt, -100, 100),
                     Whole(4052, 13, "1000", C::kSignedInt, 0, 5000),
                     Whole(4053, 63, "2000", C::kSignedInt, 0, 5000),
                     Whole(4056, 62, "800", C::kSignedInt, 0, 5000),
                     Whole(4068, 65, "2000", C::kSignedInt, 0, 5000),
                     Whole(4067, 64, "1000", C::kSignedInt, 0, 5000),
                     CalibrationValue(kCalibrationValue)};
    dialog.choices = {MenuLocked(4024),
                      {.kind = ChoiceKind::kCheckBit, .control = 4070, .word = 39, .mask = 2}};
    dialog.hidden = {4071, 4072, kCalibrationValue, kWriteCalibration};
    dialog.offline_disabled = {kCalibrationValue, kWriteCalibration};
    MultiChannelDef d{
        .dialog = std::move(dialog),
        .active_time_combo = 3867,
        .quick_select = {{.control = 4027, .word = 29}, {.control = 4029, .word = 30}},
        .channels = {{.word = 68, .bargraph_combo = 3887, .kind_text = 3898, .correction_radio = 3884,
                      .setpoint_radio = 3885},
                     {.word = 69, .bargraph_combo = 3900, .kind_text = 3899, .correction_radio = 3895,
                      .setpoint_radio = 3896},
                     {.word = 73, .bargraph_combo = 4058, .kind_text = 4063, .correction_radio = 4061,
                      .setpoint_radio = 4062}},
        .colours = {{.control = 4046, .word = 37, .nibble = 0}, {.control = 4047, .word = 37, .nibble = 1},
                    {.control = 4048, .word = 37, .nibble = 2},
                    {.control = 4018, .word = 36, .nibble = 0}, {.control = 4020, .word = 36, .nibble = 1},
                    {.control = 4021, .word = 36, .nibble = 2}},
        .modes = StandardModes({{.link = 4049, .states = 3904, .first_symbol = 3906},
                                {.link = 3939, .states = 3941, .first_symbol = 3943},
                                {.link = 3976, .states = 3978, .first_symbol = 3980}}),
        .output = {.two_state_radio = 4031, .pwm_radio = 4032, .steps_edit = 4034,
                   .frequency_edit = 4036, .period_edit = 4039, .set_button = 4037},
        .word_defaults = {{.word = 35, .value = 5},       {.word = 29, .value = 10},
                          {.word = 30, .value = 10},      {.word = 50, .value = 1},
                          {.word = 51, .value = 65534},   {.word = 68, .value = 1},
                          {.word = 69, .value = 1026},    {.word = 73, .value = 1027},
                          {.word = 36, .value = 0x222},   {.word = 37, .value = 0x333}},
        // Not offered: the group stays hidden; its handler is kept.
        .calibration_edit = kCalibrationValue,
        .calibration_button = kWriteCalibration,
        .limit_pairs = {{.lower = 3881, .upper = 3882},
                        {.lower = 3892, .upper = 3893},
                        {.lower = 4056, .upper = 4053},
                        {.lower = 4067, .upper = 4068}},
    };
    for (const auto& m : d.modes) {
      d.word_defaults.push_back({.word = m.link_word, .value = 0});
      d.word_defaults.push_back({.word = m.states_word, .value = 0});
      for (int k = 0; k < mc::kModeSymbols; ++k)
        d.word_defaults.push_back({.word = m.first_symbol_word + k, .value = 0});
    }
    // The template's captions, set again at opening; written once, there.
    static const ui::DialogTemplate kTemplate = res::Kdb7dyTemplate();
    d.dialog.texts = res::TemplateCaptions(kTemplate, d.dialog.buttons);
    return d;
  }();
  return def;
}

}  // namespace travik
