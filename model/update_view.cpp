#include "model/update_view.h"

#include "model/help_display.h"
#include "platform/core/steps.h"

namespace model {

ViewSettings& viewSettings() {
    static ViewSettings settings;
    return settings;
}

void UpdateView(ViewSettings& settings, ui::RichTextBox& RTHinweis,
                const std::function<void()>& refreshFields, int16_t VariantSet, bool RefreshFields,
                std::string_view HelpKind, int16_t HelpIndex) {
    std::string language;  // stays empty unless this call reads the environment
    if (settings.environment.EnvironmentPending) language = readEnvironment(settings.environment);

    platform::ignoreStepByStep({
        [&] { fillVariantTables(settings.variants, VariantSet); },
        [&] { selectDocumentationFiles(settings.documentation, language); },
        [&] { settings.ProductName = std::string(kProductName); },
        [&] {
            if (RefreshFields && refreshFields) refreshFields();
        },
        [&] { showHelp(RTHinweis, HelpKind, HelpIndex); },
    });
}

}  // namespace model
