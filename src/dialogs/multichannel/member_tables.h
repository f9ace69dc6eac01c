// The tables of the multi-channel members besides the KDB7DY: BBH7QS, BBH7T,
// JBC3S, BBH7H, BBH8L and the rack LCD line UC-RGJ, UC-VWW, UC-MXB, UC-BCN,
// UC-RGJ-H. Plain data on the family's framework.
#pragma once

#include <vector>

#include "dialogs/multichannel/multichannel_dialog.h"

namespace travik {

const std::vector<const MultiChannelDef*>& MultiChannelMemberDefs();
const MultiChannelDef* FindMultiChannelMemberDef(int template_number);

}  // namespace travik
