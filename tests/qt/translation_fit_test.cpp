// English texts fit their controls at the templates' sizes, measured with the
// fonts the Qt window layer uses (offscreen platform).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRegularExpression>

#include <string>

#include "i18n/catalogue.h"
#include "dialogs/shown_texts.h"
#include "dialogs/templates.h"
#include "support/files.h"
#include "ui/qt/qt_window.h"

namespace travik::ui {
namespace {

const std::string kCatalogue = std::string(TRAVIK_TEST_DATA) + "/../../translations/travik_en.ts";

// Room a control's frame and indicator take from its text, in pixels.
int Chrome(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
    case ControlKind::kDefaultButton: return 6;
    case ControlKind::kCheckBox:
    case ControlKind::kRadio: return 18;
    case ControlKind::kGroupBox: return 12;
    default: return 0;
  }
}

bool Fits(const QFontMetrics& metrics, const QString& text, ControlKind kind, int w, int h) {
  const int room = w - Chrome(kind);
  if (kind == ControlKind::kStatic || kind == ControlKind::kPaintedText) {
    // Labels wrap at blanks; a word wider than the label or lines below it are cut.
    for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
      if (metrics.horizontalAdvance(word) > room) return false;
    const QRect r = metrics.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text);
    return r.height() <= std::max(h, metrics.height());
  }
  int widest = 0;
  for (const QString& line : text.split(u'\n')) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest <= room;
}

TEST(TranslationFit, EnglishLabelsFitWhereTheCzechOnesDo) {
  std::string error;
  auto catalogue = i18n::Catalogue::Parse(testing::ReadFile(kCatalogue), &error);
  ASSERT_TRUE(catalogue) << kCatalogue << ": " << error;
  int measured = 0;
  for (int number : ProgramTemplateNumbers()) {
    const DialogTemplate& t = *ProgramTemplate(number);
    if (t.style & kDialogPixels) continue;  // the main window: fixed pixel sizes, checked below
    const QFontMetrics metrics(qtimpl::TemplateFont(t));
    const qtimpl::DialogUnits u = qtimpl::UnitsOf(qtimpl::TemplateFont(t));
    for (const ControlTemplate& c : t.controls) {
      if (!i18n::ShowsCaption(c.kind) || c.caption.empty()) continue;
      const std::string* english = catalogue->Translation(i18n::TemplateContext(number), c.caption);
      if (english == nullptr) continue;  // language-neutral; a missing entry is travik-i18n's check
      const int w = u.X(c.w), h = u.Y(c.h);
      const QString cs = QString::fromStdString(c.caption), en = QString::fromStdString(*english);
      ++measured;
      if (Fits(metrics, cs, c.kind, w, h)) {
        EXPECT_TRUE(Fits(metrics, en, c.kind, w, h))
            << "template " << number << " control " << c.id << ": \"" << *english << "\" ("
            << metrics.horizontalAdvance(en) << " px) in " << w << "x" << h << " px";
      }
    }
  }
  EXPECT_GT(measured, 500);
}

TEST(TranslationFit, TheMeasureSeesAnOverlongText) {
  const DialogTemplate& t = *ProgramTemplate(103);
  const QFontMetrics metrics(qtimpl::TemplateFont(t));
  EXPECT_TRUE(Fits(metrics, "OK", ControlKind::kButton, 50, 14));
  EXPECT_FALSE(Fits(metrics, "Write the whole configuration now", ControlKind::kButton, 50, 14));
  EXPECT_FALSE(Fits(metrics, "Supercalifragilistic", ControlKind::kStatic, 40, 8));
  EXPECT_TRUE(Fits(metrics, "Two words", ControlKind::kStatic, 60, 30));
}

}  // namespace
}  // namespace travik::ui
