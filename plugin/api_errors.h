#pragma once
// The automation errors the plug-in reports to its director: number, the source
// "Korvane_MBX-440" and a text of the installation's language.

#include <cstdint>
#include <string>

#include "platform/core/error.h"

namespace plugin {

inline constexpr const char* kErrorSource = "Korvane_MBX-440";

inline constexpr int32_t kErrRegisterCommands = 20000;
inline constexpr int32_t kErrReadOnly = 20002;
inline constexpr int32_t kErrCommandNotSupported = 20003;
inline constexpr int32_t kErrObjectTypeNotSupported = 20004;
inline constexpr int32_t kErrObjectNotFound = 20005;
inline constexpr int32_t kErrNetworkOrWindow = 20006;

// Indices of the messages in PlugInTexts.
inline constexpr int kTextRegistering = 0;
inline constexpr int kTextUnableToRegister = 1;
inline constexpr int kTextUnregistering = 2;
inline constexpr int kTextInitializing = 3;
inline constexpr int kTextTypeNotSupported = 4;
inline constexpr int kTextCommandNotSupported = 5;
inline constexpr int kTextCannotOpenNetwork = 6;
inline constexpr int kTextReadOnly = 7;
inline constexpr int kTextMinimizedOrMaximized = 9;
inline constexpr int kTextMinimizedWhenInvisible = 10;

// The error with the PlugInTexts entry `textIndex` (plus `suffix`) as its description.
platform::Error apiError(int32_t number, int textIndex, const std::string& suffix = {});
// "Object not found": the same text in both languages.
platform::Error objectNotFound();

}  // namespace plugin
