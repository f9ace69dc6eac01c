#include "sim/sim_backend.h"
