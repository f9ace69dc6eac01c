#include "app/dialog_factory.h"

#include "dialogs/compact/compact_family.h"
#include "firmware/bootloader_dialog.h"
#include "resources/resources.h"
#include "settings/settings_dialogs.h"

namespace travik {

std::unique_ptr<ui::DialogProc> CreateDialogProc(int template_number) {
  switch (template_number) {
    case res::kDlgUsbSet:
      return std::make_unique<UsbIdsDialog>(G().TransmitterIds, 4111, 1001, 1002,
                                            "HID ID Nastavení");
    case res::kDlgUsbCal:
      return std::make_unique<UsbIdsDialog>(G().CalibratorIds, 1218, 1219, 1220,
                                            "HID ID Nastavení, Kalibrátor");
    case res::kDlgOffline:
      return std::make_unique<OfflineDialog>();
    case res::kDlgBootloader: return std::make_unique<BootloaderDialog>();
    default:
      return CreateCompactDialog(template_number);
  }
}

}  // namespace travik
