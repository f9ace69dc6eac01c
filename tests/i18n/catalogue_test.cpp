#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "i18n/catalogue.h"
#include "dialogs/shown_texts.h"
#include "resources/resources.h"
#include "settings/user_settings.h"
#include "support/files.h"

namespace travik::i18n {
namespace {

const std::string kCatalogue = std::string(TRAVIK_TEST_DATA) + "/../../translations/travik_en.ts";

TEST(Catalogue, TextsSurviveWriteAndParse) {
  const std::vector<Entry> entries = {
      {"template 103", "HID ID seting", "HID ID setting", State::kFinished},
      {"template 103", "A & B <c> \"d\" 'e'", "x & y", State::kFinished},
      {"template 130", "Počet\nstavů", "Number\nof states", State::kFinished},
      {"menu 102", "Konec", "", State::kUnfinished},
      {"messages", "Stará zpráva", "Old message", State::kVanished},
  };
  Catalogue c;
  for (const auto& e : entries) c.Put(e);
  auto back = Catalogue::Parse(c.Write());
  ASSERT_TRUE(back);
  ASSERT_EQ(back->Entries().size(), entries.size());
  for (const auto& e : entries) {
    SCOPED_TRACE(e.source);
    const Entry* got = back->Find(e.context, e.source);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(got->translation, e.translation);
    EXPECT_EQ(got->state, e.state);
  }
  EXPECT_EQ(back->Write(), c.Write());
  // Only finished entries translate.
  EXPECT_EQ(*back->Translation("template 103", "HID ID seting"), "HID ID setting");
  EXPECT_EQ(back->Translation("menu 102", "Konec"), nullptr);
  EXPECT_EQ(back->Translation("messages", "Stará zpráva"), nullptr);
  EXPECT_EQ(back->Translation("template 104", "HID ID seting"), nullptr);  // keyed by context
}

TEST(Catalogue, ReadsWhatLinguistWrites) {
  // Linguist adds locations, comments, numeric references and self-closed
  // empty translations.
  const char* ts = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="cs_CZ">
<context>
    <name>template 103</name>
    <message>
        <location filename="x.cpp" line="3"/>
        <source>OK&#x0a;</source>
        <comment>button</comment>
        <translation>Gut&#10;</translation>
    </message>
    <message>
        <source>Vendor ID</source>
        <translation/>
    </message>
</context>
</TS>
)";
  auto c = Catalogue::Parse(ts);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->language, "de_DE");
  EXPECT_EQ(*c->Translation("template 103", "OK\n"), "Gut\n");
  ASSERT_NE(c->Find("template 103", "Vendor ID"), nullptr);
  EXPECT_EQ(c->Find("template 103", "Vendor ID")->state, State::kUnfinished);
}

TEST(Catalogue, RejectsWhatIsNotACatalogue) {
  for (const char* bad : {"", "<html></html>", "<TS><context><message><source>x</source></message></context></TS>",
                          "<TS><context><name>a</name><message><translation>y</translation></message></context></TS>"}) {
    SCOPED_TRACE(bad);
    std::string error;
    EXPECT_FALSE(Catalogue::Parse(bad, &error));
    EXPECT_FALSE(error.empty());
  }
}

TEST(Catalogue, MergeKeepsTranslationsAndMarksTheRest) {
  Catalogue c;
  c.Put({"t", "kept", "Kept", State::kFinished});
  c.Put({"t", "gone", "Gone", State::kFinished});
  c.Put({"t", "back", "Back", State::kVanished});
  c.Put({"t", "never", "", State::kUnfinished});
  c.Merge({{"t", "kept", "", State::kUnfinished},
           {"t", "back", "", State::kUnfinished},
           {"t", "new", "", State::kUnfinished},
           {"u", "kept", "", State::kUnfinished}});
  struct Want {
    const char *context, *source;
    State state;
    const char* translation;
  };
  for (const Want& w : {Want{"t", "kept", State::kFinished, "Kept"},
                        Want{"t", "back", State::kFinished, "Back"},
                        Want{"t", "new", State::kUnfinished, ""},
                        Want{"u", "kept", State::kUnfinished, ""},  // another context: not shared
                        Want{"t", "gone", State::kVanished, "Gone"}}) {
    SCOPED_TRACE(w.source);
    const Entry* e = c.Find(w.context, w.source);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->state, w.state);
    EXPECT_EQ(e->translation, w.translation);
  }
  EXPECT_EQ(c.Find("t", "never"), nullptr);  // nothing to keep of an empty entry
  EXPECT_EQ(c.Entries().size(), 5u);
}

