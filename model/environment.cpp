#include "model/environment.h"

#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/registry/registry.h"
#include "text/apply_language.h"

namespace model {

namespace {

// A fresh read of one registry value; "" when it is missing or the registry cannot be read.
std::string readSetting(platform::Hive hive, std::string_view key, std::string_view name) {
    try {
        return platform::Registry::instance().getString(hive, key, name);
    } catch (const std::exception& e) {
        platform::logLine("mbx_model", "cannot read the registry value \"" + std::string(name) +
                                           "\" of " + std::string(key) + ": " + e.what());
        return {};
    }
}

}  // namespace

std::string readEnvironment(Environment& env) {
    env.Language = text::readLanguageSetting();
    env.PlatformPath = readSetting(platform::Hive::Machine, kPlatformKey, kPlatformPathValue);
    env.DecimalSeparator = decimalSeparatorFromSetting(
        readSetting(platform::Hive::User, kInternationalKey, kDecimalValue));
    env.EnvironmentPending = false;
    return env.Language;
}

}  // namespace model
