// The bench commands against simulated transmitters: what a script sees
// (exit status, standard output and error) and what the devices keep.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/bench.h"
#include "calibration/calibration_report.h"
#include "cli/bench_commands.h"
#include "cli/bench_format.h"
#include "i18n/catalogue.h"
#include "protocol/frames.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "support/files.h"

namespace travik::cli {
namespace {

using sim::Exchange;
using testing::TempDir;

struct Result {
  int status;
  std::string out;
  std::string err;
};

class Bench {
 public:
  explicit Bench(const std::string& models) {
    std::string why;
    sim_ = BuildSimulatedBench(models, why);
    EXPECT_NE(sim_, nullptr) << why;
    env_.backend = sim_.get();
    env_.sim = sim_.get();
    env_.interrupted = &stop_;
  }
  Result Run(const std::string& command, std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunBenchCommand(command, args, out, err, env_);
    return {status, out.str(), err.str()};
  }
  sim::SimBackend& sim() { return *sim_; }
  sim::SimTransmitter& Transmitter(int n) {
    int seen = 0;
    for (auto* d : sim_->Devices())
      if (auto* t = dynamic_cast<sim::SimTransmitter*>(d); t != nullptr && seen++ == n) return *t;
    throw std::out_of_range("no such transmitter");
  }
  void Interrupt() { stop_ = true; }

 private:
  std::unique_ptr<sim::SimBackend> sim_;
  BenchEnv env_;
  std::atomic<bool> stop_{false};
};

// A settings file as the KDB's dialog saves it, read from a unit whose
// address (word 48) is `address`.
std::string SavedFile(const TempDir& dir, const std::string& model, std::uint16_t address) {
  Bench source(model);
  source.Transmitter(0).memory()[48] = address;
  const std::string path = dir.File(model + ".kvc");
  const Result r = source.Run("read", {"--out", path});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  return path;
}

// ---- list, info, choosing a device ------------------------------------------

TEST(BenchList, TableAndJsonNameEveryDeviceAndWhyOneCannotBeOpened) {
  Bench bench("KDB,KDB,NSC");
  bench.sim().AddUnopenable();
  const Result table = bench.Run("list", {});
  EXPECT_EQ(table.status, kExitDone);
  EXPECT_NE(table.out.find("sim/bootable-1    A600:E240  transmitter  KDB    SN10222"),
            std::string::npos) << table.out;
  EXPECT_NE(table.out.find("SN11222"), std::string::npos);
  EXPECT_NE(table.out.find("NSC SN10000"), std::string::npos);
  EXPECT_NE(table.out.find("calibrator"), std::string::npos);
  EXPECT_NE(table.out.find("sim/locked-1"), std::string::npos);
  EXPECT_NE(table.out.find("permission denied"), std::string::npos);
  EXPECT_EQ(table.err, "");

  const Result json = bench.Run("list", {"--json"});
  EXPECT_EQ(json.status, kExitDone);
  EXPECT_EQ(json.out.front(), '[');
  EXPECT_NE(json.out.find("{\"path\": \"sim/bootable-2\", \"kind\": \"transmitter\", \"vendor_id\": "
                          "\"A600\", \"product_id\": \"E240\", \"model\": \"KDB\", \"serial\": "
                          "\"SN11222\", \"id_text\": \"KDB SN11222\", \"firmware\": \"00.01.05\""),
            std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"openable\": false, \"problem\": \"permission denied\""),
            std::string::npos);
}

TEST(BenchSelect, DeviceChoices) {
  struct Row {
    const char* models;
    const char* selector;  // "" : no --device
    int status;
    const char* said;      // on the error stream, or in the info on success
  };
  const Row rows[] = {
      {"KDB", "", kExitDone, "SN10222"},
      {"KDB,KDB", "", kExitUsage, "2 transmitters present; choose one with --device"},
      {"KDB,KDB", "KDB", kExitUsage, "2 transmitters of model KDB present"},
      {"KDB,KDB", "SN11222", kExitDone, "sim/bootable-2"},
      {"KDB,KDB", "sim/bootable-2", kExitDone, "SN11222"},
      {"KDB,NSC", "nsc", kExitDone, "NSC SN10000"},
      {"KDB,NSC", "SN99999", kExitUsage, "no transmitter matches SN99999"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.models) + " / " + row.selector);
    Bench bench(row.models);
    std::vector<std::string> args;
    if (*row.selector != '\0') args = {"--device", row.selector};
    const Result r = bench.Run("info", args);
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_NE((row.status == kExitDone ? r.out : r.err).find(row.said), std::string::npos)
        << r.out << r.err;
    // A failed choice lists what is there.
    if (row.status == kExitUsage) {
      EXPECT_NE(r.err.find("PATH"), std::string::npos);
    }
  }
}

