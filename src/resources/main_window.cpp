#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;

std::vector<ui::DialogTemplate> MainTemplates() {
  ui::DialogTemplate t;
  t.number = kMainWindow;
  t.caption = "Travik 00.00.98  CZ_008";
  t.x = 100;
  t.y = 100;
  t.w = 550;
  t.h = 400;
  t.style = ui::kDialogPixels;
  t.icon = kIconApp;
  t.menu_number = kMenuMain;
  t.controls = {
      {kFieldHidId, ControlKind::kStatic, "", 20, 60, 140, 25, ui::kStyleClientEdge},
      {kFieldDevice, ControlKind::kStatic, "", 200, 60, 140, 25, ui::kStyleClientEdge},
      {kFieldFirmware, ControlKind::kStatic, "", 380, 60, 140, 25, ui::kStyleClientEdge},
      {kButtonStart, ControlKind::kButton, "START", 20, 260, 90, 25},
      {kButtonStop, ControlKind::kButton, "STOP", 140, 260, 90, 25},
      {kButtonConfig, ControlKind::kButton, "KONFIGURACE", 260, 260, 90, 25},
      {kButtonValues, ControlKind::kButton, "HODNOTY", 380, 260, 90, 25},
      {31, ControlKind::kPaintedText, "HID ID", 20, 40, 100, 16},
      {32, ControlKind::kPaintedText, "Device", 200, 40, 100, 16},
      {33, ControlKind::kPaintedText, "FW version", 380, 40, 100, 16},
  };
  t.menus = {
      {"Soubor", {{kMenuExit, "Konec"}}},
      {"Nástroje",
       {{kMenuManualCalibration, "Manuální kalibrace"},
        {kMenuAutoCalibration, "Atomatická kalibrace"},
        {kMenuBootloader, "BootLoader"}}},
      {"Nastavení",
       {{kMenuUsbSet, "USB parametry Set"},
        {kMenuUsbCal, "USB parametry Cal"},
        {kMenuLanguage, "Jazyk / Language"}}},
      {"Nápověda",
       {{kMenuAbout, "O programu"},
        {kMenuSupportedDevices, "Podporovaná zařízení"},
        {kMenuFunctions, "Podporované funkce"}}},
  };

  // The language choice, added beside the menu's own entries.
  ui::DialogTemplate lang;
  lang.number = kDlgLanguage;
  lang.caption = "Jazyk / Language";
  lang.w = 180;
  lang.h = 104;
  lang.controls = {
      {1000, ControlKind::kGroupBox, "Jazyk programu", 7, 7, 166, 58},
      {1001, ControlKind::kRadio, "Podle systému", 15, 19, 150, 10},
      {1002, ControlKind::kRadio, "Čeština", 15, 32, 150, 10},
      {1003, ControlKind::kRadio, "English", 15, 45, 150, 10},
      {1004, ControlKind::kStatic, "Změna platí od příštího spuštění.", 7, 69, 166, 10},
      {ui::kIdOk, ControlKind::kDefaultButton, "OK", 66, 83, 50, 14},
      {ui::kIdCancel, ControlKind::kButton, "Zrušit", 123, 83, 50, 14},
  };
  return {t, lang};
}

// Menu 340: the main menu in English, same commands in the same places.
std::vector<ui::Menu> EnglishMainMenu() {
  return {
      {"File", {{kMenuExit, "Exit"}}},
      {"Tools",
       {{kMenuManualCalibration, "Manual calibration"},
        {kMenuAutoCalibration, "Automatic calibration"},
        {kMenuBootloader, "Bootloader"}}},
      {"Setting",
       {{kMenuUsbSet, "USB parametres SET"},
        {kMenuUsbCal, "USB parameters CAL"},
        {kMenuLanguage, "Jazyk / Language"}}},
      {"Help",
       {{kMenuAbout, "About"},
        {kMenuSupportedDevices, "Supported devices"},
        {kMenuFunctions, "Supported functions"}}},
  };
}

}  // namespace travik::res
