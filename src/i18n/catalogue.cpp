#include "i18n/catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>

#include "core/text.h"

namespace travik::i18n {

std::string TemplateContext(int number) { return "template " + std::to_string(number); }
std::string MenuContext(int number) { return "menu " + std::to_string(number); }

std::string EscapeLine(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

std::string UnescapeLine(std::string_view line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    } else {
      out += line[i];
    }
  }
  return out;
}

std::string UnescapeXml(std::string_view text) {
  static constexpr std::pair<std::string_view, char> kNamed[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '&') {
      bool done = false;
      for (const auto& [name, c] : kNamed) {
        if (text.substr(i, name.size()) == name) {
          out += c;
          i += name.size();
          done = true;
          break;
        }
      }
      if (done) continue;
      // Numeric references: Linguist writes control characters this way.
      if (text.substr(i, 2) == "&#") {
        std::size_t end = text.find(';', i);
        if (end != std::string_view::npos) {
          std::string digits(text.substr(i + 2, end - i - 2));
          unsigned long code = 0;
          if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X'))
            code = std::strtoul(digits.c_str() + 1, nullptr, 16);
          else
            code = std::strtoul(digits.c_str(), nullptr, 10);
          if (code > 0 && code < 0x80) {
            out += static_cast<char>(code);
            i = end + 1;
            continue;
          }
        }
      }
    }
    out += text[i++];
  }
  return out;
}

namespace {

// The text between <tag ...> and </tag> from `from` within `block`; the
// opening tag's attributes go to `attributes`.
std::optional<std::string_view> Element(std::string_view block, std::string_view tag,
                                        std::size_t& from, std::string_view* attributes = nullptr) {
  const std::string open = "<" + std::string(tag);
  for (;;) {
    std::size_t start = block.find(open, from);
    if (start == std::string_view::npos) return std::nullopt;
    std::size_t after = start + open.size();
    if (after >= block.size()) return std::nullopt;
    char next = block[after];
    if (next != '>' && next != ' ' && next != '/') {
      from = after;  // <translationX>: another tag
      continue;
    }
    std::size_t close_of_open = block.find('>', after);
    if (close_of_open == std::string_view::npos) return std::nullopt;
    if (attributes) *attributes = block.substr(after, close_of_open - after);
    if (block[close_of_open - 1] == '/') {  // <translation/>
      from = close_of_open + 1;
      return std::string_view{};
    }
    const std::string close = "</" + std::string(tag) + ">";
    std::size_t end = block.find(close, close_of_open + 1);
    if (end == std::string_view::npos) return std::nullopt;
    from = end + close.size();
    return block.substr(close_of_open + 1, end - close_of_open - 1);
  }
}

std::string Attribute(std::string_view attributes, std::string_view name) {
  const std::string key = std::string(name) + "=\"";
  std::size_t at = attributes.find(key);
  if (at == std::string_view::npos) return {};
  at += key.size();
  std::size_t end = attributes.find('"', at);
  if (end == std::string_view::npos) return {};
  return std::string(attributes.substr(at, end - at));
}

}  // namespace

std::optional<Catalogue> Catalogue::Parse(std::string_view ts, std::string* error) {
  auto fail = [&](const char* why) -> std::optional<Catalogue> {
    if (error) *error = why;
    return std::nullopt;
  };
  std::size_t pos = 0;
  std::string_view ts_attributes;
  auto body = Element(ts, "TS", pos, &ts_attributes);
  if (!body) return fail("no <TS> element");
  Catalogue catalogue;
  if (auto l = Attribute(ts_attributes, "language"); !l.empty()) catalogue.language = l;
  if (auto l = Attribute(ts_attributes, "sourcelanguage"); !l.empty()) catalogue.source_language = l;
  std::size_t cpos = 0;
  while (auto context = Element(*body, "context", cpos)) {
    std::size_t npos = 0;
    auto name = Element(*context, "name", npos);
    if (!name) return fail("a <context> without <name>");
    const std::string context_name = UnescapeXml(*name);
    std::size_t mpos = 0;
    while (auto message = Element(*context, "message", mpos)) {
      std::size_t spos = 0;
      auto source = Element(*message, "source", spos);
      if (!source) return fail("a <message> without <source>");
      std::size_t tpos = 0;
      std::string_view attributes;
      auto translation = Element(*message, "translation", tpos, &attributes);
      Entry e;
      e.context = context_name;
      e.source = UnescapeXml(*source);
      if (translation) e.translation = UnescapeXml(*translation);
      const std::string type = Attribute(attributes, "type");
      if (type == "vanished" || type == "obsolete")
        e.state = State::kVanished;
      else if (type == "unfinished" || !translation || translation->empty())
        e.state = State::kUnfinished;
      catalogue.Put(std::move(e));
    }
  }
  return catalogue;
}

