// The translators' catalogue: shown texts keyed by context and Czech source,
// read from and written to a Qt Linguist .ts file without Qt, so that the
// extractor, the checks and the headless layer share it with the Qt layer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace travik::i18n {

enum class State { kFinished, kUnfinished, kVanished };

struct Entry {
  std::string context;
  std::string source;       // Czech, as the program shows it
  std::string translation;  // empty while unfinished
  State state = State::kFinished;
};

// Contexts: a template's texts (caption and controls) and what its procedure
// sets at run time share the template's context; the main menu has its own.
std::string TemplateContext(int number);  // "template 103"
std::string MenuContext(int number);      // "menu 102"
inline constexpr std::string_view kMessagesContext = "messages";

class Catalogue {
 public:
  // Parses a .ts file's text; nullopt (and a reason) when it is not one.
  static std::optional<Catalogue> Parse(std::string_view ts, std::string* error = nullptr);
  std::string Write() const;

  // Adds an entry or updates the one with the same context and source.
  void Put(Entry entry);
  const Entry* Find(std::string_view context, std::string_view source) const;
  // A finished translation, or nullptr.
  const std::string* Translation(std::string_view context, std::string_view source) const;
  const std::vector<Entry>& Entries() const { return entries_; }

  // Makes the catalogue hold exactly `wanted` (context, source) pairs:
  // existing translations are kept, new texts come in unfinished, texts no
  // longer shown are marked vanished (a translator may still reuse them).
  void Merge(const std::vector<Entry>& wanted);

  std::string language = "en_US";
  std::string source_language = "cs_CZ";

 private:
  std::vector<Entry> entries_;
};

// One text on one line of a collected-texts file: "\\" and "\n" escaped.
std::string EscapeLine(std::string_view text);
std::string UnescapeLine(std::string_view line);
std::string UnescapeXml(std::string_view text);

// The language the program shows.
enum class Language { kCzech, kEnglish };
// From a locale name ($LC_ALL, $LC_MESSAGES or $LANG): "cs*" is Czech,
// anything else English; an empty or "C"/"POSIX" locale is English too.
Language LanguageFromLocale(std::string_view locale);
std::optional<Language> ParseLanguage(std::string_view name);  // "cs" | "en"
const char* LanguageCode(Language language);
// The locale of the environment, as the C library would choose it.
std::string EnvironmentLocale();
// The language to show: the command line's choice ("cs"/"en"), else the
// settings', else the locale's.
Language ChooseLanguage(std::string_view option, std::string_view setting,
                        std::string_view locale);

// Composed texts: a procedure that builds a text with numbers ("Zbyvajici
// pocet kroku 7 ") is translated through a pattern entry whose source marks
// each varying part Qt-style ("Zbyvajici pocet kroku %1 "). A placeholder
// stands for any non-empty text; the rest must match exactly.
bool IsPattern(std::string_view source);
// The texts in place of %1..%9, or nullopt when `text` does not fit `pattern`.
std::optional<std::vector<std::string>> MatchPattern(std::string_view pattern,
                                                      std::string_view text);
// `translation` with %1..%9 replaced by `parts` (a missing part stays as is).
std::string FillPattern(std::string_view translation, const std::vector<std::string>& parts);
// Characters of a pattern that are not placeholders: where several patterns
// fit a text, the one with the most wins (the most specific).
std::size_t LiteralLength(std::string_view pattern);
// The pattern of `context` that `text` fits, the most specific one.
const Entry* FindPattern(const Catalogue& catalogue, std::string_view context,
                         std::string_view text);

// What the window layer calls to show a text: the text in the chosen
// language, or the source itself when no translator is set or the catalogue
// has no finished entry. A text without an entry of its own is tried against
// the patterns of its context (those of the built-in catalogue: every
// language's catalogue has the same sources) and shown through the matching
// pattern's translation. The procedures never see the result.
using Translator = std::function<std::string(std::string_view context, std::string_view source)>;
void SetTranslator(Translator translator);
bool HasTranslator();
std::string Tr(std::string_view context, std::string_view source);

// The catalogue built into the program (translations/travik_en.ts), parsed
// once; Czech has none (it is the source).
const Catalogue* BuiltInCatalogue(Language language);
// Shows `language` from the built-in catalogue (no Qt). Czech removes the
// translator.
void UseBuiltInCatalogue(Language language);

// Texts the procedures show at run time (labels they set, list entries,
// message boxes). The window layers note each; with a sink set they are
// gathered, so that the extractor learns them from a sweep of the scenarios.
// `composed` marks a label's text holding numbers that is not a value: the
// catalogue needs a pattern for it.
using ShownSink =
    std::function<void(std::string_view context, std::string_view text, bool composed)>;
void SetShownSink(ShownSink sink);
// Notes a text. A `value_like` text (a label's) holding digits is skipped
// when it is a value (IsValueText), and noted as composed otherwise.
void NoteShown(std::string_view context, std::string_view text, bool value_like);
// Whether a text holding digits is a value: every word holds a digit ("10V",
// "KDB7DY"), is upper case ("SN", "TRX"), is a unit or the maker's name; or
// it is a file's path.
bool IsValueText(std::string_view text);

}  // namespace travik::i18n
