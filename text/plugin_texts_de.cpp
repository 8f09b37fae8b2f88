// Messages of the automation object and of start-up, in German. Entry 8 is never filled.
// Blanks at either end belong to the text: callers join messages with names and values.

#include "text/text_data.h"

namespace text::data {
namespace {

// clang-format off
constexpr TextEntry kTexts[] = {
    {0, "Registeriere plug-in . . ."},
    {1, "konnte unterstützten Command nicht registrieren"},
    {2, "deregistriere plug-in . . ."},
    {3, "Initialisiere plug-in . . ."},
    {4, "Objekttyp wird nicht unterstützt vom command"},
    {5, "Command nicht unterstützt"},
    {6, "Das Netzwerk kann nicht geöffnet werden "},
    {7, "Attempt to write to read-only property"},
    {9, "Plug-in can't be moved or sized while minimized or maximized"},
    {10, "Can not modify the minimzed property when invisble. The property will be applied the next time the plug-in is made visible"},
};
// clang-format on

}  // namespace

std::span<const TextEntry> plugInTextsGerman() { return kTexts; }

}  // namespace text::data