std::string Catalogue::Write() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n";
  out += "<TS version=\"2.1\" language=\"" + EscapeMarkup(language) + "\" sourcelanguage=\"" +
         EscapeMarkup(source_language) + "\">\n";
  std::vector<std::string> contexts;
  for (const auto& e : entries_)
    if (std::find(contexts.begin(), contexts.end(), e.context) == contexts.end())
      contexts.push_back(e.context);
  for (const auto& c : contexts) {
    out += "<context>\n    <name>" + EscapeMarkup(c) + "</name>\n";
    for (const auto& e : entries_) {
      if (e.context != c) continue;
      out += "    <message>\n        <source>" + EscapeMarkup(e.source) + "</source>\n";
      out += "        <translation";
      if (e.state == State::kUnfinished) out += " type=\"unfinished\"";
      if (e.state == State::kVanished) out += " type=\"vanished\"";
      out += ">" + EscapeMarkup(e.translation) + "</translation>\n    </message>\n";
    }
    out += "</context>\n";
  }
  out += "</TS>\n";
  return out;
}

void Catalogue::Put(Entry entry) {
  for (auto& e : entries_) {
    if (e.context == entry.context && e.source == entry.source) {
      e = std::move(entry);
      return;
    }
  }
  entries_.push_back(std::move(entry));
}

const Entry* Catalogue::Find(std::string_view context, std::string_view source) const {
  for (const auto& e : entries_)
    if (e.context == context && e.source == source) return &e;
  return nullptr;
}

const std::string* Catalogue::Translation(std::string_view context,
                                          std::string_view source) const {
  const Entry* e = Find(context, source);
  if (!e || e->state != State::kFinished) return nullptr;
  return &e->translation;
}

void Catalogue::Merge(const std::vector<Entry>& wanted) {
  std::vector<Entry> merged;
  auto has = [&](const std::vector<Entry>& list, const Entry& e) {
    return std::any_of(list.begin(), list.end(), [&](const Entry& x) {
      return x.context == e.context && x.source == e.source;
    });
  };
  for (const auto& w : wanted) {
    if (has(merged, w)) continue;
    Entry e = w;
    if (const Entry* old = Find(w.context, w.source)) {
      e.translation = old->translation;
      e.state = old->translation.empty() ? State::kUnfinished
                : old->state == State::kVanished ? State::kFinished
                                                  : old->state;
    } else if (e.translation.empty()) {
      e.state = State::kUnfinished;
    }
    merged.push_back(std::move(e));
  }
  for (const auto& old : entries_) {
    if (has(merged, old) || old.translation.empty()) continue;
    Entry e = old;
    e.state = State::kVanished;
    merged.push_back(std::move(e));
  }
  entries_ = std::move(merged);
}

Language LanguageFromLocale(std::string_view locale) {
  if (locale.size() >= 2 && (locale[0] == 'c' || locale[0] == 'C') &&
      (locale[1] == 's' || locale[1] == 'S') &&
      (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@'))
    return Language::kCzech;
  return Language::kEnglish;
}

std::optional<Language> ParseLanguage(std::string_view name) {
  if (name == "cs") return Language::kCzech;
  if (name == "en") return Language::kEnglish;
  return std::nullopt;
}

const char* LanguageCode(Language language) {
  return language == Language::kCzech ? "cs" : "en";
}

std::string EnvironmentLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return value;
  }
  return {};
}

Language ChooseLanguage(std::string_view option, std::string_view setting,
                        std::string_view locale) {
  if (auto l = ParseLanguage(option)) return *l;
  if (auto l = ParseLanguage(setting)) return *l;
  return LanguageFromLocale(locale);
}

namespace {
Translator& CurrentTranslator() {
  static Translator translator;
  return translator;
}
}  // namespace

void SetTranslator(Translator translator) { CurrentTranslator() = std::move(translator); }
bool HasTranslator() { return static_cast<bool>(CurrentTranslator()); }

bool IsPattern(std::string_view source) {
  for (std::size_t i = 0; i + 1 < source.size(); ++i)
    if (source[i] == '%' && source[i + 1] >= '1' && source[i + 1] <= '9') return true;
  return false;
}

namespace {

// Backtracking match: a placeholder takes the shortest part that lets the
// rest match, so "%1: %2 rows" splits "a: b: 3 rows" at the first ": ".
bool MatchFrom(std::string_view pattern, std::string_view text,
               std::vector<std::string>& parts) {
  if (pattern.empty()) return text.empty();
  if (pattern.size() >= 2 && pattern[0] == '%' && pattern[1] >= '1' && pattern[1] <= '9') {
    const std::size_t slot = static_cast<std::size_t>(pattern[1] - '1');
    for (std::size_t n = 1; n <= text.size(); ++n) {
      if (parts.size() <= slot) parts.resize(slot + 1);
      const std::string before = parts[slot];
      parts[slot] = std::string(text.substr(0, n));
      if (MatchFrom(pattern.substr(2), text.substr(n), parts)) return true;
      parts[slot] = before;
    }
    return false;
  }
  if (text.empty() || pattern[0] != text[0]) return false;
  return MatchFrom(pattern.substr(1), text.substr(1), parts);
}

}  // namespace

std::optional<std::vector<std::string>> MatchPattern(std::string_view pattern,
                                                      std::string_view text) {
  std::vector<std::string> parts;
  if (!IsPattern(pattern) || !MatchFrom(pattern, text, parts)) return std::nullopt;
  return parts;
}

