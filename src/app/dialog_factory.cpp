#include "app/dialog_factory.h"

#include "calibration/input_calibration.h"
#include "calibration/output_calibration.h"
#include "dialogs/compact/compact_family.h"
#include "dialogs/multichannel/bbh7h_dialog.h"
#include "dialogs/multichannel/kdb7dy_dialog.h"
#include "dialogs/multichannel/member_tables.h"
#include "dialogs/multichannel/rack_analog_dialog.h"
#include "firmware/bootloader_dialog.h"
#include "resources/resources.h"
#include "settings/settings_dialogs.h"
#include "values/values_dialog.h"

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
    case res::kDlgValues: return std::make_unique<ValuesDialog>();
    case res::kDlgOutputModule: return std::make_unique<OutputModuleDialog>();
    case res::kDlgOutputCalibration:
      return std::make_unique<OutputCalibrationDialog>();
    case res::kDlgInputCalibration:
      return std::make_unique<InputCalibrationDialog>();
    case res::kDlgKdb7dy:
      return std::make_unique<MultiChannelDialog>(Kdb7dyDialogDef());
    default:
      if (const RackAnalogDef* rack = FindRackAnalogDef(template_number))
        return std::make_unique<RackAnalogDialog>(*rack);
      if (const MultiChannelDef* member = FindMultiChannelMemberDef(template_number)) {
        if (template_number == 138) return std::make_unique<Bbh7hDialog>(*member);
        return std::make_unique<MultiChannelDialog>(*member);
      }
      return CreateCompactDialog(template_number);
  }
}

}  // namespace travik
