#include "plugin/api_errors.h"

#include "text/texts.h"

namespace plugin {

platform::Error apiError(int32_t number, int textIndex, const std::string& suffix) {
    return platform::Error(number, kErrorSource,
                           text::PlugInTexts[static_cast<size_t>(textIndex)] + suffix);
}

platform::Error objectNotFound() {
    return platform::Error(kErrObjectNotFound, kErrorSource, "Object not found");
}

}  // namespace plugin
