// Messages of the automation object and of start-up, in English. Entry 8 is never filled.
// Blanks at either end belong to the text: callers join messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Registering plug-in . . ."},
    {1, "Unable to register Supported Commands"},
    {2, "Unregistering plug-in . . ."},
    {3, "Initializing plug-in . . ."},
    {4, "Object type not supported for this command"},
    {5, "Command not supported"},
    {6, "Cannot open the network "},
    {7, "Attempt to write to read-only property"},
    {9, "Plug-in can't be moved or sized while minimized or maximized"},
    {10, "Can not modify the minimzed property when invisble. The property will be applied the next time the plug-in is made visible"},
};
// clang-format on

}  // namespace

std::span<const TextEntry> plugInTextsEnglish() { return kTexts; }

}  // namespace text::data
