#include "dialogs/transfer.h"

#include "core/globals.h"
#include "hid/hid.h"
#include "protocol/frames.h"
#include "resources/resources.h"

namespace travik {
namespace {

constexpr const char* kCaption = "SET info";

constexpr const char* kReadProgress[13] = {
    "Read:  0%",  "Read:  8%",  "Read: 16%", "Read: 24%", "Read: 32%", "Read: 40%", "Read: 48%",
    "Read: 56%",  "Read: 64%",  "Read: 72%", "Read: 80%", "Read: 88%", "Read: 99%"};
constexpr const char* kWriteProgress[13] = {
    "Write",      "Write:  8%", "Write:  16%", "Write:  24%", "Write: 32%", "Write: 40%",
    "Write: 48%", "Write: 56%", "Write: 64%",  "Write: 72%",  "Write: 80%", "Write: 88%",
    "Write: 97%"};

void Wait(int ticks, TransferStep next) {
  auto& t = G().Transfer;
  t.TransferWait = ticks;
  t.TransferNext = next;
  t.TransferState = kTransferWaiting;
}

// The waiting state shared by both popups. True when it consumed the tick.
bool WaitTick() {
  auto& t = G().Transfer;
  if (t.TransferState != kTransferWaiting) return false;
  if (t.TransferWait > 0)
    --t.TransferWait;
  else
    t.TransferState = t.TransferNext;
  return true;
}

void Fail(ui::Dialog& d, const char* text) {
  CloseSlot(1);
  G().Transfer.TransferState = kTransferIdle;
  G().DeviceOnline = 0;
  d.MessageBox(text, kCaption, ui::Icon::kError);
  d.PostClose();
}

// A close request ends the popup only once its procedure is over (done or
// failed, both of which post one). Esc during the 1.5-2.4 s of a transfer is
// ignored: a cancelled read would show a half-read image and a cancelled
// write would leave the device half-written, both looking like a success.
void Cancel(ui::Dialog& d) {
  if (G().Transfer.TransferState != kTransferIdle) return;
  d.KillTimer(1);
  G().Transfer.TransferState = kTransferIdle;
  d.End(2);
}

}  // namespace

BlockRange BlockWords(int block) {
  if (block == 1) return {0, 16};
  if (block == 2) return {16, 12};
  if (block == 3) return {28, 12};
  return {40 + 16 * (block - 4), 16};
}

void ReadPopupProc::OnInit(ui::Dialog& d) {
  d.SetTimer(1, kTransferTimerMs);
  d.TickNow(1);
  d.SetText(kReadProgressControl, kReadProgress[0]);
  Wait(15, kReadCommand);
  CloseSlot(1);
}

void ReadPopupProc::OnTimer(ui::Dialog& d, int) {
  auto& g = G();
  if (WaitTick()) return;
  const int s = g.Transfer.TransferState;
  if (const int block = BlockOf(kReadCommand, s)) {
    FrameReadBlock(static_cast<std::uint8_t>(block));
    if (!SendCommandRemembered(1)) return Fail(d, "Data read pointer error");
    Wait(2, BlockStep(kReadData, block));
  } else if (const int block = BlockOf(kReadData, s)) {
    if (!ReadInputRemembered(1)) return Fail(d, "Data read error");
    const BlockRange r = BlockWords(block);
    for (int k = 0; k < r.count; ++k)
      g.ConfigImage[r.first + k] =
          static_cast<std::uint16_t>(g.InputReport[1 + 2 * k] << 8 | g.InputReport[2 + 2 * k]);
    d.SetText(kReadProgressControl, kReadProgress[block]);
    if (block == kTransferBlocks) {
      g.Transfer.TransferState = kTransferIdle;
      d.PostClose();
    } else {
      g.Transfer.TransferState = BlockStep(kReadCommand, block + 1);
    }
  }
}

void ReadPopupProc::OnCommand(ui::Dialog& d, int id, ui::Notify) {
  if (id == ui::kIdCancel) Cancel(d);
}

void WritePopupProc::OnInit(ui::Dialog& d) {
  d.SetTimer(1, kTransferTimerMs);
  d.TickNow(1);
  Wait(15, kJumperCommand);
}

void WritePopupProc::OnTimer(ui::Dialog& d, int) {
  auto& g = G();
  if (WaitTick()) return;
  const int s = g.Transfer.TransferState;
  if (s == kJumperCommand) {
    FrameReadJumper();
    if (!SendCommandRemembered(1)) return Fail(d, "Data write pointer error");
    Wait(2, kJumperReply);
  } else if (s == kJumperReply) {
    if (!ReadReplyRemembered(1)) return Fail(d, "Data write pointer error");
    Wait(2, BlockStep(kWriteCommand, 1));
    // The write goes on: without the jumper the device only keeps the data
    // until it is switched off.
    if (!ReplyJumperFitted())
      d.MessageBox(
          "        Servisní Jumper není připojen.\n\n Zapsaná data nebudou uložena do EEPROM.",
          "Data write info", ui::Icon::kInformation);
  } else if (const int block = BlockOf(kWriteCommand, s)) {
    FrameWriteBlock(static_cast<std::uint8_t>(block));
    if (!SendCommandRemembered(1)) return Fail(d, "Data write pointer error");
    Wait(2, BlockStep(kWriteData, block));
  } else if (const int block = BlockOf(kWriteData, s)) {
    const BlockRange r = BlockWords(block);
    auto& out = g.OutputReport;
    for (std::size_t i = 1; i < out.size(); ++i) out[i] = 0;
    for (int k = 0; k < r.count; ++k) {
      out[1 + 2 * k] = static_cast<std::uint8_t>(g.ConfigImage[r.first + k] >> 8);
      out[2 + 2 * k] = static_cast<std::uint8_t>(g.ConfigImage[r.first + k]);
    }
    if (!WriteOutputRemembered(1)) return Fail(d, "Data write error");
    d.SetText(kWriteProgressControl, kWriteProgress[block]);
    g.Transfer.TransferState =
        block == kTransferBlocks ? kSaveFirst : BlockStep(kWriteCommand, block + 1);
  } else if (s >= kSaveFirst && s <= kSaveLast) {
    FrameSaveEeprom(static_cast<std::uint8_t>(s - kSaveFirst));
    if (!SendCommandRemembered(1)) return Fail(d, "Chyba zápisu uživatelských dat do EEPROM");
    if (s == kSaveFirst) {
      Wait(15, kSaveSecond);
      d.SetText(kWriteProgressControl, "Write: 98%");
    } else if (s == kSaveSecond) {
      Wait(15, kSaveLast);
      d.SetText(kWriteProgressControl, "Write: 99%");
    } else {
      g.Transfer.TransferState = kTransferIdle;
      d.PostClose();
    }
  }
}

void WritePopupProc::OnCommand(ui::Dialog& d, int id, ui::Notify) {
  if (id == ui::kIdCancel) Cancel(d);
}

bool RunReadTransfer(ui::Dialog& owner) {
  ReadPopupProc proc;
  owner.RunModal(res::kDlgReadPopup, proc);
  return G().DeviceOnline == 1;
}

bool RunWriteTransfer(ui::Dialog& owner) {
  WritePopupProc proc;
  owner.RunModal(res::kDlgWritePopup, proc);
  return G().DeviceOnline == 1;
}

}  // namespace travik
