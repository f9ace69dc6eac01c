// The six device buttons every configuration dialog has, by identifier: one
// struct for the dialog tables and the templates, written with designated
// initializers ({.open = 4040, .read = 4043, …}) so that no row depends on
// an order of its own.
#pragma once

namespace travik {

struct DeviceButtons {
  int open = 0;    // "Otevřít Nastavení"
  int read = 0;    // "Načíst " + model
  int save = 0;    // "Uložit Nastavení"
  int write = 0;   // "Zapsat " + model
  int preset = 0;  // "Přednastavení"
  int cancel = 0;  // "Cancel"
};

}  // namespace travik
