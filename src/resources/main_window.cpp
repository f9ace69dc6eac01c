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
      {"Nastavení", {{kMenuUsbSet, "USB parametry Set"}, {kMenuUsbCal, "USB parametry Cal"}}},
      {"Nápověda",
       {{kMenuAbout, "O programu"},
        {kMenuSupportedDevices, "Podporovaná zařízení"},
        {kMenuFunctions, "Podporované funkce"}}},
  };
  return {t};
}

}  // namespace travik::res