TEST(Language, FromLocaleOptionAndSettings) {
  struct Case {
    const char *option, *setting, *locale;
    Language want;
  };
  for (const Case& c : {
           Case{"", "", "cs_CZ.UTF-8", Language::kCzech},
           Case{"", "", "cs", Language::kCzech},
           Case{"", "", "cs_CZ@euro", Language::kCzech},
           Case{"", "", "en_US.UTF-8", Language::kEnglish},
           Case{"", "", "de_DE.UTF-8", Language::kEnglish},
           Case{"", "", "csb_PL.UTF-8", Language::kEnglish},  // Kashubian, not Czech
           Case{"", "", "C", Language::kEnglish},
           Case{"", "", "", Language::kEnglish},
           Case{"", "en", "cs_CZ.UTF-8", Language::kEnglish},
           Case{"", "cs", "en_US.UTF-8", Language::kCzech},
           Case{"cs", "en", "en_US.UTF-8", Language::kCzech},
           Case{"en", "cs", "cs_CZ.UTF-8", Language::kEnglish},
           Case{"", "xx", "cs_CZ.UTF-8", Language::kCzech},  // a broken setting falls back
       }) {
    SCOPED_TRACE(std::string(c.option) + "|" + c.setting + "|" + c.locale);
    EXPECT_EQ(ChooseLanguage(c.option, c.setting, c.locale), c.want);
  }
}

TEST(Language, TheChoiceIsKeptInTheSettingsFile) {
  struct Case {
    const char* text;
    const char* language;
  };
  for (const Case& c : {Case{"language=en\n", "en"}, Case{"language=cs\r\n", "cs"},
                        Case{"language=fr\n", ""}, Case{"fast_output_calibration=1\n", ""}}) {
    SCOPED_TRACE(c.text);
    UserSettings s;
    ParseUserSettings(c.text, s);
    EXPECT_EQ(s.Language, c.language);
    UserSettings again;
    ParseUserSettings(FormatUserSettings(s), again);
    EXPECT_EQ(again.Language, s.Language);
  }
  // Without a choice the file stays as it always was.
  EXPECT_EQ(FormatUserSettings(UserSettings{}), "fast_output_calibration=0\n");
}

TEST(Translator, WindowLayerFallsBackToTheSource) {
  EXPECT_EQ(Tr("template 103", "Vendor ID"), "Vendor ID");
  SetTranslator([](std::string_view, std::string_view source) {
    return source == "Zrušit" ? std::string("Cancel") : std::string(source);
  });
  EXPECT_EQ(Tr("template 950", "Zrušit"), "Cancel");
  EXPECT_EQ(Tr("template 950", ""), "");
  SetTranslator(nullptr);
  EXPECT_EQ(Tr("template 950", "Zrušit"), "Zrušit");
}

// Patterns: each placeholder takes the shortest part that lets the rest
// match; the parts go into the translation in its own order.
TEST(Pattern, MatchesAndFills) {
  struct Row {
    const char* pattern;
    const char* text;
    std::vector<std::string> parts;  // empty: no match
  };
  const Row rows[] = {
      {"Zbyvajici pocet kroku %1 ", "Zbyvajici pocet kroku 12 ", {"12"}},
      {"Kalibrace Napeti kanal %1 kalibracni bod %2", "Kalibrace Napeti kanal 2 kalibracni bod 10V",
       {"2", "10V"}},
      {"%1: %2 řádků", "a: b.csv: 5 řádků", {"a", "b.csv: 5"}},
      {"Write: %1%", "Write:  8%", {" 8"}},
      {"Read: %1%", "Read: %", {}},                 // a placeholder is never empty
      {"Zbyvajici pocet kroku %1 ", "Zbyvajici pocet kroku 7", {}},  // the trailing blank
      {"RTD %1", "RTD", {}},
      {"Kalibrace dokoncena", "Kalibrace dokoncena", {}},  // not a pattern
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    auto parts = MatchPattern(row.pattern, row.text);
    if (row.parts.empty()) {
      EXPECT_FALSE(parts);
    } else {
      ASSERT_TRUE(parts);
      EXPECT_EQ(*parts, row.parts);
    }
  }
  EXPECT_EQ(FillPattern("%2 after %1, 100%", {"a", "b"}), "b after a, 100%");
  EXPECT_EQ(FillPattern("%1 and %3", {"a"}), "a and %3");
}

TEST(Pattern, TheMostSpecificPatternWins) {
  Catalogue c;
  c.Put({"messages", "%1: %2", "%1 = %2", State::kFinished});
  c.Put({"messages", "Soubor %1: %2", "File %1: %2", State::kFinished});
  c.Put({"messages", "Soubor %1: chyba %2", "", State::kVanished});
  c.Put({"template 1", "Soubor %1", "File %1", State::kFinished});
  ASSERT_NE(FindPattern(c, "messages", "Soubor a: b"), nullptr);
  EXPECT_EQ(FindPattern(c, "messages", "Soubor a: b")->source, "Soubor %1: %2");
  EXPECT_EQ(FindPattern(c, "messages", "Soubor a: chyba 3")->source, "Soubor %1: %2");
  EXPECT_EQ(FindPattern(c, "messages", "x: y")->source, "%1: %2");
  EXPECT_EQ(FindPattern(c, "messages", "Soubor a"), nullptr);
  EXPECT_EQ(LiteralLength("Soubor %1: %2"), 9u);
}

