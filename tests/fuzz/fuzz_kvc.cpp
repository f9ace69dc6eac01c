// A .kvc file opened into a configuration dialog's fields ("Otevřít Nastavení"),
// then the dialog's range checks on what it shows, and a save of the result.
// The dialog is the one whose model the file's header names (KDB otherwise),
// so the fuzzer reaches every compact dialog by changing the header.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <string>
#include <string_view>

#include "core/globals.h"
#include "dialogs/compact/compact_family.h"
#include "support/fake_dialog.h"

namespace {

std::string ScratchDir() {
  static const std::string dir = [] {
    // Memory-backed when there is one: the harness writes two files per input.
    const char* base = std::getenv("TMPDIR");
    if (base == nullptr) base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/travik-fuzz-kvc-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace travik;
  const std::string in = ScratchDir() + "/in.kvc";
  std::FILE* f = std::fopen(in.c_str(), "wb");
  if (f == nullptr) std::abort();
  if (size > 0) std::fwrite(bytes, 1, size, f);
  std::fclose(f);

  ResetProgramState();
  const std::string_view header(reinterpret_cast<const char*>(bytes), std::min<std::size_t>(size, 16));
  const DialogDef* def = &KdbDialogDef();
  for (const DialogDef* candidate : CompactDialogDefs()) {
    const std::string_view name = candidate->header_name;
    if (header.size() >= 2 + name.size() && header.substr(2, name.size()) == name) def = candidate;
  }
  const auto proc = CreateCompactDialog(def->template_number);
  fake::FakeDialog d;
  d.template_number = def->template_number;
  proc->OnInit(d);
  d.open_path = in;
  proc->OnCommand(d, def->buttons.open, ui::Notify::kClicked);
  proc->OnTimer(d, 1);
  d.save_path = ScratchDir() + "/out.kvc";
  proc->OnCommand(d, def->buttons.save, ui::Notify::kClicked);
  return 0;
}
