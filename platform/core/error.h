#pragma once
// The one exception type of the system: an error with a number, a source and a description,
// used like the automation error objects of the platform. Automation errors 20000-20006 travel
// to the director unchanged; "the error's description" in a message box is `description`.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

class Error : public std::runtime_error {
public:
    Error(int32_t number, std::string source, std::string description)
        : std::runtime_error(description),
          number(number),
          source(std::move(source)),
          description(std::move(description)) {}

    int32_t number;
    std::string source;
    std::string description;
};

// Error numbers used by the platform's own components (the plug-in's automation errors are
// 20000-20006 and are defined where they are raised).
namespace errc {
inline constexpr int32_t kGeneric = 1000;
inline constexpr int32_t kNotFound = 1001;       // a collection look-up found nothing
inline constexpr int32_t kInvalidValue = 1002;   // a value that does not parse or is out of range
inline constexpr int32_t kIo = 1003;             // a file or socket operation failed
inline constexpr int32_t kState = 1004;          // an operation not allowed in the current state
inline constexpr int32_t kDevice = 1005;         // a (simulated) device refused or did not answer
inline constexpr int32_t kNoElement = 340;       // "Control array element does not exist"
inline constexpr int32_t kAutomation = 1006;     // transport or protocol failure of the component system
}  // namespace errc

}  // namespace platform
