#pragma once
// Showing the help text of a field or tab in the main window's information box.

#include <cstdint>
#include <string_view>

namespace ui {
class RichTextBox;
}

namespace model {

// Help kinds: a property row, an input or output NV row, a tab number.
inline constexpr std::string_view kHelpCp = "Nci";
inline constexpr std::string_view kHelpNvi = "Nvi";
inline constexpr std::string_view kHelpNvo = "Nvo";
inline constexpr std::string_view kHelpTab = "Tab";

// Where the caret is put after a help text is shown.
inline constexpr int kHelpCaret = 130;

// Shows help entry `index` of the table of `kind` in `box`: the text, its heading ("SCPT Type:"
// for properties, "SNVT Type:" for variables, none for tabs; as many characters as the heading
// has) and the first "Function:" within the first 1000 characters in bold and underlined, the
// rest plain, the caret at character 130. An empty kind does nothing. An unknown kind or an index
// outside the table's slots leaves the text as it is; the remaining steps still run on it, each
// skipped when it fails.
void showHelp(ui::RichTextBox& box, std::string_view kind, int index);

}  // namespace model
