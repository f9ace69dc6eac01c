#include "resources/resources.h"
#include "ui/builder.h"

namespace travik::res {

using ui::ControlKind;

namespace {

// The buttons every compact dialog has, in two rows under its groups.
void AddDeviceButtons(ui::TemplateBuilder& b, int y, int read, const char* read_text, int write,
                      const char* write_text, int cancel, int open, int save, int preset) {
  b.Add(read, ControlKind::kButton, read_text, 7, y, 80, 14);
  b.Add(write, ControlKind::kButton, write_text, 97, y, 80, 14);
  b.Add(cancel, ControlKind::kButton, "Cancel", 187, y, 80, 14);
  b.Add(open, ControlKind::kButton, "Otevřít Nastavení", 7, y + 18, 80, 14);
  b.Add(save, ControlKind::kButton, "Uložit Nastavení", 97, y + 18, 80, 14);
  b.Add(preset, ControlKind::kButton, "Přednastavení", 187, y + 18, 80, 14);
}

ui::DialogTemplate Kdb() {
  ui::TemplateBuilder b(130, "KDB", 275, 190);
  auto shifts = b.Group(1330, "Posuv měřené hodnoty", 7, 7, 128);
  shifts.Row(1331, "Teplota [°C]", 1332, ControlKind::kEdit)
      .Row(1333, "Vlhkost [%RH]", 1334, ControlKind::kEdit)
      .Row(1335, "Konc. CO2 [ppm]", 1336, ControlKind::kEdit)
      .End();
  auto limits = b.Group(2322, "Limity indikace CO2", 7, shifts.Bottom(), 128);
  limits.Row(2324, "Spodní limit", 2326, ControlKind::kEdit)
      .Row(2323, "Horní limit", 2325, ControlKind::kEdit)
      .End();
  auto text = b.Group(1337, "Textové pole", 140, 7, 128);
  text.Full(1338, ControlKind::kEdit).End();
  auto network = b.Group(1339, "Síťové nastavení", 140, text.Bottom(), 128);
  network.Row(1340, "Adresa", 1341, ControlKind::kEdit)
      .Row(1342, "Rychlost", 1343, ControlKind::kSortedCombo, 50)
      .End();
  auto calibration = b.Group(2327, "Zápis kalibrační hodnoty", 140, network.Bottom(), 128);
  calibration.Row(2328, "Kalibrační hodnota", 2329, ControlKind::kEdit)
      .Full(2330, ControlKind::kButton, "Zápsat kalibraci", 14)
      .End();
  AddDeviceButtons(b, 150, 1345, "Načíst KDB", 1347, "Zapsat KDB", 1349, 1344, 1346, 1348);
  return b.Build();
}

}  // namespace

std::vector<ui::DialogTemplate> CompactTemplates() { return {Kdb()}; }

}  // namespace travik::res
