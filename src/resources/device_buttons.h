// The six device buttons every configuration dialog has, by identifier: one
// struct for the dialog tables and the templates, written with designated
// initializers ({.open = 4040, .read = 4043, …}) so that no row depends on
// an order of its own. Their captions are here once, for the templates and
// for the dialogs that set them at opening.
#pragma once

namespace travik {

struct DeviceButtons {
  int open = 0;
  int read = 0;
  int save = 0;
  int write = 0;
  int preset = 0;
  int cancel = 0;
};

inline constexpr const char* kOpenCaption = "Otevřít Nastavení";
inline constexpr const char* kSaveCaption = "Uložit Nastavení";
inline constexpr const char* kPresetCaption = "Přednastavení";
inline constexpr const char* kCancelCaption = "Cancel";
// Followed by the model the buttons name.
inline constexpr const char* kReadCaption = "Načíst ";
inline constexpr const char* kWriteCaption = "Zapsat ";

}  // namespace travik
