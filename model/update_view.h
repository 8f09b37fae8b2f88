#pragma once
// The view update of the main window: reads the environment when a device command asked for it,
// fills the program table, picks the documentation files, refreshes the editor and shows help.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/environment.h"
#include "model/variants.h"

namespace ui {
class RichTextBox;
}

namespace model {

// Everything the view update maintains; process-wide in the plug-in.
struct ViewSettings {
    Environment environment;
    VariantTables variants;
    DocumentationFiles documentation;
    std::string ProductName;
};

ViewSettings& viewSettings();

// The duties of one call, selected by its four arguments:
// - always first: when environment.EnvironmentPending, read the environment (readEnvironment);
// - VariantSet 0: fill the program table (any other value leaves it);
// - the language just read, "german" or "english" exactly: set the documentation file names;
//   without a read, or for any other text, they stay as they are;
// - set ProductName;
// - RefreshFields: run `refreshFields` (the editor refresh from the property values);
// - HelpKind not empty: show help entry HelpIndex of that kind in `RTHinweis` (showHelp).
// Every duty after the environment read is a step whose failure is skipped without a message.
void UpdateView(ViewSettings& settings, ui::RichTextBox& RTHinweis,
                const std::function<void()>& refreshFields, int16_t VariantSet, bool RefreshFields,
                std::string_view HelpKind, int16_t HelpIndex);

}  // namespace model
