#include "ui/ui.h"

#include <atomic>

namespace travik::ui {
namespace {
Backend* g_backend = nullptr;
std::atomic<TemplateLookup> g_templates = nullptr;
}  // namespace

void SetTemplateLookup(TemplateLookup lookup) { g_templates = lookup; }

const DialogTemplate* FindTemplate(int number) {
  const TemplateLookup lookup = g_templates;
  return lookup != nullptr ? lookup(number) : nullptr;
}

void DialogProc::OnClose(Dialog& dialog) {
  // A dialog manager turns a close request into the cancel command, unless the
  // cancel control exists and is disabled (an operation is running).
  const DialogTemplate* t = FindTemplate(dialog.TemplateNumber());
  if (t != nullptr && t->Find(kIdCancel) != nullptr && !dialog.IsEnabled(kIdCancel)) return;
  OnCommand(dialog, kIdCancel, Notify::kClicked);
}

Backend& CurrentBackend() { return *g_backend; }
void SetCurrentBackend(Backend* backend) { g_backend = backend; }

const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::kInformation: return "information";
    case Icon::kWarning: return "warning";
    case Icon::kError: return "error";
    case Icon::kNone: break;
  }
  return "none";
}

}  // namespace travik::ui
