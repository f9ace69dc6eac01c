// travik-uhid: a simulated transmitter (and, on request, a calibration device
// on its bench) as real HID devices of this Linux machine, through /dev/uhid, so that the tool talks to it through the kernel's
// hidraw and hidapi exactly as to a transmitter on the USB port.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "firmware/firmware_file.h"
#include "sim/sim_backend.h"
#include "sim/sim_bootloader.h"
#include "sim/sim_calibrator.h"
#include "sim/sim_models.h"
#include "uhid/uhid_device.h"

namespace {

constexpr const char* kUsage =
    "usage: travik-uhid [--model NAME] [--id TEXT] [--firmware dd.dd.dd] [--product TEXT]\n"
    "                   [--ids VID PID] [--jumper fitted|missing] [--keyboard-first]\n"
    "                   [--calibrator] [--outputs-ideal]\n"
    "                   [--answer-delay-ms MS] [--drop-input N]\n"
    "                   [--unplug-at-input N] [--replug-after-ms MS]\n"
    "                   [--expect-eeprom WORD=VALUE]... [--expect-flash FILE]\n";

constexpr const char* kHelp =
    "\n"
    "Presents a simulated transmitter (KDB unless --model) as a HID device through\n"
    "/dev/uhid (needs root, or access to /dev/uhid) until interrupted. Restart\n"
    "commands take it into its bootloader and back, leaving and rejoining the bus.\n"
    "  --keyboard-first      a composite device: a keyboard collection, then ours\n"
    "  --calibrator          also a calibration device (A600:E24F) on the bench of\n"
    "                        the transmitter: it measures its analog outputs and\n"
    "                        streams its readings after read block 1\n"
    "  --outputs-ideal       the transmitter's analog outputs without gain or\n"
    "                        offset error or noise: readings exactly as told\n"
    "  --answer-delay-ms MS  time before an input report goes out while the host\n"
    "                        has the device open (default 300)\n"
    "  --drop-input N        the Nth input report is never sent\n"
    "  --unplug-at-input N   instead of the Nth input report, leave the bus while\n"
    "                        the host waits for it\n"
    "  --replug-after-ms MS  ... and come back MS later\n"
    "  --expect-eeprom, --expect-flash  checked at exit (status 1 when one fails):\n"
    "                        an EEPROM word, or the flash holding a firmware file\n";

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) { g_stop = 1; }

class UhidFile : public travik::uhid::Channel {
 public:
  explicit UhidFile(int fd) : fd_(fd) {}
  bool Write(const uhid_event& event) override {
    const ssize_t n = write(fd_, &event, sizeof event);
    if (n != static_cast<ssize_t>(sizeof event)) {
      std::cerr << "travik-uhid: writing to /dev/uhid: " << std::strerror(errno) << "\n";
      return false;
    }
    return true;
  }

 private:
  int fd_;
};

struct EepromCheck {
  int word;
  long value;
};

