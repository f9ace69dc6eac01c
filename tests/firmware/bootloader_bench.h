// A program session with a bootable transmitter, connected, and helpers to
// drive the bootloader dialog as a user on the virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/globals.h"
#include "firmware/bootloader_dialog.h"
#include "firmware/firmware_file.h"
#include "firmware_test_util.h"
#include "resources/resources.h"
#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_models.h"
#include "support/connected.h"

namespace travik::test {

inline constexpr int kDlg = res::kDlgBootloader;

// Image bytes that differ from their neighbours and from the erased value.
inline std::vector<std::uint8_t> ImageBytes(std::size_t length) {
  std::vector<std::uint8_t> bytes(length);
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>((i * 7 + i / 256 + 1) % 251);
  return bytes;
}

// Intel HEX of the image from address 0, 16 bytes a record (up to 64 KiB).
inline std::string HexImage(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  for (std::size_t at = 0; at < bytes.size(); at += 16) {
    const std::size_t n = std::min<std::size_t>(16, bytes.size() - at);
    text += HexData(static_cast<std::uint16_t>(at),
                    std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                              bytes.begin() + static_cast<std::ptrdiff_t>(at + n)));
  }
  return text + kHexEnd;
}

// A memory image whose header fields are given with their terminators.
inline std::string KvmImage(const std::string& platform_field, const std::string& version_field,
                            const std::vector<std::uint8_t>& bytes) {
  std::string header = "KOLVAR MEMIMG  " + platform_field;
  header.resize(33, ' ');
  header += version_field;
  header.resize(41, ' ');
  return header + "\r\n" + MemoryImageData(bytes, 32);
}

struct StatusLine {
  std::int64_t at_ms;
  std::string text;
};

class BootBench {
 public:
  Session s;
  sim::SimBootableTransmitter* device = nullptr;
  TempDir dir;
  std::vector<StatusLine> statuses;

  // `first` adds devices listed ahead of the transmitter, a KDB unless `model` says otherwise.
  explicit BootBench(const std::function<void(sim::SimBackend&)>& first = nullptr,
                     const char* model = "KDB") {
    if (first) first(s.sim());
    device = &sim::AddBootableTransmitter(s.sim(), *sim::FindSimModel(model));
  }

  ui::HeadlessBackend& ui() { return s.ui(); }

  // Starts the program and lets it connect; the log starts empty afterwards.
  void Connect() { testing::StartOnline(s); }
  void Open() {
    ASSERT_EQ(ui().MenuCommand(res::kMainWindow, res::kMenuBootloader), "");
    ASSERT_EQ(ui().TopTemplate(), kDlg);
  }
  void ConnectAndOpen() {
    Connect();
    Open();
  }
  void Load(const std::string& name, const std::string& content) {
    ui().QueueFileAnswer(dir.Write(name, content));
    ASSERT_EQ(ui().Click(kDlg, kBootOpenButton), "");
  }

  std::string Text(int id) {
    auto c = ui().Control(kDlg, id);
    return c ? c->text : "<closed>";
  }
  bool Enabled(int id) { return ui().Control(kDlg, id)->enabled; }

  // Advances until `done` holds or the bound has passed, keeping every status
  // line the dialog showed. Returns whether `done` held.
  bool RunUntil(const std::function<bool()>& done, std::int64_t bound_ms) {
    return ui().AdvanceUntil(
        [&] {
          if (ui().IsOpen(kDlg)) {
            const std::string text = Text(kBootStatusControl);
            if (statuses.empty() || statuses.back().text != text) statuses.push_back({ui().Now(), text});
          }
          return done();
        },
        bound_ms);
  }
  bool RunUntilClosed(std::int64_t bound_ms = 120000) {
    return RunUntil([&] { return !ui().IsOpen(kDlg); }, bound_ms);
  }

  bool Showed(const std::string& text) const { return FirstTime(text) >= 0; }
  std::int64_t FirstTime(const std::string& text) const {
    for (const auto& s : statuses)
      if (s.text == text) return s.at_ms;
    return -1;
  }

  std::vector<sim::LogEntry> Sets() { return s.sim().LogOf(sim::Exchange::kSetFeature); }
  std::vector<sim::LogEntry> Writes() { return s.sim().LogOf(sim::Exchange::kWriteOutput); }
  std::vector<std::string> MessageTexts() {
    std::vector<std::string> out;
    for (const auto& m : ui().Messages()) out.push_back(m.text);
    return out;
  }
};

}  // namespace travik::test
