// The tables of the multi-channel members besides the KDB7DY: BBH7QS, BBH7T,
// JBC3S, BBH7H, BBH8L and the rack LCD line UC-RGJ, UC-VWW, UC-MXB, UC-BCN,
// UC-RGJ-H. Plain data: fields, serial line, text field, menu flag, buttons.
#pragma once

#include <vector>

#include "dialogs/config_dialog.h"

namespace travik {

// The parity list of the Modbus members: code = position.
inline const std::vector<const char*> kModbusParityItems = {"none", " odd", "even"};

const std::vector<const DialogDef*>& MultiChannelMemberDefs();
const DialogDef* FindMultiChannelMemberDef(int template_number);

}  // namespace travik
