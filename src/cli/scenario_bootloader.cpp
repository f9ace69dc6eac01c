#include "cli/scenario_bootloader.h"

#include <cstdint>

#include "cli/scenario_expect.h"
#include "core/text.h"
#include "sim/sim_bootloader.h"

namespace travik::cli {
namespace {

using Change = std::function<void(sim::SimBootableTransmitter&)>;

constexpr const char* kWhat =
    "platform, version, software, product, flash, application, restart, idle, never, erase, ack, "
    "refuses";

// A steady state's step of the boot protocol that never comes or fails.
Change Refusal(LineReader& r) {
  const std::string step = r.Word("the step (self-check, info, erase, packets)");
  if (step == "self-check") return [](sim::SimBootableTransmitter& b) { b.set_self_check_ok(false); };
  if (step == "info") return [](sim::SimBootableTransmitter& b) { b.set_blank_info_reports(1 << 30); };
  if (step == "erase") return [](sim::SimBootableTransmitter& b) { b.set_erase_polls(-1); };
  if (step == "packets") return [](sim::SimBootableTransmitter& b) { b.set_ack_polls(-1); };
  if (!r.Failed()) r.Fail("unknown step '" + step + "' (self-check, info, erase, packets)");
  return nullptr;
}

Change ParseChange(LineReader& r) {
  const std::string what = r.Word(std::string("what to set (") + kWhat + ")");
  if (what == "platform" || what == "version" || what == "software") {
    // Report fields are 8-bit text of the bootloader's own.
    const std::string text = Utf8ToCp1250(r.Text("the text"));
    if (what == "platform") return [=](sim::SimBootableTransmitter& b) { b.set_platform(text); };
    if (what == "version") return [=](sim::SimBootableTransmitter& b) { b.set_hardware_version(text); };
    return [=](sim::SimBootableTransmitter& b) { b.set_boot_version(text); };
  }
  if (what == "product") {
    const std::u16string text = Utf16(r.Text("the product string"));
    return [=](sim::SimBootableTransmitter& b) { b.set_boot_product_string(text); };
  }
  if (what == "flash") {
    const auto kib = static_cast<std::uint16_t>(r.NumberIn("the flash size in KiB", 4, 0xFFFF));
    r.Expect("KiB");
    return [=](sim::SimBootableTransmitter& b) { b.set_flash_kib(kib); };
  }
  if (what == "application") {
    const auto bytes = static_cast<std::uint32_t>(r.NumberIn("the application's size", 0, 1 << 24));
    r.Expect("bytes");
    return [=](sim::SimBootableTransmitter& b) { b.set_application_bytes(bytes); };
  }
  if (what == "restart" || what == "idle") {
    const std::int64_t ms = r.Duration();
    if (what == "restart") return [=](sim::SimBootableTransmitter& b) { b.set_restart_delay_ms(ms); };
    return [=](sim::SimBootableTransmitter& b) { b.set_idle_restart_ms(ms); };
  }
  if (what == "never") {
    // Never leaves the bus once it is there, and never comes back once it left.
    const bool stays = r.Accept("restarts");
    if (!stays) r.Expect("returns");
    if (stays) return [](sim::SimBootableTransmitter& b) { b.set_idle_restart_ms(-1); };
    return [](sim::SimBootableTransmitter& b) { b.set_restart_delay_ms(-1); };
  }
  if (what == "erase" || what == "ack") {
    r.Expect("polls");
    const int polls = static_cast<int>(r.NumberIn("the busy answers", 0, 100000));
    if (what == "erase") return [=](sim::SimBootableTransmitter& b) { b.set_erase_polls(polls); };
    return [=](sim::SimBootableTransmitter& b) { b.set_ack_polls(polls); };
  }
  if (what == "refuses") return Refusal(r);
  if (!r.Failed()) r.Fail("unknown bootloader setting '" + what + "' (" + kWhat + ")");
  return nullptr;
}

}  // namespace

std::function<std::string(Runner&)> ParseBootloaderLine(LineReader& r) {
  Change change = ParseChange(r);
  r.End();
  return [change](Runner& run) -> std::string {
    std::string why;
    sim::SimDevice* device = run.Device({}, why);
    if (device == nullptr) return why;
    auto* bootable = dynamic_cast<sim::SimBootableTransmitter*>(device);
    if (bootable == nullptr) return "the current device has no bootloader";
    if (change) change(*bootable);
    return {};
  };
}

}  // namespace travik::cli