TEST(BenchSelect, NoTransmitterIsAChoiceError) {
  Bench bench("KDB");
  bench.sim().Unplug(bench.Transmitter(0));
  const Result r = bench.Run("read", {"--out", "/nonexistent/a.kvc"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_NE(r.err.find("no transmitter found"), std::string::npos) << r.err;
}

TEST(BenchInfo, JsonHasTheWindowsFields) {
  Bench bench("NWYJ");
  const Result r = bench.Run("info", {"--json"});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  EXPECT_NE(r.out.find("\"model\": \"NWYJ\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"product\": \"Kolvar NWYJ\""), std::string::npos);
  EXPECT_NE(r.out.find("\"firmware_current\": true"), std::string::npos);
}

// ---- read and write ------------------------------------------------------------

TEST(BenchReadWrite, ARoundTripCarriesTheSettingsToAnotherUnit) {
  TempDir dir;
  const std::string file = SavedFile(dir, "KDB", 17);
  const std::string bytes = testing::ReadFile(file);
  ASSERT_EQ(bytes.size(), 2608u);
  EXPECT_EQ(bytes.substr(0, 16), "  KDB           ");
  EXPECT_EQ(bytes.substr(800, 16), "Reg 048 17     \r");

  Bench target("KDB");
  const Result r = target.Run("write", {file});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "wrote " + file + " to KDB SN10222\n");
  EXPECT_EQ(target.Transmitter(0).eeprom()[48], 17);

  // Read again, the file is the same byte for byte.
  const std::string again = dir.File("again.kvc");
  EXPECT_EQ(target.Run("read", {"--out", again}).status, kExitDone);
  EXPECT_EQ(testing::ReadFile(again), bytes);
}

// Faults during a write of a file with address 17 to a unit holding 1.
TEST(BenchReadWrite, WriteFaults) {
  TempDir dir;
  const std::string kdb_file = SavedFile(dir, "KDB", 17);
  const std::string nsc_file = SavedFile(dir, "NSC", 17);
  struct Row {
    const char* name;
    const char* file;  // "kdb" or "nsc"
    std::function<void(Bench&)> arrange;
    int status;
    const char* said;
    std::uint16_t eeprom_48;
  };
  // Acts once `writes` output reports went to the unit, before the next
  // exchange of `kind`.
  auto after_writes = [](Bench& b, int writes, Exchange kind, std::function<void(Bench&)> act) {
    auto count = std::make_shared<int>(0);
    auto done = std::make_shared<bool>(false);
    b.sim().SetBeforeExchange([&b, writes, kind, act, count, done](Exchange e, const std::string&) {
      if (e == Exchange::kWriteOutput) ++*count;
      if (!*done && *count >= writes && e == kind) {
        *done = true;
        act(b);
      }
    });
  };
  const Row rows[] = {
      {"clean", "kdb", [](Bench&) {}, kExitDone, "", 17},
      {"jumper missing", "kdb", [](Bench& b) { b.Transmitter(0).set_jumper_fitted(false); },
       kExitFailed, "Data write info: Servisní Jumper není připojen.", 1},
      {"file of another model", "nsc", [](Bench&) {}, kExitFailed,
       "Chyba souboru: Konfigurační soubor není určen pro zařízení KDB", 1},
      {"unplugged mid-write", "kdb",
       [&](Bench& b) {
         after_writes(b, 5, Exchange::kSetFeature, [](Bench& x) { x.sim().Unplug(x.Transmitter(0)); });
       },
       kExitFailed, "SET info: Data write pointer error", 1},
      {"store refused", "kdb",
       [&](Bench& b) {
         after_writes(b, 12, Exchange::kSetFeature,
                      [](Bench& x) { x.sim().FailAll(Exchange::kSetFeature, true); });
       },
       kExitFailed, "SET info: Chyba zápisu uživatelských dat do EEPROM", 1},
      {"read back differs", "kdb",
       [&](Bench& b) {
         after_writes(b, 12, Exchange::kReadInput, [](Bench& x) { x.Transmitter(0).memory()[62] = 555; });
       },
       kExitMismatch, "verification failed: word 62 wrote 800 read 555", 17},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Bench bench("KDB");
    row.arrange(bench);
    const Result r = bench.Run("write", {std::string(row.file) == "kdb" ? kdb_file : nsc_file});
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_NE(r.err.find(row.said), std::string::npos) << r.err;
    if (row.status != kExitDone) {
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err, "");
    }
    EXPECT_EQ(bench.Transmitter(0).eeprom()[48], row.eeprom_48);
  }
}

