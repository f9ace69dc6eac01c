// The USB identifier dialogs and the OFF LINE model choice.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/globals.h"
#include "ui/ui.h"

namespace travik {

// "%x" of at most the first 9 characters: optional blanks, sign and "0x", then
// hexadecimal digits up to the first other character. Empty when the text
// holds no hexadecimal number.
std::optional<std::uint32_t> ParseHexIdentifier(std::string_view text);

class UsbIdsDialog : public ui::DialogProc {
 public:
  UsbIdsDialog(UsbIds& ids, int group, int vendor_edit, int product_edit, std::string group_text)
      : ids_(ids), group_(group), vendor_(vendor_edit), product_(product_edit),
        group_text_(std::move(group_text)) {}
  void OnInit(ui::Dialog& d) override;
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;

 private:
  UsbIds& ids_;
  int group_, vendor_, product_;
  std::string group_text_;
};

class OfflineDialog : public ui::DialogProc {
 public:
  void OnCommand(ui::Dialog& d, int id, ui::Notify code) override;
  // Device type chosen by an OFF LINE button (or command 19), -1 for others.
  static int TypeOfCommand(int id);
};

}  // namespace travik
