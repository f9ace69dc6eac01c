#include "firmware/bootloader_dialog.h"

#include <cstdio>
#include <string>

#include "core/globals.h"
#include "core/text.h"
#include "firmware/firmware_file.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "protocol/identification.h"

namespace travik {
namespace {

constexpr const char* kBootCaption = "BOOT info";
constexpr std::uint8_t kSlot = 1;

// Steps (or ticks) a state counts down from. A stepped state fails on the step
// that brings its countdown to 0, so 50 gives 49 attempts and 5 gives 4 reads.
constexpr std::uint32_t kActivateSteps = 50;
constexpr std::uint32_t kSelfCheckSteps = 20;
constexpr std::uint32_t kInfoSteps = 5;
constexpr std::uint32_t kRestartSteps = 40;
constexpr std::uint32_t kEraseDelayTicks = 30;

constexpr const char* kAckTooLate = "Zápis do FLASH nebyl potvrzen v časovém limitu";
constexpr const char* kEraseTooLong = "Mazaní Flash nebylo dokončeno v časovém limitu";

std::uint16_t Vendor() { return static_cast<std::uint16_t>(G().TransmitterIds.vendor); }
std::uint16_t Product() { return static_cast<std::uint16_t>(G().TransmitterIds.product); }

bool IsUpperLetter(std::uint8_t c) { return c >= 'A' && c <= 'Z'; }

void EnableButtons(ui::Dialog& d, bool enabled) {
  for (int id : {kBootOpenButton, kBootDownloadButton, kBootInfoButton, ui::kIdCancel})
    d.Enable(id, enabled);
}

void Status(ui::Dialog& d, const std::string& text) { d.SetText(kBootStatusControl, text); }

std::string Format(const char* pattern, long value) {
  char text[128];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// The countdown of a stepped state: false while it runs, true on the step
// that brings it to 0.
bool CountdownExpired(BootRun& b) {
  if (b.countdown > 0) --b.countdown;
  return b.countdown == 0;
}

// Stepped states act on the tick that finds subtick 0 and reload it.
bool StepDue(BootRun& b) {
  if (b.subtick != 0) {
    --b.subtick;
    return false;
  }
  b.subtick = kBootSubticks;
  return true;
}

// Ends the procedure. The state is idle before the message box, whose loop
// keeps delivering ticks; the buttons are given back here as well, as the
// idle tick would, so that the close request is honoured wherever the message
// box does not pump timers.
void Fail(ui::Dialog& d, const char* text) {
  Boot().state = BootState::kIdle;
  CloseSlot(kSlot);
  G().DeviceOnline = 0;
  EnableButtons(d, true);
  d.MessageBox(text, kBootCaption, ui::Icon::kError);
  d.PostClose();
}

// State 2. Whether the restart command reaches the device is not known here:
// a device that restarts at once may drop the answer. State 3 finds out.
void Restart(ui::Dialog& d) {
  BootRun& b = Boot();
  // Fresh, rather than on top of the main window's list: a device gone since
  // that list was built would end the search before the transmitter.
  const int count = RebuildDeviceList();
  if (count > 0 && FindAndRemember(Vendor(), Product(), count, kSlot)) {
    FrameRestartBoot();
    SendCommandRemembered(kSlot);
  }
  b.countdown = kActivateSteps;
  b.subtick = kBootSubticks;
  b.state = BootState::kActivate;
  Status(d, "Probíhá Inicializace Bootovacího modu");
}

// State 3, one attempt per step; the handle stays open for states 4 and 5.
void Activate(ui::Dialog& d) {
  BootRun& b = Boot();
  if (CountdownExpired(b)) {
    Fail(d, "Chyba inicializace zařízení po resetu");
    return;
  }
  const int count = RebuildDeviceList();
  if (count == 0 || !OpenByIds(Vendor(), Product(), count, kSlot)) return;
  char product[25] = {};
  if (!ReadProductText(product, 24, kSlot) || !IsUpperLetter(static_cast<std::uint8_t>(product[0])))
    return;
  FrameActivateBoot();
  if (!SendCommand(kSlot)) return;
  Status(d, "Bootovaci mod je aktivovan");
  b.countdown = kSelfCheckSteps;
  b.subtick = kBootSubticks;
  b.state = BootState::kSelfCheck;
}

// State 4: the first step decides.
void SelfCheck(ui::Dialog& d) {
  BootRun& b = Boot();
  if (CountdownExpired(b)) {
    Fail(d, "Chyba komunikace, zarizeni neodpovida");
    return;
  }
  if (!ReadReply(kSlot)) {
    Fail(d, "Chyba komunikace, CRC bootloaderu");
    return;
  }
  const auto& reply = G().ReplyReport;
  if (reply[2] != kBootReady) {
    Fail(d, "Chyba CRC bootloaderu");
    return;
  }
  Status(d, "Bootovaci mod je aktivovan");
  b.flash_kib = static_cast<std::uint16_t>(reply[3] | reply[4] << 8);
  b.countdown = kInfoSteps;
  b.subtick = kBootSubticks;
  b.state = BootState::kReadInfo;
}

// State 5. A report whose platform does not start with a capital is not ready
// yet and is read again on the next step.
void ReadInfo(ui::Dialog& d) {
  BootRun& b = Boot();
  if (CountdownExpired(b)) {
    Fail(d, "Chyba komunikace, zarizeni neodpovida");
    return;
  }
  if (!ReadInput(kSlot)) {
    Fail(d, "Chyba čtení HW informaci");
    return;
  }
  const auto& report = G().InputReport;
  if (!IsUpperLetter(report[1])) return;
  b.info = report;
  d.SetText(kBootPlatformField, RecordText(&report[1], 16));
  d.SetText(kBootHwVersionField, RecordText(&report[17], 8));
  d.SetText(kBootSwVersionField, RecordText(&report[25], 8));
  Status(d, "Čtení HW informaci dokončeno");
  b.countdown = kInfoSteps;
  b.subtick = kBootSubticks;
  if (b.mode == BootMode::kHardwareInfo) {
    b.state = BootState::kRestartWait;
    b.countdown = kRestartSteps;
    Status(d, "HW informace jsou úspěšně načteny ;-) ");
  } else {
    CloseSlot(kSlot);
    b.state = BootState::kCheckImage;
  }
}

// State 6. The header fields are read bounded to the header, so a file
// without terminators cannot run the comparison past either buffer.
void CheckImage(ui::Dialog& d) {
  BootRun& b = Boot();
  const FirmwareImage& image = *G().Firmware;
  if (static_cast<std::uint64_t>(b.flash_kib) * 1024 < image.length) {
    Fail(d, "Flash je meší než vybraný soubor");
    return;
  }
  if (image.format_letter == 'k') {
    const std::string platform = MemoryImagePlatform(image);
    for (std::size_t i = 0; i < platform.size(); ++i) {
      if (static_cast<std::uint8_t>(platform[i]) != b.info[1 + i]) {
        Fail(d, "HW je nekompatibilni s vybranym souborem");
        return;
      }
    }
    const std::string pattern = MemoryImageVersionPattern(image);
    for (std::size_t i = 0; i < pattern.size() && pattern[i] != 'x'; ++i) {
      if (static_cast<std::uint8_t>(pattern[i]) != b.info[17 + i]) {
        Fail(d, "Verze HW je nekompatibilni s vybranym souborem");
        return;
      }
    }
  }
  Status(d, "Kontrola HW informaci dokoncena");
  b.state = BootState::kStartErase;
}

// State 7. The device list was rebuilt while the device restarted, so the
// position recorded in state 2 may name another device by now: the bootloader
// is looked up again by its identifiers in the list it was activated from.
void StartErase(ui::Dialog& d) {
  BootRun& b = Boot();
  const bool open = FindAndRemember(Vendor(), Product(), G().Devices.count, kSlot) &&
                    OpenRemembered(G().Slots[kSlot].remembered, kSlot);
  FrameFileType(G().Firmware->format_letter);
  if (!open || !SendCommand(kSlot)) {
    Fail(d, "Chyba zapisu parametru souboru");
    return;
  }
  b.poll_ticks = 0;
  b.countdown = kEraseDelayTicks;
  b.next_state = BootState::kEraseWait;
  b.state = BootState::kDelay;
}

// State 8, every tick.
void EraseWait(ui::Dialog& d) {
  BootRun& b = Boot();
  if (!ReadReply(kSlot)) {
    Fail(d, "Nastala chyba komunikace při mazaní Flash");
    return;
  }
  if (G().ReplyReport[2] != kBootReady) {
    if (++b.poll_ticks >= kEraseWaitTicks) Fail(d, kEraseTooLong);
    return;
  }
  // The download button refuses images of kBootSkippedBytes or less.
  const std::uint32_t length = G().Firmware->length;
  b.blocks_left = (length - kBootSkippedBytes) / kBootBlockBytes + 1;
  b.packets_left = kBootPacketsPerBlock;
  b.position = kBootSkippedBytes;
  b.block_number = 0;
  Status(d, "Mazaní Flash je dokončeno");
  b.state = BootState::kSendPacket;
}

// State 9. The last block reaches past the image; past the image area too
// for the largest images, where zeros are sent.
void SendPacket(ui::Dialog& d) {
  BootRun& b = Boot();
  const std::uint8_t* data = G().Firmware->data.get();
  auto& packet = G().OutputReport;
  packet.fill(0);
  for (std::uint32_t i = 0; i < kBootPacketBytes; ++i) {
    const std::uint64_t at = static_cast<std::uint64_t>(b.position) + i;
    packet[1 + i] = at < kFirmwareAreaSize ? data[at] : 0;
  }
  b.position += kBootPacketBytes;
  if (!WriteOutput(kSlot)) {
    Fail(d, "Nastala chyba zapisu datoveho paketu");
    return;
  }
  b.poll_ticks = 0;
  b.state = BootState::kAckWait;
}

// State 10, every tick. The message box comes last: its loop goes on
// delivering ticks, which already run state 11.
void AckWait(ui::Dialog& d) {
  BootRun& b = Boot();
  if (!ReadReply(kSlot)) {
    Fail(d, "Nastala chyba komunikace pri potvrzeni zapisu do FLASH");
    return;
  }
  if (G().ReplyReport[2] != kBootPacketWritten) {
    if (++b.poll_ticks >= kAckWaitTicks) Fail(d, kAckTooLate);
    return;
  }
  --b.packets_left;
  b.state = BootState::kSendPacket;
  if (b.packets_left > 0) return;
  --b.blocks_left;
  b.packets_left = kBootPacketsPerBlock;
  if (b.blocks_left > 0) {
    Status(d, Format(" BOOTLoader, Zápis datového bloku %ld", b.block_number));
    ++b.block_number;
    return;
  }
  b.state = BootState::kRestartWait;
  b.countdown = kRestartSteps;
  b.subtick = kBootSubticks;
  const char* done = " Bootovani je úspěšně dokončeno ;-) ";
  Status(d, done);
  d.MessageBox(done, kBootCaption, ui::Icon::kInformation);
}

// State 11: the device restarts by itself; the tool only waits.
void RestartWait(ui::Dialog& d) {
  BootRun& b = Boot();
  Status(d, Format(" Cekani na provedeni Resetu zarizeni, zbyva %ld ms",
                   static_cast<long>(b.countdown) * 100));
  if (!CountdownExpired(b)) return;
  CloseSlot(kSlot);
  b.state = BootState::kIdle;
  if (b.mode == BootMode::kDownload) {
    G().DeviceOnline = 0;
    d.KillTimer(kBootTimer);
    d.End(ui::kIdCancel);
  } else {
    Status(d, " Reset zarizeni je hotov");
  }
}

// Disables the buttons for an operation and clears the information fields.
void BeginOperation(ui::Dialog& d) {
  const std::string blanks(20, ' ');
  d.SetText(kBootPlatformField, blanks);
  d.SetText(kBootHwVersionField, blanks);
  d.SetText(kBootSwVersionField, blanks);
  EnableButtons(d, false);
}

}  // namespace

BootRun& Boot() { return G().Bootloader; }

void BootloaderDialog::OnInit(ui::Dialog& d) {
  Boot().state = BootState::kIdle;
  d.SetTimer(kBootTimer, kBootTickMs);
  d.TickNow(kBootTimer);
  // Only a file loaded in this dialog is ever downloaded.
  G().Firmware->ready = false;
  d.SetText(kBootPlatformGroup, "HW platforma");
  d.SetText(kBootHwVersionGroup, "HW verze");
  d.SetText(kBootSwVersionGroup, "Boot SW verze");
  d.SetText(kBootOpenButton, "Otevřít soubor");
  Status(d, "Není vybrán soubor");
}

void BootloaderDialog::OnCommand(ui::Dialog& d, int id, ui::Notify code) {
  if (code != ui::Notify::kClicked) return;
  BootRun& b = Boot();
  // Nothing is started or ended while an operation runs; its buttons are
  // disabled then, and a close request is refused.
  if (b.state != BootState::kIdle) return;
  switch (id) {
    case ui::kIdCancel:
      d.KillTimer(kBootTimer);
      d.End(ui::kIdCancel);
      return;
    case kBootOpenButton:
      LoadFirmwareFile(d);
      return;
    case kBootDownloadButton: {
      BeginOperation(d);
      const FirmwareImage& image = *G().Firmware;
      if (!image.ready) {
        d.MessageBox("Neni vybran Soubor pro download", "Soubor info", ui::Icon::kWarning);
        return;
      }
      // The bootloader keeps the first 4 KiB; a shorter image has nothing to send.
      if (image.length <= kBootSkippedBytes) {
        d.MessageBox("Soubor je příliš krátký, obraz firmware musí být delší než 4096 bajtů",
                     "Soubor info", ui::Icon::kWarning);
        return;
      }
      b.mode = BootMode::kDownload;
      b.state = BootState::kRestart;
      return;
    }
    case kBootInfoButton:
      BeginOperation(d);
      b.mode = BootMode::kHardwareInfo;
      b.state = BootState::kRestart;
      return;
    default:
      return;
  }
}

void BootloaderDialog::OnTimer(ui::Dialog& d, int timer_id) {
  if (timer_id != kBootTimer) return;
  BootRun& b = Boot();
  switch (b.state) {
    case BootState::kIdle:
      EnableButtons(d, true);
      return;
    case BootState::kDelay:
      if (b.countdown == 0)
        b.state = b.next_state;
      else
        --b.countdown;
      return;
    case BootState::kRestart:
      Restart(d);
      return;
    case BootState::kActivate:
      if (StepDue(b)) Activate(d);
      return;
    case BootState::kSelfCheck:
      if (StepDue(b)) SelfCheck(d);
      return;
    case BootState::kReadInfo:
      if (StepDue(b)) ReadInfo(d);
      return;
    case BootState::kCheckImage:
      CheckImage(d);
      return;
    case BootState::kStartErase:
      StartErase(d);
      return;
    case BootState::kEraseWait:
      EraseWait(d);
      return;
    case BootState::kSendPacket:
      SendPacket(d);
      return;
    case BootState::kAckWait:
      AckWait(d);
      return;
    case BootState::kRestartWait:
      if (StepDue(b)) RestartWait(d);
      return;
  }
}

}  // namespace travik
