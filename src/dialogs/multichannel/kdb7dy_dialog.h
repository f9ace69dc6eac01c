// Configuration dialog of the KDB7DY temperature, humidity and CO2
// transmitter with a colour LCD: the fullest member of the multi-channel family.
#pragma once

#include "dialogs/multichannel/multichannel_dialog.h"

namespace travik {

const MultiChannelDef& Kdb7dyDialogDef();

}  // namespace travik
