#include "ui/ui.h"
#include "core/globals.h"
