#include "app/session.h"

#include "app/program.h"
#include "core/globals.h"
#include "dialogs/templates.h"

namespace travik {

Session::Session()
    : sim_(std::make_unique<sim::SimBackend>()),
      ui_(std::make_unique<ui::HeadlessBackend>(ui::HeadlessBackend::Clock::kVirtual)) {
  ResetProgramState();
  // Drivers look templates up (captions, menus) before the program starts.
  ui::SetTemplateLookup(&ProgramTemplate);
  SetCurrentHidBackend(sim_.get());
  sim_->SetClock([ui = ui_.get()] { return ui->Now(); });
}

Session::Session(HidBackend& backend) : Session(backend, ui::HeadlessBackend::Clock::kReal) {}

Session::Session(HidBackend& backend, ui::HeadlessBackend::Clock clock)
    : ui_(std::make_unique<ui::HeadlessBackend>(clock)) {
  ResetProgramState();
  ui::SetTemplateLookup(&ProgramTemplate);
  SetCurrentHidBackend(&backend);
}

Session::~Session() {
  ui_.reset();  // ends the program thread before the devices go
  SetCurrentHidBackend(nullptr);
}

void Session::Start() {
  ui_->Start([ui = ui_.get()] { return RunProgram(*ui); });
}

}  // namespace travik
