#include "settings/user_settings.h"

#include <sys/stat.h>

#include <cstdlib>
#include <sstream>

#include "config/file_io.h"
#include "core/globals.h"

namespace travik {
namespace {

constexpr const char* kFastOutputCalibration = "fast_output_calibration";
constexpr const char* kLanguage = "language";
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

std::string Folder(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The folder and its parent (~/.config may not exist yet on a new account).
void MakeFolders(const std::string& folder) {
  if (folder.empty()) return;
  MakeFolders(Folder(folder));
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

std::string DefaultSettingsPath() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
    return std::string(xdg) + "/travik/settings";
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
    return std::string(home) + "/.config/travik/settings";
  return {};
}

std::string FormatUserSettings(const UserSettings& settings) {
  std::string text =
      std::string(kFastOutputCalibration) + "=" + (settings.FastOutputCalibration ? "1" : "0") + "\n";
  if (!settings.Language.empty()) text += std::string(kLanguage) + "=" + settings.Language + "\n";
  return text;
}

void ParseUserSettings(const std::string& text, UserSettings& settings) {
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string name = line.substr(0, eq), value = line.substr(eq + 1);
    if (name == kFastOutputCalibration && (value == "0" || value == "1"))
      settings.FastOutputCalibration = value == "1";
    if (name == kLanguage && (value == "cs" || value == "en" || value.empty()))
      settings.Language = value;
  }
}

void LoadUserSettings(const std::string& path) {
  UserSettings& s = G().Settings;
  s.Path = path;
  if (path.empty()) return;
  std::string text(kMaxSettingsBytes, '\0');
  text.resize(ReadWholeFile(path, text.data(), text.size()));
  ParseUserSettings(text, s);
}

bool SaveUserSettings() {
  const UserSettings& s = G().Settings;
  if (s.Path.empty()) return true;
  MakeFolders(Folder(s.Path));
  const std::string text = FormatUserSettings(s);
  return ReplaceWholeFile(s.Path, text.data(), text.size());
}

}  // namespace travik
