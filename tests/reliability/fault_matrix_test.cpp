// Every exchange of every device procedure, faulted in turn: refused, timed
// out (input reads, the only exchange that waits) and with the device
// unplugged just before it. Each faulted run must end with one of the
// procedure's own messages, leave the main window consistent with
// DeviceOnline and no handle open, keep START working, never hang, and write
// nothing to the device that the clean run would not have written.
//
// A procedure is one row of Procedures(): what the user does first, and the
// action whose exchanges are faulted.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "calibration/input_calibration.h"
#include "calibration/output_calibration.h"
#include "sim/sim_calibrator.h"
#include "dialogs/compact/compact_family.h"
#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/multichannel/member_tables.h"
#include "dialogs/multichannel/multichannel_dialog.h"
#include "dialogs/multichannel/rack_analog_dialog.h"
#include "rig.h"
#include "support/dialog_tables.h"
#include "sim/sim_models.h"

namespace travik {
namespace {

using sim::Exchange;
using test::DeviceContents;
using test::Rig;

constexpr int kKdb = 130;
constexpr int kKdbRead = 1345;
constexpr int kKdbWrite = 1347;
constexpr int kKdbCancel = 1349;

struct Procedure {
  std::string name;
  // Everything up to the user's action; not faulted.
  std::function<void(Rig&)> prepare;
  // The action, until it has ended (bounded); faulted.
  std::function<void(Rig&)> act;
  // Every message the procedure may end with, success included.
  std::set<std::string> messages;
  // Whether the device must still connect as itself afterwards.
  bool device_stays_whole = true;
  const char* model = "KDB";
  // Faults every stride-th exchange of the clean run, from `offset`; a budget
  // (fault positions at most) sets the stride from the clean run's length.
  int stride = 1;
  int offset = 0;
  int budget = 0;
};

const std::set<std::string> kConnectMessages = {
    "Spojení se zařízením se nepodařilo navázat", "Chyba při čtení identifikátorů zařízení",
    "Žádné zařízení HID nenalezeno", "Moje zařízení HID nenalezeno"};

std::set<std::string> With(std::set<std::string> a, const std::set<std::string>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

void ConnectAndOpenKdb(Rig& r) {
  r.Connect();
  ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonConfig), "");
  ASSERT_EQ(r.ui().TopTemplate(), kKdb);
}

// A transfer of a configuration dialog, then back to the main window the way the user goes.
void Transfer(Rig& r, int dialog, int button, int cancel) {
  ASSERT_EQ(r.ui().Click(dialog, button), "");
  r.ui().AdvanceUntil([&] { return r.ui().TopTemplate() == dialog || !r.ui().IsOpen(dialog); }, 10000);
  if (r.ui().IsOpen(dialog)) { ASSERT_EQ(r.ui().Click(dialog, cancel), ""); }
}
void KdbTransfer(Rig& r, int button) { Transfer(r, kKdb, button, kKdbCancel); }

const std::set<std::string> kTransferMessages = {
    "Data read pointer error", "Data read error", "Data write pointer error", "Data write error",
    "Chyba zápisu uživatelských dat do EEPROM", kUserMenuMessage, kCommunicationError};

// Every other configuration dialog's read and write. Their transfers are the
// KDB's, faulted at every exchange by the KDB rows; here every 7th exchange,
// from an offset that moves on with each dialog, so that together they still
// meet every position while CI stays quick.
void AddConfigurationDialogs(std::vector<Procedure>& rows) {
  std::set<const DialogDef*> done = {FindCompactDialogDef(kKdb)};
  int k = 0;
  for (const sim::SimModel& m : sim::SimModels()) {
    const DialogDef* def = testing::ConfigDialogDef(ConfigTemplateFor(m.device_type));
    if (def == nullptr || !done.insert(def).second) continue;
    auto open = [def](Rig& r) {
      r.Connect();
      ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonConfig), "");
      // A dialog that reads at opening has done so once its popup is gone.
      ASSERT_TRUE(r.ui().AdvanceUntil([&] { return r.ui().TopTemplate() == def->template_number; }, 10000));
    };
    for (const bool write : {false, true}) {
      const int button = write ? def->buttons.write : def->buttons.read;
      rows.push_back({m.name + (write ? " write" : " read"), open,
                      [def, button](Rig& r) {
                        Transfer(r, def->template_number, button, def->buttons.cancel);
                      },
                      kTransferMessages, true, m.name.c_str(), 7, k++});
    }
  }
}

