// Every text the program shows from its resource tables, with its context:
// what the catalogue must translate.
#pragma once

#include <string_view>
#include <vector>

#include "i18n/catalogue.h"
#include "ui/template.h"

namespace travik::i18n {

// Whether a text is shown as it is in every language: no letters (numbers,
// units like "%"), a model name or a transmitter's product string.
bool IsLanguageNeutral(std::string_view text);

// Whether a control shows its template caption as a label (edits and combos
// show values).
bool ShowsCaption(ui::ControlKind kind);

// Whether a control's text is translated when shown: labels, and the
// entries and texts of lists.
bool ShowsTranslatedText(ui::ControlKind kind);

// The captions and labels of every template, and the main menu.
std::vector<Entry> ResourceTexts();

// Menu 340's texts as translations of the main menu's, by command and place.
std::vector<Entry> EnglishMenuEntries();

}  // namespace travik::i18n
