// Input and feature reports from a hostile device: every answer the program
// reads (identification, configuration blocks, bootloader status and hardware
// information, product strings) comes from the fuzzer's bytes, while the whole
// program runs the automatic connection, the KDB read and write and the
// bootloader's HW Info on the virtual clock.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/globals.h"
#include "hid/hid.h"
#include "hid/hid_backend.h"
#include "resources/resources.h"
#include "ui/headless/headless.h"

namespace {

using namespace travik;

// Each exchange takes one control byte (below 0x10: refused) and then the
// bytes of its answer. Once the bytes run out, every exchange is refused.
class FuzzedDevice : public HidBackend {
 public:
  FuzzedDevice(const std::uint8_t* bytes, std::size_t size) : p_(bytes), end_(bytes + size) {}

  std::vector<std::string> ListInterfaces() override { return {"fuzz/transmitter"}; }
  HidHandle Open(const std::string& path) override {
    if (path != "fuzz/transmitter") std::abort();
    open_.insert(next_);
    return next_++;
  }
  void Close(HidHandle handle) override {
    if (open_.erase(handle) == 0) std::abort();  // a close of a handle not open
  }
  bool GetCaps(HidHandle h, std::uint16_t& page, std::uint16_t& usage) override {
    Live(h);
    page = kVendorUsagePage;
    usage = kVendorUsage;
    return true;
  }
  bool GetAttributes(HidHandle h, std::uint16_t& vendor, std::uint16_t& product) override {
    Live(h);
    vendor = static_cast<std::uint16_t>(G().TransmitterIds.vendor);
    product = static_cast<std::uint16_t>(G().TransmitterIds.product);
    return true;
  }
  bool SetFeature(HidHandle h, const std::uint8_t*, std::size_t) override {
    Live(h);
    return Accepts();
  }
  bool GetFeature(HidHandle h, std::uint8_t* buffer, std::size_t length) override {
    Live(h);
    return Accepts() && Fill(buffer, length);
  }
  bool ReadInput(HidHandle h, std::uint8_t* buffer, std::size_t length, std::uint32_t& transferred,
                 int) override {
    Live(h);
    if (!Accepts() || !Fill(buffer, length)) return false;
    transferred = static_cast<std::uint32_t>(length);
    return true;
  }
  bool WriteOutput(HidHandle h, const std::uint8_t*, std::size_t length,
                   std::uint32_t& transferred) override {
    Live(h);
    if (!Accepts()) return false;
    transferred = static_cast<std::uint32_t>(length);
    return true;
  }
  bool GetProductString(HidHandle h, std::u16string& text) override {
    Live(h);
    if (!Accepts() || p_ >= end_) return false;
    const std::size_t n = *p_++ % 128;
    text.clear();
    for (std::size_t i = 0; i < n && p_ + 1 < end_; ++i, p_ += 2)
      text += static_cast<char16_t>(p_[0] | p_[1] << 8);
    return true;
  }

  std::size_t OpenHandles() const { return open_.size(); }

 private:
  void Live(HidHandle h) const {
    if (open_.count(h) == 0) std::abort();  // an exchange on a closed handle
  }
  bool Accepts() { return p_ < end_ && *p_++ >= 0x10; }
  bool Fill(std::uint8_t* buffer, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) buffer[i] = p_ < end_ ? *p_++ : 0;
    return true;
  }

  const std::uint8_t* p_;
  const std::uint8_t* end_;
  std::set<HidHandle> open_;
  HidHandle next_ = 1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDevice device(bytes, size);
  ResetProgramState();
  SetCurrentHidBackend(&device);
  {
    ui::HeadlessBackend ui(ui::HeadlessBackend::Clock::kVirtual);
    ui.Start([&ui] { return RunProgram(ui); });
    ui.Advance(1000);
    if (G().DeviceOnline == 1) {
      ui.Click(res::kMainWindow, res::kButtonConfig);
      const int dialog = ui.TopTemplate();
      if (dialog != res::kMainWindow) {
        ui.Click(dialog, 1345);  // read (KDB)
        ui.Advance(2000);
        if (ui.TopTemplate() == dialog) ui.Click(dialog, 1347);  // write (KDB)
        ui.Advance(2000);
        if (ui.TopTemplate() == dialog) ui.PressEsc(dialog);
        ui.Advance(100);
      }
    }
    if (ui.TopTemplate() == res::kMainWindow) {
      ui.MenuCommand(res::kMainWindow, res::kMenuBootloader);
      if (ui.TopTemplate() == res::kDlgBootloader) {
        ui.Click(res::kDlgBootloader, 1213);  // HW Info
        ui.Advance(30000);
        if (ui.TopTemplate() == res::kDlgBootloader) ui.PressEsc(res::kDlgBootloader);
        ui.Advance(100);
      }
    }
    // A program that leaves a window must still have closed what it is done with.
    if (ui.TopTemplate() == res::kMainWindow && G().DeviceOnline == 0 && device.OpenHandles() > 0)
      std::abort();
  }
  SetCurrentHidBackend(nullptr);
  return 0;
}