std::string FillPattern(std::string_view translation, const std::vector<std::string>& parts) {
  std::string out;
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (translation[i] == '%' && i + 1 < translation.size() && translation[i + 1] >= '1' &&
        translation[i + 1] <= '9') {
      const std::size_t slot = static_cast<std::size_t>(translation[i + 1] - '1');
      if (slot < parts.size()) {
        out += parts[slot];
        ++i;
        continue;
      }
    }
    out += translation[i];
  }
  return out;
}

std::size_t LiteralLength(std::string_view pattern) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9')
      ++i;
    else
      ++n;
  }
  return n;
}

const Entry* FindPattern(const Catalogue& catalogue, std::string_view context,
                         std::string_view text) {
  const Entry* best = nullptr;
  for (const Entry& e : catalogue.Entries())
    if (e.state != State::kVanished && e.context == context && IsPattern(e.source) &&
        (best == nullptr || LiteralLength(e.source) > LiteralLength(best->source)) &&
        MatchPattern(e.source, text))
      best = &e;
  return best;
}

namespace {

// The built-in catalogue's patterns by context, for Tr's fallback.
const std::map<std::string, std::vector<std::string>, std::less<>>& PatternSources() {
  static const auto sources = [] {
    std::map<std::string, std::vector<std::string>, std::less<>> out;
    if (const Catalogue* c = BuiltInCatalogue(Language::kEnglish))
      for (const Entry& e : c->Entries())
        if (e.state != State::kVanished && IsPattern(e.source)) out[e.context].push_back(e.source);
    return out;
  }();
  return sources;
}

}  // namespace

std::string Tr(std::string_view context, std::string_view source) {
  const Translator& t = CurrentTranslator();
  if (!t || source.empty()) return std::string(source);
  std::string shown = t(context, source);
  if (shown != source) return shown;
  const auto& patterns = PatternSources();
  auto it = patterns.find(context);
  if (it == patterns.end()) return shown;
  const std::string* best = nullptr;
  std::vector<std::string> best_parts;
  for (const std::string& pattern : it->second) {
    if (best != nullptr && LiteralLength(pattern) <= LiteralLength(*best)) continue;
    if (auto parts = MatchPattern(pattern, source)) {
      best = &pattern;
      best_parts = std::move(*parts);
    }
  }
  return best == nullptr ? shown : FillPattern(t(context, *best), best_parts);
}

}  // namespace travik::i18n

namespace travik::i18n {

extern const char kEnglishCatalogue[];

const Catalogue* BuiltInCatalogue(Language language) {
  if (language == Language::kCzech) return nullptr;
  static const std::optional<Catalogue> english = Catalogue::Parse(kEnglishCatalogue);
  return english ? &*english : nullptr;
}

void UseBuiltInCatalogue(Language language) {
  const Catalogue* catalogue = BuiltInCatalogue(language);
  if (catalogue == nullptr) {
    SetTranslator(nullptr);
    return;
  }
  // Looked up on every shown text: a map, not the catalogue's list.
  auto table = std::make_shared<std::map<std::pair<std::string, std::string>, std::string>>();
  for (const Entry& e : catalogue->Entries())
    if (e.state == State::kFinished) (*table)[{e.context, e.source}] = e.translation;
  SetTranslator([table](std::string_view context, std::string_view source) {
    auto it = table->find({std::string(context), std::string(source)});
    return it == table->end() ? std::string(source) : it->second;
  });
}

namespace {
ShownSink& CurrentSink() {
  static ShownSink sink;
  return sink;
}
}  // namespace

void SetShownSink(ShownSink sink) { CurrentSink() = std::move(sink); }

bool IsValueText(std::string_view text) {
  const bool spaced = text.find(' ') != std::string_view::npos;
  if (!spaced && (text.find('/') != std::string_view::npos || text.find('\\') != std::string_view::npos))
    return true;  // a path
  static constexpr std::string_view kUnits[] = {"mA", "mV", "ms", "ppm", "ohm", "Bd",
                                                "Hz", "°C", "Kolvar"};
  auto word_char = [](unsigned char c) { return std::isalnum(c) || c >= 0x80; };
  for (std::size_t i = 0; i < text.size();) {
    if (!word_char(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && word_char(static_cast<unsigned char>(text[end]))) ++end;
    const std::string_view word = text.substr(i, end - i);
    i = end;
    bool digit = false, lower = false;
    for (unsigned char c : word) {
      digit = digit || std::isdigit(c);
      lower = lower || std::islower(c) || c >= 0x80;
    }
    if (digit || !lower) continue;
    if (std::find(std::begin(kUnits), std::end(kUnits), word) == std::end(kUnits)) return false;
  }
  return true;
}

void NoteShown(std::string_view context, std::string_view text, bool value_like) {
  const ShownSink& sink = CurrentSink();
  if (!sink || text.empty()) return;
  const bool digits =
      value_like && std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (digits && IsValueText(text)) return;
  sink(context, text, digits);
}

}  // namespace travik::i18n