TEST(Pattern, ValuesAreToldFromComposedTexts) {
  for (const char* value : {" 12,5  %RH", "4.00 mA", "  KDB7DY SN1234", "Kolvar KDB7DY", "0xE240",
                            "Pt1000, 3850ppm", "23,1  °C", "/tmp/run2/fw.kvm", "  TRX-30"})
    EXPECT_TRUE(IsValueText(value)) << value;
  for (const char* composed : {"Zbyvajici pocet kroku 3 ", "Write: 8%", "rec.csv: 5 řádků",
                               "Analogový výstup U1", "Kolvar Boot TRX-30", "Symbol 3"})
    EXPECT_FALSE(IsValueText(composed)) << composed;
}

// The built-in catalogue shows composed texts through their patterns, by
// context, and leaves values and unknown texts alone.
TEST(Pattern, BuiltInCatalogueTranslatesComposedTexts) {
  UseBuiltInCatalogue(Language::kEnglish);
  const std::string calibration = TemplateContext(122);
  EXPECT_EQ(Tr(calibration, "Kalibrace Napeti kanal 1 kalibracni bod 1V"),
            "Voltage calibration, channel 1, point 1V");
  EXPECT_EQ(Tr(calibration, "Kalibrace Proudu kanal 2 kalibracni bod 20mA"),
            "Current calibration, channel 2, point 20mA");
  EXPECT_EQ(Tr(calibration, "Zbyvajici pocet kroku 11 "), "Steps left: 11 ");
  EXPECT_EQ(Tr(calibration, "Kalibrace dokoncena"), "Calibration finished");
  EXPECT_EQ(Tr(TemplateContext(120), " BOOTLoader, Zápis datového bloku 42"),
            " Bootloader: writing data block 42");
  EXPECT_EQ(Tr(TemplateContext(106), "rec.csv: 26 řádků"), "rec.csv: 26 rows");
  // Another template's pattern does not apply.
  EXPECT_EQ(Tr(TemplateContext(336), "Zbyvajici pocet kroku 11 "), "Zbyvajici pocet kroku 11 ");
  EXPECT_EQ(Tr(calibration, "12345"), "12345");
  // Of two patterns that fit, the more specific one.
  const std::string about = "Travik Tool\n\nverze 00.00.98  CZ_008\nbalíček 1.2.3";
  EXPECT_EQ(Tr(kMessagesContext, about), "Travik Tool\n\nversion 00.00.98  CZ_008\npackage 1.2.3");
  EXPECT_EQ(Tr(kMessagesContext, about + "\n\nZáznam pro podporu:\n/tmp/a.log"),
            "Travik Tool\n\nversion 00.00.98  CZ_008\npackage 1.2.3\n\nSupport log:\n/tmp/a.log");
  EXPECT_EQ(Tr(kMessagesContext, "Režim 3 (M3) má zvolen nulový počet stavů. Předvolba bude "
                                 "přenastavena na Neaktivní( )."),
            "Mode 3 (M3) has zero states selected. The preset will be reset to Inactive( ).");
  UseBuiltInCatalogue(Language::kCzech);
  EXPECT_EQ(Tr(calibration, "Kalibrace dokoncena"), "Kalibrace dokoncena");
}

TEST(ShownTexts, NamesAndNumbersAreNotTranslated) {
  for (const char* neutral : {"", "12.5", "%", "NSC", "KDB7DY", "UC-RGQ-A", "-", "1 / 2"})
    EXPECT_TRUE(IsLanguageNeutral(neutral)) << neutral;
  for (const char* shown : {"OK", "Adresa", "Čeština", "°C", "HID ID"})
    EXPECT_FALSE(IsLanguageNeutral(shown)) << shown;
}

// The committed catalogue against the program: the English main menu is menu
// 340, and every shown label has a finished English text.
TEST(CommittedCatalogue, CoversEveryResourceTextAndTheEnglishMenu) {
  auto c = Catalogue::Parse(testing::ReadFile(kCatalogue));
  ASSERT_TRUE(c) << kCatalogue;
  for (const Entry& e : EnglishMenuEntries()) {
    SCOPED_TRACE(e.source);
    const std::string* english = c->Translation(e.context, e.source);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(*english, e.translation);
  }
  int count = 0;
  for (const Entry& e : ResourceTexts()) {
    ++count;
    EXPECT_NE(c->Translation(e.context, e.source), nullptr) << e.context << ": " << e.source;
  }
  EXPECT_GT(count, 1000);
}

}  // namespace
}  // namespace travik::i18n