TEST(BenchReadWrite, NoVerifySkipsTheReadBack) {
  TempDir dir;
  const std::string file = SavedFile(dir, "KDB", 17);
  for (const bool verify : {true, false}) {
    Bench bench("KDB");
    const Result r = verify ? bench.Run("write", {file}) : bench.Run("write", {file, "--no-verify"});
    EXPECT_EQ(r.status, kExitDone) << r.err;
    int block_reads = 0;
    for (const auto& e : bench.sim().LogOf(Exchange::kSetFeature))
      if (e.bytes.size() > 2 && e.bytes[1] == kCmdReadBlock) ++block_reads;
    EXPECT_EQ(block_reads, verify ? 12 : 0);  // the KDB's dialog does not read at opening
    EXPECT_EQ(bench.Transmitter(0).eeprom()[48], 17);
  }
}

TEST(BenchReadWrite, AllWritesEveryUnitOfTheFilesModelAndTabulates) {
  TempDir dir;
  const std::string file = SavedFile(dir, "KDB", 23);
  Bench bench("KDB,NSC,KDB");
  bench.Transmitter(2).set_jumper_fitted(false);
  const Result r = bench.Run("write", {file, "--all"});
  EXPECT_EQ(r.status, kExitFailed) << r.err;
  EXPECT_NE(r.out.find("SERIAL   RESULT  TIME\nSN10222  ok      "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("SN11222  failed  "), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("SN10000"), std::string::npos);
  EXPECT_EQ(bench.Transmitter(0).eeprom()[48], 23);
  EXPECT_EQ(bench.Transmitter(1).eeprom()[48], 1);  // the NSC
  EXPECT_EQ(bench.Transmitter(2).memory()[48], 23);
  EXPECT_EQ(bench.Transmitter(2).eeprom()[48], 1);

  Bench none("NSC");
  EXPECT_EQ(none.Run("write", {file, "--all"}).status, kExitUsage);
}

// ---- values ----------------------------------------------------------------------

TEST(BenchValues, LinesCsvAndJson) {
  TempDir dir;
  Bench bench("KDB");
  const std::string csv = dir.File("v.csv");
  const Result r = bench.Run("values", {"--count", "3", "--interval", "500ms", "--csv", csv});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  std::istringstream lines(r.out);
  std::string line;
  int n = 0;
  while (std::getline(lines, line)) {
    ++n;
    EXPECT_NE(line.find("  Koncentrace CO2: "), std::string::npos) << line;
    EXPECT_NE(line.find("  Teplota: "), std::string::npos) << line;
    EXPECT_NE(line.find("  Analogový výstup U1: "), std::string::npos) << line;
  }
  EXPECT_EQ(n, 3);
  const std::string text = testing::ReadFile(csv);
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "timestamp,Koncentrace CO2 [ppm],Teplota [°C],Vlhkost [%RH],Analogový výstup U1 [V]");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);

  const Result json = bench.Run("values", {"--count", "1", "--json"});
  EXPECT_NE(json.out.find("{\"quantity\": \"Teplota\", \"value\": \""), std::string::npos) << json.out;
}