const std::vector<std::uint8_t> kImage = test::ImageBytes(4096 + 128 + 40);  // 2 blocks

void OpenBootloaderWithFile(Rig& r) {
  r.device->set_flash_kib(8);
  r.device->set_application_bytes(static_cast<std::uint32_t>(kImage.size() - 4096));
  r.ConnectAndOpen();
  r.Load("fw.hex", test::HexImage(kImage));
}

void RunBootloader(Rig& r, int button) {
  ASSERT_EQ(r.ui().Click(test::kDlg, button), "");
  r.ui().AdvanceUntil(
      [&] {
        return !r.ui().IsOpen(test::kDlg) ||
               (Boot().state == BootState::kIdle && r.ui().TopTemplate() == test::kDlg &&
                r.Enabled(ui::kIdCancel));
      },
      120000);
  if (r.ui().IsOpen(test::kDlg)) { ASSERT_EQ(r.ui().Click(test::kDlg, ui::kIdCancel), ""); }
}

const std::set<std::string> kBootMessages = {
    "Chyba inicializace zařízení po resetu", "Chyba komunikace, zarizeni neodpovida",
    "Chyba komunikace, CRC bootloaderu", "Chyba CRC bootloaderu", "Chyba čtení HW informaci"};

// The live values poll on every tick and the calibrations run for minutes:
// a budget of fault positions spread over the whole run.
void AddValuesAndCalibrations(std::vector<Procedure>& rows) {
  rows.push_back({"live values", [](Rig& r) { r.Connect(); },
                  [](Rig& r) {
                    ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonValues), "");
                    r.ui().Advance(1000);
                    if (r.ui().IsOpen(res::kDlgValues)) {
                      ASSERT_EQ(r.ui().Click(res::kDlgValues, 2), "");
                    }
                  },
                  {"Chyba při čtení dat", "Chyba při čtení měřených dat", "Chyba při zápisu dat",
                   "Chyba při nastavování adresy"},
                  true, "KDB", 1, 0, 40});
  struct Calibration {
    const char* name;
    const char* model;
    int dialog, button, point_name;
    const char* finished;
  };
  for (const Calibration c :
       {Calibration{"output calibration", "NSC", res::kDlgOutputCalibration, kOcCalibrate, kOcPointName,
                    "Kalibrace dokoncena"},
        Calibration{"input calibration", "N3tNT", res::kDlgInputCalibration, kIcCalibrate, kIcPointName,
                    "Calibartion finished :-)"}}) {
    rows.push_back(
        {c.name,
         [c](Rig& r) {
           sim::PutOnBench(sim::AddCalibrator(r.s.sim()), r.device);
           r.Connect();
           ASSERT_EQ(r.ui().MenuCommand(res::kMainWindow, res::kMenuAutoCalibration), "");
           ASSERT_TRUE(r.ui().AdvanceUntil(
               [&] { return r.ui().TopTemplate() == c.dialog && r.ui().Control(c.dialog, c.button)->enabled; },
               2000));
         },
         [c](Rig& r) {
           ASSERT_EQ(r.ui().Click(c.dialog, c.button), "");
           r.ui().AdvanceUntil(
               [&] {
                 return !r.ui().IsOpen(c.dialog) ||
                        (r.ui().TopTemplate() == c.dialog &&
                         r.ui().Control(c.dialog, c.point_name)->text == c.finished);
               },
               600000);
           if (r.ui().IsOpen(c.dialog)) { ASSERT_EQ(r.ui().Click(c.dialog, ui::kIdCancel), ""); }
         },
         {"Calibration error", "Calibration data write to EEPROM error", "Calibrated signal is Out of range",
          "Speaker beep error", "Data read pointer error", "Calibration Data read error",
          "Device status check Error", "Device status check timeout", "Init commnand error",
          "Read sefety Jumper command error", "Channel select error"},
         true, c.model, 1, 0, 25});
  }
}

