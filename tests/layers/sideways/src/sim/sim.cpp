#include "hid/hid.h"