bool ParseNumber(const std::string& text, long& value) {
  try {
    std::size_t used = 0;
    value = std::stol(text, &used, 0);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

// Compares the flash from the bootloader's end with the file's image, as far
// as the image goes.
bool FlashHolds(const travik::sim::SimBootableTransmitter& device, const std::string& path) {
  travik::FirmwareImage image;
  const travik::FirmwareResult loaded = travik::LoadFirmwareFromPath(path, image);
  if (!loaded.ok) {
    std::cerr << "travik-uhid: " << path << ": " << loaded.message << "\n";
    return false;
  }
  const std::vector<std::uint8_t>& flash = device.flash();
  for (std::uint32_t at = travik::sim::kBootloaderBytes; at < image.length; ++at) {
    if (at >= flash.size() || flash[at] != image.data[at]) {
      std::cerr << "travik-uhid: flash differs from " << path << " at " << at << "\n";
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace travik;
  std::string model_name = "KDB", id, firmware, product, flash_file;
  long vendor = -1, product_id = -1;
  bool jumper = true, keyboard_first = false, with_calibrator = false, outputs_ideal = false;
  uhid::Behaviour behaviour;
  std::vector<EepromCheck> eeprom_checks;
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    auto number = [&](long& out) {
      std::string text;
      return value(text) && ParseNumber(text, out);
    };
    long n = 0;
    std::string text;
    bool ok = true;
    if (a == "--help" || a == "-h") {
      std::cout << kUsage << kHelp;
      return 0;
    } else if (a == "--model") {
      ok = value(model_name);
    } else if (a == "--id") {
      ok = value(id);
    } else if (a == "--firmware") {
      ok = value(firmware);
    } else if (a == "--product") {  // ASCII only
      ok = value(product) && std::all_of(product.begin(), product.end(),
                                         [](char c) { return c >= 0x20 && c < 0x7F; });
    } else if (a == "--ids") {
      ok = number(vendor) && number(product_id) && vendor >= 0 && vendor <= 0xFFFF &&
           product_id >= 0 && product_id <= 0xFFFF;
    } else if (a == "--jumper") {
      ok = value(text) && (text == "fitted" || text == "missing");
      jumper = text == "fitted";
    } else if (a == "--keyboard-first") {
      keyboard_first = true;
    } else if (a == "--calibrator") {
      with_calibrator = true;
    } else if (a == "--outputs-ideal") {
      outputs_ideal = true;
    } else if (a == "--answer-delay-ms") {
      ok = number(n) && n >= 0 && n <= 60000;
      behaviour.answer_delay_ms = n;
    } else if (a == "--drop-input") {
      ok = number(n) && n > 0 && n < 1000000;
      behaviour.drop_input = static_cast<int>(n);
    } else if (a == "--unplug-at-input") {
      ok = number(n) && n > 0 && n < 1000000;
      behaviour.unplug_at_input = static_cast<int>(n);
    } else if (a == "--replug-after-ms") {
      ok = number(n) && n >= 0 && n <= 3600000;
      behaviour.replug_after_ms = n;
    } else if (a == "--expect-eeprom") {
      const std::size_t eq = value(text) ? text.find('=') : std::string::npos;
      long word = 0, expected = 0;
      ok = eq != std::string::npos && ParseNumber(text.substr(0, eq), word) &&
           ParseNumber(text.substr(eq + 1), expected) && word >= sim::kLiveWords &&
           word < static_cast<long>(kConfigWords);
      eeprom_checks.push_back({static_cast<int>(word), expected});
    } else if (a == "--expect-flash") {
      ok = value(flash_file);
    } else {
      ok = false;
    }
    if (!ok) {
      std::cerr << "travik-uhid: bad or incomplete option " << a << "\n" << kUsage;
      return 2;
    }
  }
  const sim::SimModel* model = sim::FindSimModel(model_name);
  if (model == nullptr) {
    std::cerr << "travik-uhid: no simulated model " << model_name << " (see travik --help)\n";
    return 2;
  }

  sim::SimBackend bus;  // gives the device its clock; the bus itself is the kernel's
  bus.UseRealClock();
  sim::SimBootableTransmitter& device = sim::AddBootableTransmitter(bus, *model);
  if (!id.empty()) device.SetIdText(id);
  if (!firmware.empty()) device.SetFirmware(firmware);
  if (!product.empty()) device.set_product_string(std::u16string(product.begin(), product.end()));
  if (vendor >= 0) device.set_ids(static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product_id));
  device.set_jumper_fitted(jumper);
  device.SetLiveValues(sim::AliveWobble());
  if (outputs_ideal) device.analog().MakeIdeal();

  // One /dev/uhid file per device: the transmitter's first.
  const int fds[2] = {open("/dev/uhid", O_RDWR | O_CLOEXEC),
                      with_calibrator ? open("/dev/uhid", O_RDWR | O_CLOEXEC) : -1};
  const int count = with_calibrator ? 2 : 1;
  if (fds[0] < 0 || (with_calibrator && fds[1] < 0)) {
    std::cerr << "travik-uhid: cannot open /dev/uhid: " << std::strerror(errno)
              << (errno == ENOENT ? " (load the uhid module: modprobe uhid)" : "")
              << (errno == EACCES ? " (run as root)" : "") << "\n";
    return 1;
  }
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);

  UhidFile channel(fds[0]);
  uhid::VirtualDevice virtual_device(device, channel, keyboard_first, behaviour);
  std::optional<UhidFile> calibrator_channel;
  std::optional<uhid::VirtualDevice> virtual_calibrator;
  if (with_calibrator) {
    sim::SimCalibrator& calibrator = sim::AddCalibrator(bus);
    sim::PutOnBench(calibrator, &device);
    uhid::Behaviour streams;
    streams.streaming = [&calibrator] { return calibrator.streaming(); };
    calibrator_channel.emplace(fds[1]);
    virtual_calibrator.emplace(calibrator, *calibrator_channel, false, streams);
  }
  uhid::VirtualDevice* devices[2] = {&virtual_device, virtual_calibrator ? &*virtual_calibrator : nullptr};
  for (int i = 0; i < count; ++i) {
    devices[i]->Tick();
    if (!devices[i]->created()) return 1;
  }
  std::cout << "travik-uhid: " << model->name << " " << std::hex << device.vendor() << ":"
            << device.product() << std::dec << " \"" << uhid::DeviceName(device.product_string())
            << "\"" << (with_calibrator ? " and a calibration device" : "")
            << " presented; Ctrl+C ends" << std::endl;

  bool lost = false;
  int wait_ms = 5;
  while (g_stop == 0 && !lost) {
    pollfd p[2] = {{fds[0], POLLIN, 0}, {fds[1], POLLIN, 0}};
    const int ready = poll(p, static_cast<nfds_t>(count), wait_ms);
    wait_ms = 5;
    bool handled = false;
    for (int i = 0; ready > 0 && i < count && !lost; ++i) {
      if ((p[i].revents & POLLIN) != 0) {
        uhid_event event{};
        const ssize_t n = read(fds[i], &event, sizeof event);
        if (n > 0) {
          devices[i]->Handle(event);
          handled = true;
        } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
          std::cerr << "travik-uhid: reading /dev/uhid: " << std::strerror(errno) << "\n";
          lost = true;
        }
      } else if (p[i].revents != 0) {
        std::cerr << "travik-uhid: /dev/uhid failed\n";
        lost = true;
      }
    }
    if (ready < 0 && errno != EINTR) {
      std::cerr << "travik-uhid: /dev/uhid failed\n";
      lost = true;
    }
    // Every event the kernel has queued (a close above all) counts before
    // the next tick sends anything.
    if (handled) {
      wait_ms = 0;
      continue;
    }
    for (int i = 0; i < count; ++i) devices[i]->Tick();
  }
  for (int i = 0; i < count; ++i) {
    devices[i]->Destroy();
    close(fds[i]);
  }

  bool checks_ok = !lost;
  for (const EepromCheck& c : eeprom_checks) {
    const long got = device.eeprom()[static_cast<std::size_t>(c.word)];
    const bool same = static_cast<std::uint16_t>(got) == static_cast<std::uint16_t>(c.value);
    std::cout << "travik-uhid: eeprom word " << c.word << " = " << got
              << (same ? "" : ", expected " + std::to_string(c.value)) << "\n";
    checks_ok = checks_ok && same;
  }
  if (!flash_file.empty()) {
    const bool same = FlashHolds(device, flash_file);
    std::cout << "travik-uhid: flash " << (same ? "holds " : "does not hold ") << flash_file << "\n";
    checks_ok = checks_ok && same;
  }
  if (virtual_device.unexpected_requests() != 0)
    std::cout << "travik-uhid: " << virtual_device.unexpected_requests()
              << " request(s) of another report kind or number refused\n";
  return checks_ok ? 0 : 1;
}
