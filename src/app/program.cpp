#include "app/program.h"

#include <cstdio>
#include <ostream>

#include "app/main_window.h"
#include "core/globals.h"
#include "dialogs/templates.h"
#include "hid/hid.h"
#include "resources/resources.h"
#include "ui/idle_ticks.h"

namespace travik {

int RunProgram(ui::Backend& backend) {
  auto& g = G();
  g.NextState = kConnectSearch;
  g.ConnectState = kConnectWait;
  g.WaitTicks = 30;
  g.ConnectFailures = 0;
  g.DeviceOnline = 0;
  g.OutputReport[0] = 0;
  g.OutputReport[1] = 0;
  ui::SetCurrentBackend(&backend);
  ui::SetTemplateLookup(&ProgramTemplate);
  ui::SetExchangeCounter(&HidExchangeCount);
  MainWindowProc main_window;
  return backend.RunMainWindow(res::kMainWindow, main_window);
}

namespace {

void TraceFrame(const HidTraceEvent& e, void*) {
  std::ostream* out = G().Trace.out;
  if (out == nullptr) return;
  static constexpr const char* kKinds[] = {"set-feature", "get-feature", "input", "output"};
  *out << "hid slot " << static_cast<int>(e.slot) << ' ' << kKinds[e.kind]
           << (e.ok ? "" : " FAILED") << ':';
  char hex[4];
  for (int i = 0; i < e.length; ++i) {
    std::snprintf(hex, sizeof hex, " %02X", e.bytes[i]);
    *out << hex;
  }
  *out << '\n';
}

}  // namespace

void SetTrace(std::ostream* out, ui::Backend* backend) {
  G().Trace.out = out;
  SetHidTrace(out != nullptr ? TraceFrame : nullptr, nullptr);
  if (backend == nullptr) return;
  if (out == nullptr) {
    backend->on_message_box = nullptr;
    return;
  }
  backend->on_message_box = [out](const ui::MessageRecord& m) {
    *out << "message box [" << m.caption << "] (" << ui::IconName(m.icon) << "): " << m.text
         << '\n';
  };
}

}  // namespace travik
