// The version of the programs, from the build's one version number; it names
// the package too. The window title keeps the tool's own "00.00.98" text.
#pragma once

namespace travik {

const char* ProgramVersion();

// The reverse-DNS name of the desktop entry, the metainfo and the icon.
const char* ProgramAppId();

}  // namespace travik
