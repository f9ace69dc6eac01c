// travik-i18n: keeps translations/travik_<lang>.ts in step with the texts
// the program shows: those of the resource tables, and those the dialogs show
// at run time, gathered by a sweep of the scenarios into run_time_texts.tsv
// beside the catalogue.
//   travik-i18n update FILE.ts [SWEEP.tsv...]  merge the sweeps into the run-time
//                      list; add new texts (unfinished), mark gone ones vanished
//   travik-i18n check FILE.ts [SWEEP.tsv...]   fail on an untranslated, vanished or
//                      stale entry, a swept text the run-time list lacks, or a text
//                      composed with numbers that no pattern (%1 ...) covers
#include <filesystem>
#include <fstream>
#include <set>
#include <iostream>
#include <sstream>

#include "app/help.h"
#include "i18n/catalogue.h"
#include "dialogs/shown_texts.h"
#include "ui/chart.h"

namespace {

using travik::i18n::Catalogue;
using travik::i18n::Entry;
using travik::i18n::State;

std::optional<Catalogue> Load(const std::string& path, bool must_exist) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (must_exist) std::cerr << "travik-i18n: cannot read " << path << "\n";
    return must_exist ? std::nullopt : std::optional<Catalogue>(Catalogue{});
  }
  std::stringstream text;
  text << in.rdbuf();
  std::string error;
  auto c = Catalogue::Parse(text.str(), &error);
  if (!c) std::cerr << "travik-i18n: " << path << ": " << error << "\n";
  return c;
}

using Texts = std::set<std::pair<std::string, std::string>>;

std::string RunTimeList(const std::string& ts_path) {
  return (std::filesystem::path(ts_path).parent_path() / "run_time_texts.tsv").string();
}

// "context<TAB>text" lines; a missing file is an empty list. A sweep marks
// texts composed with numbers "<TAB>composed": those go to `composed`.
Texts ReadTexts(const std::string& path, Texts* composed = nullptr) {
  Texts texts;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos || line.empty() || line[0] == '#') continue;
    std::string text = line.substr(tab + 1);
    const auto mark = text.find('\t');
    const bool is_composed = mark != std::string::npos && text.substr(mark + 1) == "composed";
    if (mark != std::string::npos) text.resize(mark);
    (is_composed && composed ? *composed : texts)
        .emplace(line.substr(0, tab), travik::i18n::UnescapeLine(text));
  }
  return texts;
}

// A composed text is shown through a pattern of its context, or an entry of
// its own where a table holds the same text.
int UncoveredComposed(const Catalogue& c, const Texts& composed, const std::string& list_path) {
  int faults = 0;
  for (const auto& [context, text] : composed) {
    const Entry* own = c.Find(context, text);
    if ((own && own->state != State::kVanished) || travik::i18n::FindPattern(c, context, text))
      continue;
    std::cerr << list_path << ": composed text without a pattern: [" << context << "] \""
              << travik::i18n::EscapeLine(text) << "\" (add one, %1 for each varying part)\n";
    ++faults;
  }
  return faults;
}

std::string FormatTexts(const Texts& texts) {
  std::string out =
      "# Texts the dialogs show at run time (context TAB text), from a sweep of the\n"
      "# scenarios: travik-i18n update. Sorted; one per line.\n";
  for (const auto& [context, text] : texts)
    out += context + "\t" + travik::i18n::EscapeLine(text) + "\n";
  return out;
}

Catalogue Updated(const Catalogue& old, const Texts& run_time) {
  Catalogue c = old;
  std::vector<Entry> wanted = travik::i18n::ResourceTexts();
  for (const char* help : {travik::ProgramHelpSource(), travik::CliHelpSource()})
    wanted.push_back({std::string(travik::kHelpContext), help, {}, State::kUnfinished});
  wanted.push_back({travik::ui::kChartContext, travik::ui::kChartStatsLine, {}, State::kUnfinished});
  for (const auto& [context, text] : run_time)
    if (!travik::i18n::IsLanguageNeutral(text)) wanted.push_back({context, text, {}, State::kUnfinished});
  // The English main menu comes from menu 340 until a translator changes it.
  if (c.language.starts_with("en"))
    for (const Entry& e : travik::i18n::EnglishMenuEntries())
      if (!c.Find(e.context, e.source)) c.Put(e);
  c.Merge(wanted);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (std::string(argv[1]) != "update" && std::string(argv[1]) != "check")) {
    std::cerr << "Usage: travik-i18n update|check FILE.ts [SWEEP.tsv...]\n";
    return 2;
  }
  const std::string command = argv[1], path = argv[2];
  auto old = Load(path, command == "check");
  if (!old) return 1;
  // A new catalogue takes its language from its name: travik_de.ts is "de".
  if (!std::filesystem::exists(path)) {
    const std::string stem = std::filesystem::path(path).stem().string();
    const auto underscore = stem.rfind('_');
    if (underscore != std::string::npos) old->language = stem.substr(underscore + 1);
  }
  const std::string list_path = RunTimeList(path);
  Texts run_time = ReadTexts(list_path), swept, composed;
  for (int i = 3; i < argc; ++i) {
    Texts more = ReadTexts(argv[i], &composed);
    swept.insert(more.begin(), more.end());
  }
  int faults = 0;
  if (command == "update") {
    run_time.insert(swept.begin(), swept.end());
    std::ofstream(list_path, std::ios::binary | std::ios::trunc) << FormatTexts(run_time);
  } else {
    for (const auto& [context, text] : swept) {
      if (run_time.count({context, text}) || travik::i18n::IsLanguageNeutral(text)) continue;
      std::cerr << list_path << ": shown but not listed: [" << context << "] \""
                << travik::i18n::EscapeLine(text) << "\"\n";
      ++faults;
    }
  }
  Catalogue updated = Updated(*old, run_time);
  faults += UncoveredComposed(updated, composed, list_path);
  if (command == "update") {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << updated.Write();
    int unfinished = 0;
    for (const auto& e : updated.Entries()) unfinished += e.state == State::kUnfinished;
    std::cout << path << ": " << updated.Entries().size() << " entries, " << unfinished
              << " to translate\n";
    return out && faults == 0 ? 0 : 1;
  }
  for (const auto& e : updated.Entries()) {
    if (e.state == State::kUnfinished) {
      std::cerr << path << ": no translation: [" << e.context << "] \"" << e.source << "\"\n";
      ++faults;
    } else if (e.state == State::kVanished) {
      std::cerr << path << ": obsolete: [" << e.context << "] \"" << e.source << "\"\n";
      ++faults;
    }
  }
  if (faults == 0 && updated.Write() != old->Write()) {
    std::cerr << path << ": not in step with the program; run the i18n-update target\n";
    ++faults;
  }
  if (faults) std::cerr << faults << " fault(s); run the i18n-update target and translate\n";
  return faults ? 1 : 0;
}
