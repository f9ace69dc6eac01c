// The identification record a transmitter sends after init: device ID text,
// firmware version, and the device type derived from the ID text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace travik {

// A text of an identification record as the dialogs show it: two blanks and
// `count` characters (Windows-1250), up to a zero byte.
std::string RecordText(const std::uint8_t* bytes, std::size_t count);

// Fills DeviceIdText, DeviceType, FirmwareText and FirmwareDigits from InputReport.
void FillIdentification();

// Sets DeviceType from DeviceIdText characters 2-9; no match leaves it unchanged.
void IdentifyDevice();

// Type for an ID text (the 16 ID characters), or -1 when no model matches.
int DeviceTypeOfId(std::string_view id_text);

// Whether FirmwareText meets the minimum version of DeviceType.
bool FirmwareIsCurrent();

// The ID prefixes that identify a device type, and its minimum firmware
// ("dd.dd.dd"; nullptr: every firmware counts as outdated).
std::vector<std::string> IdPrefixes(int device_type);
const char* MinimumFirmware(int device_type);

// The model name of a device type ("KDB", "UC-RGJ-H"); "" for codes without a model.
std::string ModelName(int device_type);

}  // namespace travik
