// A whole program run on the headless window layer: the main window, its
// dialogs and the devices, driven from outside as a user would. Used by the
// tests and the scenario runner. The devices are simulated unless a real HID
// backend is given.
#pragma once

#include <memory>

#include "hid/hid_backend.h"
#include "sim/sim_backend.h"
#include "ui/headless/headless.h"

namespace travik {

class Session {
 public:
  // Simulated devices on the virtual clock.
  Session();
  // Real devices (or any backend) on the real clock.
  explicit Session(HidBackend& backend);
  // Any backend on either clock (a simulated bench seen through a device
  // filter runs on the virtual clock; the caller ties its devices to Now()).
  Session(HidBackend& backend, ui::HeadlessBackend::Clock clock);
  ~Session();

  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Starts the program; returns when it waits for the first input.
  void Start();

  sim::SimBackend& sim() { return *sim_; }
  bool simulated() const { return sim_ != nullptr; }
  ui::HeadlessBackend& ui() { return *ui_; }

 private:
  std::unique_ptr<sim::SimBackend> sim_;
  std::unique_ptr<ui::HeadlessBackend> ui_;
};

}  // namespace travik
