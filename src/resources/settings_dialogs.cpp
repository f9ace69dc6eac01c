#include "resources/resources.h"

namespace travik::res {

using ui::ControlKind;

namespace {

ui::DialogTemplate UsbIdsTemplate(int number, int group, int vendor, int product) {
  ui::DialogTemplate t;
  t.number = number;
  t.caption = "USB HID";
  t.w = 177;
  t.h = 92;
  t.controls = {
      {ui::kIdOk, ControlKind::kDefaultButton, "OK", 58, 65, 50, 14},
      {group, ControlKind::kGroupBox, "HID ID seting", 7, 7, 143, 78},
      {vendor, ControlKind::kEdit, "", 35, 38, 35, 14},
      {product, ControlKind::kEdit, "", 93, 39, 34, 14},
      {-1, ControlKind::kStatic, "Vendor ID", 37, 27, 40, 8},
      {-2, ControlKind::kStatic, "Product ID", 94, 27, 40, 8},
  };
  return t;
}

ui::DialogTemplate OfflineTemplate() {
  struct Button {
    int id, x, y;
    const char* text;
  };
  static constexpr Button kButtons[] = {
      {2, 7, 8, "NSC"},         {3, 62, 8, "NSF"},        {1259, 117, 8, "BBA"},
      {5, 116, 68, "EHA9"},     {6, 116, 128, "UU5"},     {1260, 62, 28, "NRXU"},
      {8, 116, 28, "KDB"},      {9, 7, 28, "NRGN"},       {7, 7, 48, "KFX"},
      {11, 7, 68, "NWYJ"},      {12, 62, 68, "NWYT"},     {15, 116, 48, "NDEUP"},
      {10, 62, 48, "NDEUL"},    {13, 7, 88, "BBH7T"},     {14, 62, 88, "JBC3S"},
      {18, 62, 108, "BBH7H"},   {20, 62, 168, "E-GET9"},  {21, 116, 108, "BBH8L"},
      {22, 7, 128, "NQAZ"},     {23, 7, 168, "MZP"},      {28, 116, 168, "NQKZ"},
      {29, 7, 188, "MJD"},      {24, 116, 148, "LDRS"},   {25, 7, 148, "NBBSZ"},
      {27, 62, 148, "NBBVK"},   {26, 7, 108, "BBH7QS"},   {31, 62, 188, "UC-VWW"},
      {32, 116, 188, "UC-MXB"}, {30, 7, 208, "UC-RGJ"},   {34, 62, 208, "UC-RGJ-H"},
      {33, 116, 208, "UC-BCN"}, {35, 7, 228, "UC-VWC"},   {39, 116, 248, "UC-MXH"},
      {36, 62, 228, "UC-RGQ"},  {38, 116, 228, "UC-RGQ-A"}, {37, 7, 248, "UC-BCM"},
      {40, 62, 128, "N3tNT"},   {41, 116, 88, "KDB7DY"},
  };
  ui::DialogTemplate t;
  t.number = kDlgOffline;
  t.caption = "OFF LINE mode";
  t.w = 171;
  t.h = 302;
  t.style = ui::kDialogNoCloseBox;
  for (const auto& b : kButtons) t.controls.push_back({b.id, ControlKind::kButton, b.text, b.x, b.y, 50, 14});
  return t;
}

}  // namespace

std::vector<ui::DialogTemplate> SettingsTemplates() {
  return {UsbIdsTemplate(kDlgUsbSet, 4111, 1001, 1002), UsbIdsTemplate(kDlgUsbCal, 1218, 1219, 1220),
          OfflineTemplate()};
}

}  // namespace travik::res
