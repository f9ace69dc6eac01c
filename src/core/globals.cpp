#include "core/globals.h"

namespace travik {
namespace {
ProgramState* g_state = nullptr;
HidBackend* g_backend = nullptr;
}  // namespace

ProgramState& Program() {
  if (g_state == nullptr) g_state = new ProgramState();
  return *g_state;
}

void ResetProgramState() {
  delete g_state;
  g_state = new ProgramState();
}

HidBackend* CurrentHidBackend() { return g_backend; }
void SetCurrentHidBackend(HidBackend* backend) { g_backend = backend; }

}  // namespace travik
