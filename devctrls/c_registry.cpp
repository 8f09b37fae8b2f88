#include "devctrls/c_registry.h"

#include <exception>

#include "platform/core/log.h"

namespace devctrls {

std::string CRegistry::GetKeyValue(platform::Hive root, std::string_view keyPath,
                                   std::string_view valueName) {
    std::string value;
    try {
        // getString cuts at the first NUL and gives "" for a missing or non-string value.
        value = platform::Registry::instance().getString(root, keyPath, valueName);
    } catch (const std::exception& e) {
        // An unreadable registry reads as a missing value; the reason goes to the log.
        platform::logLine("WcxDevCtrs", std::string("CRegistry.GetKeyValue: ") + e.what());
        return {};
    }
    if (value.size() + 1 > kBufferSize) return {};
    return value;
}

}  // namespace devctrls
