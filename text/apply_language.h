#pragma once
// Applying the installation's language: the language chosen at registration is the value
// "Language" of the plug-in's key in the machine hive, read afresh on every call.

#include <string>
#include <string_view>

#include "text/language.h"

namespace text {

// The plug-in's registry key below the machine hive.
inline constexpr std::string_view kPlugInKey = "SOFTWARE\\Fieldara\\WCX\\Plug-Ins\\Korvane_MBX-440";

// The value "Language" of the plug-in's key; "" when it is missing or the registry cannot be
// read (that failure is logged).
std::string readLanguageSetting();

// Form selectors: 0 the main window (and all text tables), 1 the learn-in and device selection
// windows, 2 the About window, 3 the print menu.
inline constexpr int kMainWindowSelector = 0;

// Reads the language setting; for the main window's selector fills the five text tables in it
// (or empties them). Returns the language so that the loading window can apply its captions
// (captionTexts() entries of its selector).
Language ApplyLanguage(int formSelector);

}  // namespace text
