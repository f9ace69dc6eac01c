#include "core/globals.h"
