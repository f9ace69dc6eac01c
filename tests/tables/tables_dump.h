// Every template, dialog table and model fact of the program as text, so that
// a change to any of them is a visible diff against tests/data/tables.dump.
#pragma once

#include <string>

namespace travik::testing {

std::string DumpTables();

}  // namespace travik::testing
