// What both calibration dialogs share: their captions and texts, and how
// they look a device up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/globals.h"
#include "protocol/calibrator.h"
#include "ui/ui.h"

namespace travik {

// The transmitter's slot (the calibration device's is kCalibratorSlot).
inline constexpr std::uint8_t kTransmitterSlot = 1;

inline constexpr const char* kHidCaption = "HID device info";
inline constexpr const char* kCalCaption = "CAL info";
inline constexpr const char* kSetCaption = "SET info";
inline constexpr const char* kJumperMissing =
    "        Servisní Jumper není připojen.\n\n Zapsaná data nebudou uložena do EEPROM.";

// How far the lookup of a device for a calibration got.
enum class Lookup { kNoDevices, kNotFound, kNotOpened, kInitRefused, kReady };

// Looks the device with `ids` up among the `count` listed ones for `slot`,
// opens it there, shows its product text (64 characters) in `product_field`
// and sends it init. From kNotOpened on the slot's position is remembered;
// from kInitRefused on the device stays open in the slot.
Lookup LookUpDevice(ui::Dialog& d, int count, const UsbIds& ids, std::uint8_t slot, int product_field);

}  // namespace travik
