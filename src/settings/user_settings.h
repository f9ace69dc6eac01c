// The settings file: what the user chose that outlives the run. One
// "name=value" line per setting; unknown lines are ignored,
// so a newer program's settings do not break an older one.
#pragma once

#include <string>

#include "core/globals.h"

namespace travik {

// Where the GUI keeps its settings: $XDG_CONFIG_HOME/travik/settings, or
// ~/.config/travik/settings; empty when neither variable is set.
std::string DefaultSettingsPath();

// Reads G().Settings from `path` and remembers the path for saving. A missing
// or unreadable file leaves the defaults.
void LoadUserSettings(const std::string& path);

// Writes G().Settings to the remembered path (creating its folder); nothing
// without a path. False when the file could not be written.
bool SaveUserSettings();

// The file's text for the settings, and back (unknown or malformed lines are
// skipped).
std::string FormatUserSettings(const UserSettings& settings);
void ParseUserSettings(const std::string& text, UserSettings& settings);

}  // namespace travik