// With --lang en what a person reads is English; files keep the window's own
// names, the same whatever the language.
TEST(BenchValues, EnglishForTheReaderTheFileUnchanged) {
  struct English {
    English() { i18n::UseBuiltInCatalogue(i18n::Language::kEnglish); }
    ~English() { i18n::UseBuiltInCatalogue(i18n::Language::kCzech); }
  } english;
  TempDir dir;
  Bench bench("KDB");
  const std::string csv = dir.File("v.csv");
  const Result r = bench.Run("values", {"--count", "1", "--csv", csv});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  EXPECT_NE(r.out.find("  Temperature: "), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("Teplota"), std::string::npos) << r.out;
  const std::string text = testing::ReadFile(csv);
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "timestamp,Koncentrace CO2 [ppm],Teplota [°C],Vlhkost [%RH],Analogový výstup U1 [V]");

  Bench jumperless("KDB");
  const std::string file = SavedFile(dir, "KDB", 7);
  jumperless.Transmitter(0).set_jumper_fitted(false);
  const Result w = jumperless.Run("write", {file});
  EXPECT_EQ(w.status, kExitFailed);
  EXPECT_NE(w.err.find("Data write info: The service jumper is not fitted. The written data will not be stored in EEPROM."),
            std::string::npos) << w.err;
}

TEST(BenchValues, InterruptEndsCleanlyWithACompleteFile) {
  TempDir dir;
  Bench bench("NSC");
  const std::string csv = dir.File("v.csv");
  int reads = 0;
  bench.sim().SetBeforeExchange([&](Exchange e, const std::string&) {
    if (e == Exchange::kReadInput && ++reads == 400) bench.Interrupt();
  });
  const Result r = bench.Run("values", {"--csv", csv, "--interval", "100ms"});
  EXPECT_EQ(r.status, kExitInterrupted) << r.err;
  const std::string text = testing::ReadFile(csv);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  const auto printed = std::count(r.out.begin(), r.out.end(), '\n');
  EXPECT_GT(printed, 1);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), printed + 1);
}

TEST(BenchValues, LostDeviceFails) {
  Bench bench("KDB");
  int reads = 0;
  bench.sim().SetBeforeExchange([&](Exchange e, const std::string&) {
    if (e == Exchange::kReadInput && ++reads == 100) bench.sim().Unplug(bench.Transmitter(0));
  });
  const Result r = bench.Run("values", {"--interval", "100ms"});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_NE(r.err, "");
}

// ---- flash -------------------------------------------------------------------------

TEST(BenchFlash, DownloadsAValidFileAndRefusesABrokenOne) {
  TempDir dir;
  const std::string good =
      (std::filesystem::path(TRAVIK_TEST_DATA).parent_path() / "vm/data/small.hex").string();
  Bench bench("KDB");
  const Result r = bench.Run("flash", {good});
  EXPECT_EQ(r.status, kExitDone) << r.err;
  EXPECT_NE(r.err.find("BOOT info: Bootovani je úspěšně dokončeno ;-)"), std::string::npos);
  auto* boot = dynamic_cast<sim::SimBootableTransmitter*>(&bench.Transmitter(0));
  ASSERT_NE(boot, nullptr);
  EXPECT_NE(boot->flash().size(), 0u);

  std::string broken = testing::ReadFile(good);
  broken[5] = 'G';
  Bench other("KDB");
  const Result bad = other.Run("flash", {dir.Write("broken.hex", broken)});
  EXPECT_EQ(bad.status, kExitFailed);
  EXPECT_NE(bad.err.find("místo hexadecimální číslice"), std::string::npos) << bad.err;
  for (const auto& e : other.sim().LogOf(Exchange::kSetFeature))
    EXPECT_NE(e.bytes[1], kCmdRestartBoot) << "nothing may go to the device for a broken file";
}

// ---- usage -------------------------------------------------------------------------

