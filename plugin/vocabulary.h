#pragma once
// Display names of the object-type codes and command codes of the platform, used in the
// progress texts and questions of the command registration.

#include <cstdint>
#include <string>

namespace plugin {

// "Application Device" for 7 ...; any other code gives "Custom ID = " and the code with a sign
// position in front (a blank for 0 and above, "-" below).
std::string ObjectTypeName(int16_t code);

// "Configure" for 13 ...; any other code gives "Custom command " and the code without blanks.
std::string CommandName(int32_t code);

}  // namespace plugin
