#pragma once
// Object paths of the director ("/Net/Floor 1/MBX 1") split into their components, and the
// version numbers of registered plug-ins.

#include <cstdint>
#include <string>
#include <string_view>

namespace plugin {

// Splits the path at "/" into PathComponents of the process state and returns their count.
// Splitting stops at the first empty component: "/a" gives none, "a//b" gives only "a".
int SplitObjectPath(std::string_view path);

// Component n (from 1) of the last split path; "" outside 1..count. With stripPrefix a component
// "X:name" gives the trimmed text after the first ":" when that text is not empty.
std::string PathComponent(int n, bool stripPrefix);

// "1.4" gives 1 and 40: the minor part counts in hundredths (one digit gets a "0" appended),
// "1.10" gives 10, "1.45" gives 45. Parts that do not start with digits are 0. A number beyond
// the 16-bit range raises platform::Error naming the text.
void ParseVersion(std::string_view text, int16_t& major, int16_t& minor);

}  // namespace plugin