TEST(BenchUsage, MistakesAreUsageErrorsBeforeAnythingRuns) {
  struct Row {
    const char* command;
    std::vector<std::string> args;
    const char* said;
  };
  const Row rows[] = {
      {"read", {}, "read wants --out FILE.kvc"},
      {"read", {"--out"}, "--out needs a value"},
      {"write", {}, "write wants a FILE.kvc"},
      {"write", {"a.kvc", "--all", "--device", "KDB"}, "exclude each other"},
      {"values", {"--interval", "0"}, "--interval wants a duration"},
      {"values", {"--count", "-3"}, "--count wants a whole number"},
      {"list", {"--device", "KDB"}, "--device does not go with list"},
      {"info", {"--bogus"}, "unknown option --bogus"},
      {"calibrate", {"sideways"}, "calibrate wants outputs or inputs"},
      {"calibrate", {"inputs", "--fast"}, "--fast goes with calibrate outputs"},
      {"read", {"--out", "a.kvc", "--fast"}, "--fast does not go with read"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.said);
    Bench bench("KDB");
    const Result r = bench.Run(row.command, row.args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_NE(r.err.find(row.said), std::string::npos) << r.err;
    EXPECT_TRUE(bench.sim().Log().empty());
  }
}

// ---- pieces --------------------------------------------------------------------------

TEST(BenchPieces, SerialsValuesAndDurations) {
  EXPECT_EQ(SerialOfIdText("KDB SN10222"), "SN10222");
  EXPECT_EQ(SerialOfIdText("SNOW SN7 x"), "SN7");
  EXPECT_EQ(SerialOfIdText("NSC ASN12"), "");
  EXPECT_EQ(OtherSerial("KDB SN10222     ", 2), "KDB SN12222     ");
  EXPECT_EQ(OtherSerial("UCRGJ6YA SN10999", 1), "UCRGJ6YA SN11999");

  struct V {
    const char* text;
    const char* number;
    const char* unit;
  };
  for (const V& v : {V{" 23,5  °C", "23.5", "°C"}, V{"- 1,5  °C", "-1.5", "°C"},
                     V{" -0,05  m/s", "-0.05", "m/s"}, V{" 650  ppm", "650", "ppm"},
                     V{"123.4567 V", "123.4567", "V"}, V{" 3,5 ", "3.5", ""}}) {
    const ValueRow row = SplitValue("q", v.text);
    EXPECT_EQ(row.number, v.number) << v.text;
    EXPECT_EQ(row.unit, v.unit) << v.text;
  }

  long long ms = 0;
  EXPECT_TRUE(ParseDuration("500ms", ms));
  EXPECT_EQ(ms, 500);
  EXPECT_TRUE(ParseDuration("1.5s", ms));
  EXPECT_EQ(ms, 1500);
  EXPECT_TRUE(ParseDuration("2", ms));
  EXPECT_EQ(ms, 2000);
  EXPECT_TRUE(ParseDuration("1m", ms));
  EXPECT_EQ(ms, 60000);
  for (const char* bad : {"", "5ms", "2h", "-1s", "nan", "1e9s", "s"}) EXPECT_FALSE(ParseDuration(bad, ms)) << bad;
}

}  // namespace
}  // namespace travik::cli

