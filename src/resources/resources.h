// Resource numbers: templates, menu commands and the main window's controls.
#pragma once

#include <vector>

#include "ui/template.h"

namespace travik::res {

// The main window is built from a template of its own; its controls have no
// identifiers on the platform, so these are ours.
inline constexpr int kMainWindow = 100;
inline constexpr int kIconApp = 101;
inline constexpr int kMenuMain = 102;
inline constexpr int kMenuMainEnglish = 340;
inline constexpr int kFieldHidId = 11;
inline constexpr int kFieldDevice = 12;
inline constexpr int kFieldFirmware = 13;
inline constexpr int kButtonStart = 21;
inline constexpr int kButtonStop = 22;
inline constexpr int kButtonConfig = 23;
inline constexpr int kButtonValues = 24;

// Menu commands.
inline constexpr int kMenuExit = 40002;
inline constexpr int kMenuAbout = 40004;
inline constexpr int kMenuManualCalibration = 40015;
inline constexpr int kMenuSupportedDevices = 40023;
inline constexpr int kMenuFunctions = 40026;
inline constexpr int kMenuUsbSet = 40028;
inline constexpr int kMenuUsbCal = 40029;
inline constexpr int kMenuAutoCalibration = 40031;
inline constexpr int kMenuBootloader = 40032;
inline constexpr int kMenuLanguage = 40040;

// Dialog templates.
inline constexpr int kDlgUsbSet = 103;
inline constexpr int kDlgWritePopup = 108;
inline constexpr int kDlgReadPopup = 109;
inline constexpr int kDlgBootloader = 120;
inline constexpr int kDlgUsbCal = 121;
inline constexpr int kDlgOffline = 124;
inline constexpr int kDlgValues = 106;
inline constexpr int kDlgOutputModule = 134;
inline constexpr int kDlgOutputCalibration = 122;
inline constexpr int kDlgInputCalibration = 336;
inline constexpr int kDlgKdb7dy = 337;
inline constexpr int kDlgLanguage = 950;

// Tables of templates, one function per resource file (the compact family's,
// built from its dialog tables, are CompactTemplates in dialogs/layout_template.h).
std::vector<ui::DialogTemplate> MainTemplates();
std::vector<ui::DialogTemplate> SettingsTemplates();
std::vector<ui::DialogTemplate> TransferTemplates();
std::vector<ui::DialogTemplate> FirmwareTemplates();
std::vector<ui::DialogTemplate> ValuesTemplates();
std::vector<ui::DialogTemplate> CalibrationTemplates();
std::vector<ui::DialogTemplate> MultiChannelTemplates();
// KDB7DY's alone: its dialog sets the template's captions again at opening.
ui::DialogTemplate Kdb7dyTemplate();
std::vector<ui::DialogTemplate> RackLcdTemplates();
std::vector<ui::DialogTemplate> RackAnalogTemplates();
std::vector<ui::DialogTemplate> MultiChannelMemberTemplates();

// Menu 340, the main window's menu bar (kMenuMain) in English.
std::vector<ui::Menu> EnglishMainMenu();

}  // namespace travik::res
