#pragma once
// The program's diagnostic log: failures that have no message box of their own are written
// here (stderr, and $QBX_HOME/log/<program>.log when set up), never swallowed.

#include <string_view>

namespace platform {

void setLogFile(const char* path);  // nullptr: stderr only
void logLine(std::string_view component, std::string_view message);

}  // namespace platform