namespace travik::cli {
namespace {

// ---- calibrate ---------------------------------------------------------------------

TEST(BenchCalibrate, OutputsAndInputsWithTheirReports) {
  struct Row {
    const char* models;
    const char* device;
    const char* what;
    int status;
    std::vector<const char*> said;  // on the output
  };
  const Row rows[] = {
      {"NSC", "", "outputs", kExitDone,
       {"Kalibrace Napeti kanal 1 kalibracni bod 1V    1.0000 V", "pass\n", "report: "}},
      // The calibration device goes to the unit chosen, not to the first.
      {"KDB,NSC", "NSC", "outputs", kExitDone, {"Kalibrace Proudu kanal 2 kalibracni bod 20mA"}},
      {"N3tNT", "", "inputs", kExitDone, {"RTD 1000 High  2000.0"}},
      {"N3tNT", "", "outputs", kExitUsage, {}},
      {"NSC", "", "inputs", kExitUsage, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.models) + " " + row.what);
    TempDir dir;
    Bench bench(row.models);
    std::vector<std::string> args{row.what, "--report", dir.File("r")};
    if (*row.device != '\0') args.insert(args.end(), {"--device", row.device});
    const Result r = bench.Run("calibrate", args);
    EXPECT_EQ(r.status, row.status) << r.err;
    for (const char* s : row.said) EXPECT_NE(r.out.find(s), std::string::npos) << r.out;
    if (row.status != kExitDone) continue;
    EXPECT_EQ(r.err.find("error"), std::string::npos) << r.err;
    const std::string html = testing::ReadFile(dir.File("r.html"));
    const std::string csv = testing::ReadFile(dir.File("r.csv"));
    EXPECT_NE(html.find("<span class=\"pass\">PASS</span>"), std::string::npos);
    EXPECT_NE(html.find("CAL-4 UI SN00042"), std::string::npos);
    EXPECT_EQ(html.find("FAIL"), std::string::npos);
    EXPECT_EQ(csv.rfind("date,transmitter_product,transmitter_id,", 0), 0u);
    EXPECT_EQ(csv.find(",fail\n"), std::string::npos);
  }
}

TEST(BenchCalibrate, APointOutOfRangeFailsAndTheReportSaysSo) {
  TempDir dir;
  Bench bench("NSC");
  // An output too far off for the constants to reach.
  bench.Transmitter(0).analog().SetError(0, sim::Terminal::kVoltage, sim::UnitError{1.3, 0});
  // The window program hears of every run's end to save its report.
  std::vector<CalibrationReport> ended;
  SetCalibrationEndSink([&](const CalibrationReport& report) {
    ended.push_back(report);
    return std::string();
  });
  const Result r = bench.Run("calibrate", {"outputs", "--report", dir.File("r.html")});
  SetCalibrationEndSink(nullptr);
  ASSERT_EQ(ended.size(), 1u);
  EXPECT_FALSE(ended[0].complete);
  EXPECT_EQ(ended[0].points.size(), 1u);
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_NE(r.err.find("CAL info: Calibrated signal is Out of range"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("fail"), std::string::npos) << r.out;
  const std::string html = testing::ReadFile(dir.File("r.html"));
  EXPECT_NE(html.find("<span class=\"fail\">FAIL</span>"), std::string::npos);
  // Twelve steps tried before it gave up.
  EXPECT_NE(html.find("<tr><td>12</td>"), std::string::npos);
}

// --fast ticks the dialog's "Rychlá kalibrace": the same points pass with
// fewer writes on a drifted unit.
TEST(BenchCalibrate, FastTicksTheDialogsCheckBox) {
  std::size_t writes[2] = {};
  for (const bool fast : {false, true}) {
    SCOPED_TRACE(fast ? "fast" : "default");
    TempDir dir;
    Bench bench("NSC");
    bench.Transmitter(0).analog().SetError(0, sim::Terminal::kVoltage, sim::UnitError{1.04, -37});
    std::vector<CalibrationReport> ended;
    SetCalibrationEndSink([&](const CalibrationReport& report) {
    ended.push_back(report);
    return std::string();
  });
    std::vector<std::string> args{"outputs", "--report", dir.File("r")};
    if (fast) args.push_back("--fast");
    const Result r = bench.Run("calibrate", args);
    SetCalibrationEndSink(nullptr);
    EXPECT_EQ(r.status, kExitDone) << r.err;
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_TRUE(ended[0].complete);
    for (const CalibrationPoint& p : ended[0].points) writes[fast] += p.steps.size();
  }
  EXPECT_GT(writes[0], 0u);
  EXPECT_LE(writes[1] * 2, writes[0]);
}

TEST(BenchCalibrate, WithoutReportTheDataFolderTakesIt) {
  TempDir dir;
  const char* before = std::getenv("XDG_DATA_HOME");
  const std::string saved = before != nullptr ? before : "";
  setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
  Bench bench("NSC");
  const Result r = bench.Run("calibrate", {"outputs"});
  if (before != nullptr) setenv("XDG_DATA_HOME", saved.c_str(), 1); else unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(r.status, kExitDone) << r.err;
  const std::string prefix = "report: " + dir.path().string() + "/travik/reports/calibration-outputs-NSC_SN10000-";
  EXPECT_EQ(r.out.find(prefix) != std::string::npos, true) << r.out;
}

TEST(BenchCalibrate, NoCalibrationDevice) {
  Bench bench("NSC");
  for (auto* d : bench.sim().Devices())
    if (dynamic_cast<sim::SimCalibrator*>(d) != nullptr) bench.sim().Unplug(*d);
  const Result r = bench.Run("calibrate", {"outputs"});
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_NE(r.err.find("no calibration device found"), std::string::npos);
}

}  // namespace
}  // namespace travik::cli
