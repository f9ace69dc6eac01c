#include "ui/qt/qt_translation.h"

#include <QString>
#include <QTranslator>

#include <string>

namespace travik::ui {

QtTranslation::QtTranslation(i18n::Language language) {
  if (language == i18n::Language::kCzech) return;
  auto translator = std::make_unique<QTranslator>();
  // travik_<code>.qm, as lrelease names it after the catalogue.
  if (!translator->load(QStringLiteral(":/i18n/travik_%1.qm").arg(QLatin1String(i18n::LanguageCode(language)))))
    return;
  translator_ = std::move(translator);
  QTranslator* t = translator_.get();
  i18n::SetTranslator([t](std::string_view context, std::string_view source) {
    const std::string c(context), s(source);
    const QString shown = t->translate(c.c_str(), s.c_str());
    return shown.isEmpty() ? s : shown.toUtf8().toStdString();
  });
}

QtTranslation::~QtTranslation() {
  if (translator_) i18n::SetTranslator(nullptr);
}

}  // namespace travik::ui
