#include "text/apply_language.h"

#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/registry/registry.h"
#include "text/texts.h"

namespace text {

std::string readLanguageSetting() {
    try {
        return platform::Registry::instance().getString(platform::Hive::Machine, kPlugInKey,
                                                        "Language");
    } catch (const platform::Error& e) {
        platform::logLine("text", "cannot read the language setting: " + e.description);
        return {};
    }
}

Language ApplyLanguage(int formSelector) {
    const std::string setting = readLanguageSetting();
    if (formSelector == kMainWindowSelector) return applyLanguage(setting);
    return parseLanguage(setting);
}

}  // namespace text
