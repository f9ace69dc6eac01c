#include "app/main_window.h"

#include <cstdio>
#include <iostream>
#include <ostream>

#include "app/dialog_factory.h"
#include "app/program.h"
#include "core/globals.h"
#include "core/models.h"
#include "core/support_log.h"
#include "core/text.h"
#include "core/version.h"
#include "hid/hid.h"
#include "hid/hid_backend.h"
#include "protocol/frames.h"
#include "protocol/identification.h"
#include "resources/resources.h"
#include "settings/language_dialog.h"

namespace travik {

using namespace res;

namespace {

constexpr const char* kSearchCaption = "HID zařízení, info. ";
constexpr const char* kManualCaption = "Zařízení info FW";
constexpr const char* kToolsCaption = "Nástroje";
constexpr const char* kNotAvailable = "Tato funkce není dostupná";

// The package version tells support which build this is; the support log's
// file is named so a technician knows what to send.
std::string AboutText() {
  std::string text = std::string("Travik Tool\n\nverze 00.00.98  CZ_008\nbalíček ") + ProgramVersion();
  if (!SupportLogPath().empty()) text += "\n\nZáznam pro podporu:\n" + SupportLogPath();
  return text;
}

constexpr const char* kSupportedDevices =
    "   NSC, BBA, NSF, NRXU, KDB, NRGN \n\n   KFX, NWYT, NWYJ, NDEUL, NDEUP \n\n   EHA9, UU5, "
    "BBH7T, JBC3S \n\n   BBH7Q, BBH7QS, JBC3K \n\n   BBH7H, E-GET9, BBH8L \n\n   NQAZ, MZP, "
    "NQKZ, MJD \n\n   LDRS, NBBSZ, NBBVK   \n\n   UC-VWW, UC-MXB, UC-RGJ, UC-RGJ-H, UC-BCN "
    "\n\n   UC-VWC, UC-MXH, UC-RGQ, UC-RGQ-A, UC-BCM \n\n   N3tNT, KDB7DY \n\n  ";
constexpr const char* kFunctions =
    " Podporované funkce:\n\n  BootLoader 0.0.5\n\n  Automaticka Kalibrace AOUT, AIN 0.0.1\n\n ";

void ShowField(ui::Dialog& w, int id, const char* cp1250) { w.SetText(id, Cp1250ToUtf8(cp1250)); }

// Support output when the transmitter could not be used: why, on stderr.
void PrintDiagnosis() {
  HidBackend* hid = CurrentHidBackend();
  if (hid == nullptr) return;
  const std::string why = hid->Diagnose(static_cast<std::uint16_t>(G().TransmitterIds.vendor),
                                        static_cast<std::uint16_t>(G().TransmitterIds.product));
  if (!why.empty()) std::cerr << "travik: " << why << "\n";
}

}  // namespace

int ConfigTemplateFor(int device_type) { return ModelOf(device_type).config_template; }

void MainWindowProc::OnInit(ui::Dialog& w) {
  w.SetTimer(1, 10);
  // Step does nothing while idle; every way out of idle is a command, a
  // dialog's end or another window's tick, which the window layer sees.
  w.SetTimerIdleTest(1, [] { return G().ConnectState == kConnectIdle; });
  w.TickNow(1);
  w.Enable(kButtonStop, false);
  w.Enable(kButtonValues, false);
}

void MainWindowProc::OnClose(ui::Dialog& w) {
  if (G().DeviceOnline == 1) CloseSlot(1);
  w.KillTimer(1);
  w.End(0);
}

void MainWindowProc::OnTimer(ui::Dialog& w, int) { Step(w); }

void MainWindowProc::ShowDisconnected(ui::Dialog& w) {
  w.SetText(kFieldHidId, " ");
  w.SetText(kFieldDevice, " ");
  w.SetText(kFieldFirmware, " ");
  w.Enable(kButtonStart, true);
  w.Enable(kButtonStop, false);
  w.Enable(kButtonValues, false);
}

void MainWindowProc::ReportConnectFailure(ui::Dialog& w, const char* caption) {
  PrintDiagnosis();
  w.MessageBox("Spojení se zařízením se nepodařilo navázat", caption, ui::Icon::kInformation);
}

MainWindowProc::Outcome MainWindowProc::NotFound(ui::Dialog& w, const char* text,
                                                 const char* caption) {
  // Idle before the message box: the timer keeps ticking while it is up, and
  // a search still in kConnectSearch would stack up one box per tick.
  G().ConnectState = kConnectIdle;
  G().ConnectFailures = 0;
  PrintDiagnosis();
  w.MessageBox(text, caption, ui::Icon::kInformation);
  return Outcome::kNotFound;
}

MainWindowProc::Outcome MainWindowProc::Connect(ui::Dialog& w, bool automatic) {
  auto& g = G();
  const char* caption = automatic ? kSearchCaption : kManualCaption;
  ReleaseDeviceList();
  ClearDeviceList();
  const int count = EnumerateDevices();
  if (count == 0) return NotFound(w, "Žádné zařízení HID nenalezeno", caption);
  const auto vendor = static_cast<std::uint16_t>(g.TransmitterIds.vendor);
  const auto product = static_cast<std::uint16_t>(g.TransmitterIds.product);
  if (!FindAndRemember(vendor, product, count, 1))
    return NotFound(w, "Moje zařízení HID nenalezeno", caption);
  if (!OpenByIds(vendor, product, count, 1)) return Outcome::kRefused;
  if (automatic) {
    if (ReadProductText(g.ProductText.data(), 24, 1)) g.ProductText[24] = '\0';
    ShowField(w, kFieldHidId, g.ProductText.data());
  } else {
    char text[129] = {};
    ReadProductText(text, 128, 1);
    text[128] = '\0';
    ShowField(w, kFieldHidId, text);
  }
  w.Enable(kButtonStart, false);
  w.Enable(kButtonStop, true);
  w.Enable(kButtonValues, true);
  FrameInit();
  if (!SendCommand(1)) {
    // Not connected after all: give the buttons back rather than leave START
    // disabled with no device online.
    CloseSlot(1);
    w.Enable(kButtonStart, true);
    w.Enable(kButtonStop, false);
    w.Enable(kButtonValues, false);
    return Outcome::kRefused;
  }
  g.DeviceOnline = 1;
  g.NextState = kConnectIdentify;
  g.ConnectState = kConnectWait;
  g.WaitTicks = 30;
  return Outcome::kConnected;
}

void MainWindowProc::Step(ui::Dialog& w) {
  auto& g = G();
  switch (g.ConnectState) {
    case kConnectWait:
      if (g.WaitTicks > 0) {
        --g.WaitTicks;
      } else {
        g.ConnectState = g.NextState;
        // A new search: refusals of one that a dialog interrupted do not count.
        if (g.ConnectState == kConnectSearch) g.ConnectFailures = 0;
      }
      break;
    case kConnectSearch: {
      const Outcome outcome = Connect(w, true);
      if (outcome == Outcome::kRefused) {
        // Retried on the next tick, but not for ever.
        if (++g.ConnectFailures >= kConnectAttempts) {
          g.ConnectFailures = 0;
          g.ConnectState = kConnectIdle;
          ReportConnectFailure(w, kSearchCaption);
        }
      } else {
        g.ConnectFailures = 0;
      }
      break;
    }
    case kConnectIdentify:
      if (ReadInput(1)) {
        FillIdentification();
        ShowField(w, kFieldDevice, g.DeviceIdText.data());
        w.SetText(kButtonValues,
                  ModelOf(g.DeviceType).values_window == ValuesWindow::kOutputModule ? "ZAPSAT" : "ČÍST");
        ShowField(w, kFieldFirmware, g.FirmwareText.data());
        g.ConnectState = kConnectIdle;
      } else {
        g.ConnectState = kConnectLost;
        CloseSlot(1);
        w.MessageBox("Chyba při čtení identifikátorů zařízení", kSearchCaption, ui::Icon::kError);
      }
      break;
    case kConnectLost:
      ShowDisconnected(w);
      g.DeviceOnline = 0;
      g.ConnectState = kConnectIdle;
      break;
    default:
      break;
  }
}

int MainWindowProc::RunDialog(ui::Dialog& w, int template_number) {
  auto proc = CreateDialogProc(template_number);
  if (proc == nullptr) return -1;
  return w.RunModal(template_number, *proc);
}

void MainWindowProc::OpenConfiguration(ui::Dialog& w) {
  auto& g = G();
  g.ConnectState = kConnectIdle;
  w.ShowWindow(false);
  if (g.DeviceOnline == 1) {
    IdentifyDevice();
    if (!FirmwareIsCurrent())
      w.MessageBox(
          "              Firmware zařízení je zastaralý\n\nkonfigurace zařízení nemusí proběhnout "
          "korektně",
          kManualCaption, ui::Icon::kInformation);
  } else {
    RunDialog(w, kDlgOffline);
  }
  // A type without a dialog only hides and restores the window.
  RunHidden(w, ConfigTemplateFor(g.DeviceType));
  if (g.DeviceOnline == 0) g.ConnectState = kConnectIdle;
}

// The values dialogs only ever end with 2; restoring on any end keeps the
// window from staying hidden should a dialog fail to open.
void MainWindowProc::RunHidden(ui::Dialog& w, int template_number) {
  const bool was_online = G().DeviceOnline == 1;
  w.ShowWindow(false);
  if (template_number != 0) RunDialog(w, template_number);
  w.ShowWindow(true);
  // A dialog that lost the device leaves it offline; without this the window
  // would still show it connected, with START disabled and STOP doing nothing.
  if (was_online && G().DeviceOnline == 0) ShowDisconnected(w);
}

void MainWindowProc::OpenValues(ui::Dialog& w) {
  auto& g = G();
  IdentifyDevice();
  g.ConnectState = kConnectIdle;
  RunHidden(w, ValuesTemplateFor(g.DeviceType));
  if (g.DeviceOnline == 0) g.ConnectState = kConnectIdle;
}

int CalibrationTemplateFor(int device_type) {
  switch (ModelOf(device_type).calibration) {
    case CalibrationKind::kNone: return 0;
    case CalibrationKind::kOutputs: return kDlgOutputCalibration;
    case CalibrationKind::kInputs: return kDlgInputCalibration;
  }
  return 0;
}

int ValuesTemplateFor(int device_type) {
  return ModelOf(device_type).values_window == ValuesWindow::kOutputModule ? kDlgOutputModule : kDlgValues;
}

void MainWindowProc::AutoCalibration(ui::Dialog& w) {
  const int calibration = CalibrationTemplateFor(G().DeviceType);
  if (calibration == 0) {
    w.MessageBox(kNotAvailable, kToolsCaption, ui::Icon::kInformation);
    return;
  }
  RunHidden(w, calibration);
}

void MainWindowProc::Bootloader(ui::Dialog& w) {
  auto& g = G();
  // Idle, as for the other dialogs: a connection attempt must not reopen the
  // transmitter in the middle of the bootloader's exchanges.
  g.ConnectState = kConnectIdle;
  RunHidden(w, kDlgBootloader);
  ReleaseDeviceList();
  ShowDisconnected(w);
  g.DeviceOnline = 0;
  g.NextState = kConnectSearch;
  g.ConnectState = kConnectWait;
  g.WaitTicks = 30;
}

void MainWindowProc::OnCommand(ui::Dialog& w, int id, ui::Notify code) {
  auto& g = G();
  switch (id) {
    case kMenuExit:
      OnClose(w);
      return;
    case kMenuManualCalibration:
      w.MessageBox(kNotAvailable, kToolsCaption, ui::Icon::kInformation);
      return;
    case kMenuAutoCalibration:
      AutoCalibration(w);
      return;
    case kMenuBootloader:
      Bootloader(w);
      return;
    case kMenuUsbSet:
      RunDialog(w, kDlgUsbSet);
      return;
    case kMenuUsbCal:
      RunDialog(w, kDlgUsbCal);
      return;
    case kMenuLanguage: {
      LanguageDialog language;
      w.RunModal(kDlgLanguage, language);
      return;
    }
    case kMenuAbout:
      w.MessageBox(AboutText(), "O programu", ui::Icon::kInformation);
      return;
    case kMenuSupportedDevices:
      w.MessageBox(kSupportedDevices, "Devices ", ui::Icon::kInformation);
      return;
    case kMenuFunctions:
      w.MessageBox(kFunctions, "Functions ", ui::Icon::kInformation);
      return;
    default:
      break;
  }
  if (code != ui::Notify::kClicked) return;
  switch (id) {
    case kButtonStart:
      if (g.ConnectState != kConnectIdle) return;
      if (Connect(w, false) == Outcome::kRefused) ReportConnectFailure(w, kManualCaption);
      return;
    case kButtonStop:
      if (g.DeviceOnline != 1) return;
      CloseSlot(1);
      ShowDisconnected(w);
      g.DeviceOnline = 0;
      g.ConnectState = kConnectIdle;
      return;
    case kButtonConfig:
      OpenConfiguration(w);
      return;
    case kButtonValues:
      OpenValues(w);
      return;
    default:
      return;
  }
}

}  // namespace travik
