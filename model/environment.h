#pragma once
// The settings the plug-in takes from its surroundings. The start of a device command reads them
// from the registry (language: "Language" of the plug-in's machine key; PlatformPath: "Fieldara
// Path" of "SOFTWARE\Fieldara"; DecimalSeparator: the user's "sDecimal" of "Control
// Panel\International") and fills this struct; everything else only reads it.

#include <string>
#include <string_view>

#include "model/number_text.h"

namespace model {

struct Environment {
    // Set before each device command; the next view update reads the registry and clears it.
    bool EnvironmentPending = false;
    std::string Language;          // "german" or "english" as registered; empty when not read
    std::string PlatformPath;      // installation folder of the network platform
    std::string DecimalSeparator;  // the user's decimal separator, "," when the setting is empty
};

// The decimal separator for a user's regional setting: an empty or missing setting means ",".
inline std::string decimalSeparatorFromSetting(std::string_view setting) {
    return std::string(setting.empty() ? kDefaultDecimalSeparator : setting);
}

// Registry places of the environment.
inline constexpr std::string_view kPlatformKey = "SOFTWARE\\Fieldara";  // machine hive
inline constexpr std::string_view kPlatformPathValue = "Fieldara Path";
inline constexpr std::string_view kInternationalKey = "Control Panel\\International";  // user hive
inline constexpr std::string_view kDecimalValue = "sDecimal";

// Reads the language, PlatformPath and DecimalSeparator from the registry of the platform home
// into `env` and clears EnvironmentPending. A missing value reads as empty; a registry that
// cannot be read is logged and counts as missing. Returns the language text read.
std::string readEnvironment(Environment& env);

}  // namespace model
