// `travik-cli image FILE [--out IMAGE.bin]`: decodes a firmware file exactly as
// the bootloader dialog would and reports what a download would send.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace travik {

// `args` are the words after "image". Returns 0 on success, 1 when the file is
// refused or the output cannot be written, 2 on a usage error; messages go to err.
int RunImageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace travik
