#pragma once
// The plug-in's message tables and the language they are filled in. All windows and routines
// take their messages, list entries and progress texts from these tables by index; the main
// window fills them when it loads (ApplyLanguage(0), apply_language.h). Until then, and when the
// installation's language is neither "english" nor "german", every entry is "".

#include <string_view>

#include "text/button_function_texts.h"
#include "text/language.h"
#include "text/text_table.h"

namespace text {

extern constinit TextTable<31> RegistrationTexts;  // registration, templates, commands
extern constinit TextTable<kButtonFunctionTableSize> ButtonFunctionTexts;  // by function code
extern constinit TextTable<11> PlugInTexts;  // automation object and start-up; 8 never filled
extern constinit TextTable<51> MainTexts;    // main window and transfer; 44, 45 never filled
extern constinit TextTable<4> LearnTexts;    // learn-in

// The language the tables were last filled in (None before the first fill).
Language tableLanguage();

// Fills all five tables and the help tables (help_texts.h) from the language setting text:
// "english" or "german" exactly; any other text empties every table. Returns the language applied.
// ApplyLanguage(0) calls it with the registry value; tests and tools that already hold the setting
// call it directly.
Language applyLanguage(std::string_view languageSetting);

}  // namespace text
