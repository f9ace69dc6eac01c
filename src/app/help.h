// The --help texts of both programs. The Czech text is the catalogue's source
// (context "help"), so a translator finds it beside the windows' texts.
#pragma once

#include <string>
#include <string_view>

#include "i18n/catalogue.h"

namespace travik {

inline constexpr std::string_view kHelpContext = "help";

// travik's help; the simulated models' names follow it, one line each eight.
const char* ProgramHelpSource();
// travik-cli's help below its synopsis.
const char* CliHelpSource();

// A help text in `language` (the built-in catalogue's translation).
std::string ShownHelp(const char* source, i18n::Language language);

// The language --help speaks: --lang when given, else the remembered choice,
// else the locale's.
i18n::Language HelpLanguage(std::string_view option, std::string_view setting);

}  // namespace travik