std::vector<Procedure> Procedures() {
  std::vector<Procedure> rows = {
      {"automatic connection", nullptr,
       [](Rig& r) {
         r.s.Start();
         r.ui().Advance(1500);
       },
       kConnectMessages},
      {"START",
       [](Rig& r) {
         r.Connect();
         ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStop), "");
       },
       [](Rig& r) {
         ASSERT_EQ(r.ui().Click(res::kMainWindow, res::kButtonStart), "");
         r.ui().Advance(1500);
       },
       kConnectMessages},
      {"KDB read", ConnectAndOpenKdb, [](Rig& r) { KdbTransfer(r, kKdbRead); },
       {"Data read pointer error", "Data read error"}},
      {"KDB write",
       [](Rig& r) {
         ConnectAndOpenKdb(r);
         ASSERT_EQ(r.ui().Type(kKdb, 1341, "17"), "");
         ASSERT_EQ(r.ui().Type(kKdb, 1338, "Hala 4"), "");
       },
       [](Rig& r) { KdbTransfer(r, kKdbWrite); },
       {"Data write pointer error", "Data write error", "Chyba zápisu uživatelských dat do EEPROM"}},
      {"firmware download", OpenBootloaderWithFile,
       [](Rig& r) { RunBootloader(r, kBootDownloadButton); },
       With(With(kBootMessages, kConnectMessages),
            {" Bootovani je úspěšně dokončeno ;-) ", "Chyba zapisu parametru souboru",
             "Nastala chyba komunikace při mazaní Flash", "Nastala chyba zapisu datoveho paketu",
             "Nastala chyba komunikace pri potvrzeni zapisu do FLASH"}),
       /*device_stays_whole=*/false},
      {"HW Info",
       [](Rig& r) {
         r.ConnectAndOpen();
       },
       [](Rig& r) { RunBootloader(r, kBootInfoButton); }, With(kBootMessages, kConnectMessages)},
  };
  AddConfigurationDialogs(rows);
  AddValuesAndCalibrations(rows);
  return rows;
}

enum class FaultKind { kNone, kRefused, kTimedOut, kUnplugged };

const char* Name(FaultKind k) {
  switch (k) {
    case FaultKind::kNone: return "clean";
    case FaultKind::kRefused: return "refused";
    case FaultKind::kTimedOut: return "timed out";
    case FaultKind::kUnplugged: return "unplugged before";
  }
  return "?";
}

struct Outcome {
  std::vector<Exchange> exchanges;  // of the action, in order (closes left out)
  std::vector<std::string> messages;
  std::set<std::uint8_t> commands;  // command codes sent by the action
  DeviceContents before, after;
};

// Runs the procedure with one fault at the `nth` exchange of `kind` of the action.
void RunFaulted(const Procedure& p, FaultKind fault, Exchange kind, int nth, Outcome& out) {
  Rig r(nullptr, p.model);
  if (p.prepare) p.prepare(r);
  if (::testing::Test::HasFatalFailure()) return;
  out.before = DeviceContents::Of(*r.device);
  const std::size_t log_start = r.s.sim().Log().size();
  const std::size_t messages_start = r.ui().Messages().size();
  if (fault == FaultKind::kRefused) r.s.sim().FailNth(kind, nth);
  if (fault == FaultKind::kTimedOut) r.s.sim().TimeoutNthRead(nth);
  if (fault == FaultKind::kUnplugged) {
    int seen = 0;
    // The device the exchange goes to (the transmitter or the calibration device).
    r.s.sim().SetBeforeExchange([&r, kind, nth, seen](Exchange k, const std::string& path) mutable {
      if (k != kind || ++seen != nth) return;
      if (sim::SimDevice* d = r.s.sim().Find(path)) d->Unplug();
    });
  }
  p.act(r);
  if (::testing::Test::HasFatalFailure()) return;
  r.s.sim().SetBeforeExchange(nullptr);
  EXPECT_TRUE(test::Settle(r)) << "the program did not settle";
  for (std::size_t i = log_start; i < r.s.sim().Log().size(); ++i) {
    const sim::LogEntry& e = r.s.sim().Log()[i];
    if (e.kind == Exchange::kClose) continue;
    out.exchanges.push_back(e.kind);
    if (e.kind == Exchange::kSetFeature && e.bytes.size() > 1) out.commands.insert(e.bytes[1]);
  }
  for (std::size_t i = messages_start; i < r.ui().Messages().size(); ++i) {
    out.messages.push_back(r.ui().Messages()[i].text);
    EXPECT_TRUE(p.messages.count(out.messages.back())) << "message \"" << out.messages.back() << "\"";
  }
  out.after = DeviceContents::Of(*r.device);
  test::ExpectConsistent(r);

  // Cable back, faults gone: START finds the device again.
  r.s.sim().ClearFaults();
  for (sim::SimDevice* d : r.s.sim().Devices())
    if (!d->present()) r.s.sim().Replug(*d);
  r.ui().Advance(3000);
  ASSERT_TRUE(test::Settle(r));
  test::ExpectStartUsable(r, p.device_stays_whole || fault == FaultKind::kNone,
                          sim::FindSimModel(p.model)->id_text);
}

