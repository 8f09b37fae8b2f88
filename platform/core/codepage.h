#pragma once
// Windows-1252 <-> UTF-8. Files that other programs read (parameter files, log files) are
// written in Windows-1252; everything inside the program is UTF-8.

#include <string>
#include <string_view>

namespace platform {

std::string cp1252ToUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold become '?'. Invalid UTF-8 bytes become '?' too.
std::string utf8ToCp1252(std::string_view text);

}  // namespace platform
