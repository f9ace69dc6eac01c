#include "core/version.h"

#ifndef TRAVIK_VERSION
#error "TRAVIK_VERSION comes from the project version in CMake"
#endif
#ifndef TRAVIK_APP_ID
#error "TRAVIK_APP_ID comes from CMake, like the names of the installed files"
#endif

namespace travik {

const char* ProgramVersion() { return TRAVIK_VERSION; }

const char* ProgramAppId() { return TRAVIK_APP_ID; }

}  // namespace travik
