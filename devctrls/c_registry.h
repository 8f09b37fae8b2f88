#pragma once
// The library's registry reader: reads one string value of a key the way the control expects,
// through a value buffer of a fixed size.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/registry/registry.h"

namespace devctrls {

class CRegistry {
  public:
    // Size of the buffer a value is read into, its terminating NUL included.
    static constexpr std::size_t kBufferSize = 1024;

    // The value as text, cut at its first NUL. A missing key, a missing value, a value that is
    // no string or a value that does not fit the buffer (with its terminating NUL) gives "".
    static std::string GetKeyValue(platform::Hive root, std::string_view keyPath,
                                   std::string_view valueName);
};

}  // namespace devctrls