// Each value is what it was, or what the clean run made it (`erased` also
// allowed, for flash).
template <class T>
void ExpectOnlyAskedFor(const std::vector<T>& before, const std::vector<T>& faulted,
                        const std::vector<T>& clean, const char* what, std::optional<T> erased = {}) {
  ASSERT_EQ(before.size(), faulted.size());
  int stray = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (faulted[i] == before[i] || faulted[i] == clean[i] || (erased && faulted[i] == *erased)) continue;
    if (++stray <= 3) ADD_FAILURE() << what << " " << i << " written with " << +faulted[i];
  }
}

TEST(FaultMatrix, EveryExchangeOfEveryProcedure) {
  int points = 0;
  for (const Procedure& p : Procedures()) {
    SCOPED_TRACE(p.name);
    Outcome clean;
    RunFaulted(p, FaultKind::kNone, Exchange::kOpen, 0, clean);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    ASSERT_FALSE(clean.exchanges.empty());
    const int stride = p.budget > 0 ? std::max<int>(1, (static_cast<int>(clean.exchanges.size()) + p.budget - 1) / p.budget)
                                    : p.stride;
    int ordinal[7] = {};
    int procedure_points = 0;
    std::set<std::string> seen;  // messages the faulted runs ended with
    for (std::size_t i = 0; i < clean.exchanges.size(); ++i) {
      const Exchange kind = clean.exchanges[i];
      const int nth = ++ordinal[static_cast<int>(kind)];
      if (static_cast<int>(i) % stride != p.offset % stride) continue;
      for (FaultKind fault : {FaultKind::kRefused, FaultKind::kTimedOut, FaultKind::kUnplugged}) {
        if (fault == FaultKind::kTimedOut && kind != Exchange::kReadInput) continue;
        SCOPED_TRACE(std::string(Name(fault)) + " at exchange " + std::to_string(i + 1) + " (" +
                     sim::ExchangeName(kind) + " " + std::to_string(nth) + ")");
        Outcome faulted;
        RunFaulted(p, fault, kind, nth, faulted);
        if (::testing::Test::HasFatalFailure()) return;
        for (std::uint8_t code : faulted.commands)
          EXPECT_TRUE(clean.commands.count(code)) << "command 0x" << std::hex << +code << " sent";
        ExpectOnlyAskedFor(faulted.before.memory, faulted.after.memory, clean.after.memory, "memory word");
        ExpectOnlyAskedFor(faulted.before.eeprom, faulted.after.eeprom, clean.after.eeprom, "EEPROM word");
        ExpectOnlyAskedFor(faulted.before.flash, faulted.after.flash, clean.after.flash, "flash byte",
                           std::optional<std::uint8_t>(0xFF));
        seen.insert(faulted.messages.begin(), faulted.messages.end());
        ++procedure_points;
      }
    }
    std::cout << "[ fault matrix ] " << p.name << ": " << clean.exchanges.size() << " exchanges, "
              << procedure_points << " fault points, " << seen.size() << " distinct messages\n";
    points += procedure_points;
  }
  std::cout << "[ fault matrix ] " << points << " fault points covered\n";
  ::testing::Test::RecordProperty("fault_points", points);
}

}  // namespace
}  // namespace travik
