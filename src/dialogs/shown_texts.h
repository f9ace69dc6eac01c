// Every text the program shows from its resource tables, with its context:
// what the catalogue must translate.
#pragma once

#include <string_view>
#include <vector>

#include "i18n/catalogue.h"
#include "ui/template.h"
#include "ui/translated_kinds.h"

namespace travik::i18n {

// Whether a text is shown as it is in every language: no letters (numbers,
// units like "%"), a model name or a transmitter's product string.
bool IsLanguageNeutral(std::string_view text);

// The captions and labels of every template, and the main menu.
std::vector<Entry> ResourceTexts();

// Menu 340's texts as translations of the main menu's, by command and place.
std::vector<Entry> EnglishMenuEntries();

}  // namespace travik::i18n
