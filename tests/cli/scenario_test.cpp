// The scenario language: how lines are read, and how a run reports what did
// not hold. The stories themselves are in tests/scenarios.
#include "cli/scenario.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>

#include "app/help.h"
#include "cli/cli.h"
#include "i18n/catalogue.h"
#include "cli/scenario_lexer.h"
#include "scenario_run.h"
#include "sim/sim_backend.h"

namespace travik::cli {
namespace {

TEST(ScenarioLexer, WordsTextsEscapesAndComments) {
  struct Case {
    const char* line;
    std::vector<std::string> tokens;  // texts shown as «…»
    const char* error;
  };
  const Case cases[] = {
      {"click \"Načíst KDB\"  # read", {"click", "«Načíst KDB»"}, ""},
      {"expect 130:1341 text \"a\\\"b\\\\c\"", {"expect", "130:1341", "text", "«a\"b\\c»"}, ""},
      {"x \"\\n\\r\\t\\x0D\"", {"x", "«\n\r\t\r»"}, ""},
      {"x \"a#b\" c#d # e", {"x", "«a#b»", "c#d"}, ""},
      {"   # only a comment", {}, ""},
      {"x \"open", {}, "a text is not closed with \""},
      {"x \"\\q\"", {}, "unknown escape \\q"},
      {"x \"\\x4\"", {}, "\\x needs two hexadecimal digits"},
  };
  for (const auto& c : cases) {
    std::vector<Token> tokens;
    EXPECT_EQ(Tokenize(c.line, tokens), c.error) << c.line;
    if (*c.error != '\0') continue;
    std::vector<std::string> got;
    for (const auto& t : tokens)
      got.push_back(t.kind == Token::kText ? "«" + t.text + "»" : t.text);
    EXPECT_EQ(got, c.tokens) << c.line;
  }
}

TEST(ScenarioLexer, NumbersAndDurations) {
  EXPECT_EQ(ParseInteger("0xA600"), 0xA600);
  EXPECT_EQ(ParseInteger("-15"), -15);
  EXPECT_EQ(ParseInteger("12a"), std::nullopt);
  EXPECT_EQ(ParseInteger("0x"), std::nullopt);
  EXPECT_EQ(ParseInteger("-"), std::nullopt);

  struct Case {
    const char* text;
    std::int64_t ms;  // -1: an error
  };
  const Case cases[] = {{"310 ms", 310}, {"2 s", 2000},       {"31 ticks", 310}, {"1 tick", 10},
                        {"310ms", 310},  {"2s", 2000},        {"5", -1},         {"5 min", -1},
                        {"-5 ms", -1},   {"3600 s", 3600000}, {"3601 s", -1},
                        // Too long to scale without overflow: refused, not wrapped.
                        {"+0xFFFFFFFFFFFFFFF s", -1}, {"0xFFFFFFFFFFFFFFF ticks", -1},
                        {"999999999999999 ms", -1},   {"360000 ticks", 3600000},
                        {"360001 ticks", -1},         {"3600000ms", 3600000}};
  for (const auto& c : cases) {
    std::vector<Token> tokens;
    ASSERT_EQ(Tokenize(c.text, tokens), "");
    LineReader r(tokens);
    const std::int64_t ms = r.Duration();
    r.End();
    if (c.ms < 0) {
      EXPECT_TRUE(r.Failed()) << c.text;
    } else {
      EXPECT_FALSE(r.Failed()) << c.text << ": " << r.Error();
      EXPECT_EQ(ms, c.ms) << c.text;
    }
  }
}

TEST(ScenarioRun, EveryLineNotUnderstoodIsReportedAndNothingRuns) {
  auto r = RunText(
      "device KDB\n"
      "strat\n"
      "start\n"
      "click 130\n"
      "expect \"KONFIGURACE\" pressed\n"
      "refuse 0th input\n"
      "menu \"Nápověda\"\n"
      "expect frames\n"
      "  output 00 GG\n"
      "end\n"
      "wait until message \"x\" within 1 s\n");
  EXPECT_FALSE(r.passed);
  for (const char* line :
       {"t.tts:2: unknown statement 'strat'", "t.tts:4: a control is DIALOG:ID",
        "t.tts:5: unknown property 'pressed'", "t.tts:6: expected next, 1st",
        "t.tts:7: the menu has no item \"Nápověda\"", "t.tts:9: a byte is two hexadecimal digits",
        "t.tts:11: 'wait until' cannot wait for a message box in order",
        "7 line(s) not understood, nothing run"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
  EXPECT_EQ(r.out.find("t.tts:3:"), std::string::npos);
}

TEST(ScenarioRun, BootloaderLinesAreCheckedBeforeAnythingRuns) {
  auto r = RunText(
      "device KDB\n"
      "bootloader flash 2 KiB\n"
      "bootloader refuses lunch\n"
      "bootloader colour \"red\"\n"
      "bootloader never sleeps\n"
      "bootloader idle 2 s\n");
  EXPECT_FALSE(r.passed);
  for (const char* line : {"t.tts:2:", "t.tts:3: unknown step 'lunch'",
                           "t.tts:4: unknown bootloader setting 'colour'", "t.tts:5:",
                           "4 line(s) not understood"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
  EXPECT_EQ(r.out.find("t.tts:6:"), std::string::npos);

  auto no_boot = RunText("device keyboard\nbootloader platform \"X\"\n");
  EXPECT_FALSE(no_boot.passed);
  EXPECT_NE(no_boot.out.find("the current device has no bootloader"), std::string::npos) << no_boot.out;
}

TEST(ScenarioRun, ExpectationsGoOnAnActionThatFailsStopsTheFile) {
  auto r = RunText(
      "start\n"
      "expect DeviceOnline = 1\n"
      "expect dialog 130 open\n"
      "click \"STOP\"\n"
      "expect DeviceOnline = 1\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.out.find("t.tts:2: expected DeviceOnline = 1, got 0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("t.tts:3: expected dialog 130 open, got windows 100"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("t.tts:4: click \"STOP\": control 22 is disabled"), std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("t.tts:5:"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("FAIL t.tts: 3 failure(s), stopped at line 4"), std::string::npos) << r.out;
}

TEST(ScenarioRun, AFileWithoutStatementsFails) {
  auto r = RunText("# only a comment\n\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.out.find("t.tts: no statements"), std::string::npos) << r.out;
}

TEST(ScenarioRun, ActionsNeedAStartedProgram) {
  auto r = RunText("wait 10 ms\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.out.find("t.tts:1: wait 10 ms: the program has not been started yet"),
            std::string::npos)
      << r.out;
  EXPECT_FALSE(RunText("start\nstart\n").passed);
}

TEST(ScenarioRun, AWaitThatRunsOutSaysWhatItFoundAndStops) {
  auto r = RunText(
      "start\n"
      "wait until dialog 130 open within 200 ms\n"
      "expect DeviceOnline = 1\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.out.find("t.tts:2: expected dialog 130 open within 200 ms, got windows 100"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.find("t.tts:3:"), std::string::npos);
}

TEST(ScenarioRun, MessagesAreExpectedInOrder) {
  auto r = RunText(
      "start\n"
      "wait 31 ticks\n"
      "menu \"Podporované funkce\"\n"
      "menu 40015\n"
      "expect messages 3\n"
      "expect message containing \"nenalezeno\" icon information\n"
      "expect message caption \"Nástroje\"\n"  // the second one is the functions box
      "expect message \"Tato funkce není dostupná\" caption \"Nástroje\" owner main\n"
      "expect no more messages\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(
      r.out.find(
          "t.tts:7: expected message caption \"Nástroje\", got message \" Podporované funkce:"),
      std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("FAIL t.tts: 1 failure(s)\n"), std::string::npos) << r.out;
}

TEST(ScenarioRun, FramesBlockReportsTheFirstDifferenceOnItsOwnLine) {
  auto r = RunText(
      "device KDB\n"
      "start\n"
      "wait 640 ms\n"
      "expect frames\n"
      "  set-feature 00 CC 00 00 00 D4 71 3A 5C\n"
      "  input 00 4B 44 ?? 21 ...\n"
      "end\n"
      "clear frames\n"
      "expect frames\n"
      "end\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(
      r.out.find("t.tts:6: expected frame input 00 4B 44 ?? 21 ..., got input 00 4B 44 42 20 ..."),
      std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("FAIL t.tts: 1 failure(s)\n"), std::string::npos) << r.out;

  // Frames nobody expected are reported at the block's end.
  r = RunText(
      "device KDB\n"
      "start\n"
      "wait 640 ms\n"
      "expect frames\n"
      "  set-feature 00 CC 00 00 00 D4 71 3A 5C\n"
      "end\n");
  EXPECT_NE(r.out.find("t.tts:6: expected no more frames, got 1 more, the first input 00 4B"),
            std::string::npos)
      << r.out;
}

TEST(ScenarioRun, WordsAreShownAsTheyWereWritten) {
  auto r = RunText(
      "device KDB\n"
      "word 76 = -15 0x0102\n"
      "expect memory word 76 = -16 0x0103\n"
      "expect eeprom word 76 = 65521 258\n"
      "expect memory text 40 = \"KDB Kolvar\"\n"
      "expect memory of nobody word 1 = 1\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.out.find("t.tts:3: expected device memory word 76 = -16 0x0103, got -15 0x0102"),
            std::string::npos)
      << r.out;
  EXPECT_NE(
      r.out.find(
          "t.tts:6: expected device memory of nobody word 1 = 1, got no device is named 'nobody'"),
      std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("FAIL t.tts: 2 failure(s)\n"), std::string::npos) << r.out;
}

TEST(ScenarioRun, ComboEntriesAreChosenByTextEvenWithoutTheLeadingBlank) {
  auto r = RunText(
      "start\n"
      "wait 310 ms\n"
      "click \"KONFIGURACE\"\n"
      "click \"KDB\"\n"
      "select \"9600Bd\" in 130:1343\n"
      "expect 130:1343 selection \" 9600Bd\" text \" 9600Bd\"\n"
      "select position 0 in 130:1343\n"
      "expect 130:1343 selection 0\n"
      "select \"300Bd\" in 130:1343\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(
      r.out.find("t.tts:9: select \"300Bd\" in 130:1343: control 1343 has no entry \"300Bd\""),
      std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("FAIL t.tts: 1 failure(s), stopped at line 9"), std::string::npos) << r.out;
}

TEST(ScenarioRun, RealDevicesRefuseSimulatedSetupBeforeAnythingRuns) {
  bool made = false;
  ScenarioOptions options;
  options.real_backend = [&made] {
    made = true;
    return std::unique_ptr<HidBackend>(new sim::SimBackend());
  };
  auto r = RunText(
      "device KDB\n"
      "start\n"
      "refuse next input\n"
      "expect memory word 48 = 1\n"
      "expect frame input ...\n"
      "expect DeviceOnline = 0\n",
      options);
  EXPECT_FALSE(r.passed);
  EXPECT_FALSE(made);
  for (const char* line :
       {"t.tts:1: 'device' needs simulated devices", "t.tts:3: 'refuse' needs",
        "t.tts:4: the memory of a simulated device needs", "t.tts:5: expecting frames needs"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
}

TEST(ScenarioRun, FilesLiveInTheRunsOwnDirectory) {
  auto r = RunText(
      "create file \"a.kvc\" size 4\n"
      "patch file \"a.kvc\" at 2 bytes 41 42 43\n"
      "expect file \"a.kvc\" size 5\n"
      "expect file \"a.kvc\" at 0 bytes 20 20 41 ?? 43\n"
      "expect file \"a.kvc\" at 3 text \"BC\"\n"
      "expect file \"b.kvc\" missing\n"
      "expect file \"a.kvc\" at 4 text \"CD\"\n"
      "copy file \"no-such-file\" to \"x\"\n");
  EXPECT_FALSE(r.passed);
  EXPECT_NE(r.out.find("t.tts:7: expected file \"a.kvc\" at 4 text \"CD\", got \"C\""),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("t.tts:8: copy file"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("FAIL t.tts: 2 failure(s), stopped at line 8"), std::string::npos) << r.out;
}

TEST(Cli, CommandsAndUsage) {
  struct Case {
    std::vector<std::string> args;
    bool with_real;
    int status;
    const char* says;
  };
  const Case cases[] = {
      {{}, false, 2, "usage:"},
      {{"--help"}, false, 0, "docs/automation.md"},
      {{"run"}, false, 2, "no scenario given"},
      {{"run", "--fast", "x.tts"}, false, 2, "unknown option --fast"},
      {{"run", "--real", "x.tts"}, false, 2, "built without it"},
      {{"run", "/nonexistent/x.tts"}, false, 1, "cannot read the scenario"},
      {{"image"}, false, 2, "usage: travik-cli image"},
      {{"frobnicate"}, false, 2, "unknown command frobnicate"},
      // The bench commands, through the same entry.
      {{"flash"}, false, 2, "flash wants a FILE.hex or FILE.kvm"},
      {{"--simulate", "KDB,NSC", "list"}, false, 0, "NSC SN10000"},
      {{"info", "--simulate=KDB", "--json"}, false, 0, "\"serial\": \"SN10222\""},
      {{"list", "--simulate", "NOPE"}, false, 2, "no simulated model \"NOPE\""},
      {{"list"}, false, 2, "built without hidapi"},
      {{"list", "--json"}, true, 0, "[]"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    RealBackendFactory real;
    if (c.with_real) real = [] { return std::unique_ptr<HidBackend>(new sim::SimBackend()); };
    EXPECT_EQ(RunCli(c.args, out, err, real), c.status) << c.says;
    EXPECT_NE((out.str() + err.str()).find(c.says), std::string::npos) << out.str() << err.str();
  }
}

}  // namespace
// --help in either language: the options each names are the same, and the
// English has no Czech left in it.
TEST(Cli, HelpInBothLanguages) {
  auto options = [](const std::string& text) {
    std::set<std::string> found;
    for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
      std::size_t end = at + 2;
      while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-'))
        ++end;
      found.insert(text.substr(at, end - at));
    }
    return found;
  };
  for (const char* source : {ProgramHelpSource(), CliHelpSource()}) {
    const std::string cs = ShownHelp(source, i18n::Language::kCzech);
    const std::string en = ShownHelp(source, i18n::Language::kEnglish);
    EXPECT_EQ(cs, source);
    EXPECT_NE(en, cs);
    EXPECT_EQ(options(cs), options(en)) << en;
    for (const char* czech : {"á", "é", "í", "ý", "č", "ř", "š", "ž", "ů", "ě"})
      EXPECT_EQ(en.find(czech), std::string::npos) << czech << " in\n" << en;
  }
  struct Case {
    std::vector<std::string> args;
    const char* says;
  };
  const Case cases[] = {
      {{"--lang", "cs", "--help"}, "Návratový kód"},
      {{"--help", "--lang=en"}, "Exit status"},
      {{"--lang", "en", "run", "--help"}, "Exit status"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err, {}), 0);
    EXPECT_NE(out.str().find(c.says), std::string::npos) << out.str();
  }
}

}  // namespace travik::cli
