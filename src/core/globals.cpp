#include "core/globals.h"

namespace travik {
namespace {
ProgramState* g_state = nullptr;
HidBackend* g_backend = nullptr;
}  // namespace

ProgramState& G() {
  if (g_state == nullptr) g_state = new ProgramState();
  return *g_state;
}

void ResetProgramState() {
  delete g_state;
  g_state = new ProgramState();
}

HidBackend* Backend() { return g_backend; }
void SetBackend(HidBackend* backend) { g_backend = backend; }

}  // namespace travik
