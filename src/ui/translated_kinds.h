// Which controls show a text the catalogue translates: the window layer's
// backends and the translators' extractor ask the same question.
#pragma once

#include "ui/template.h"

namespace travik::i18n {

// Whether a control shows its template caption as a label (edits and combos
// show values).
bool ShowsCaption(ui::ControlKind kind);

// Whether a control's text is translated when shown: labels, and the
// entries and texts of lists.
bool ShowsTranslatedText(ui::ControlKind kind);
// The same for a control of a template: status-line edits too.
bool ShowsTranslatedText(ui::ControlKind kind, std::uint32_t style);

}  // namespace travik::i18n
