#pragma once
// The help texts shown in the main window's information box when a field or tab gets the focus:
// one entry per catalogue row of the properties, input and output variables, and per tab. They
// are filled together with the message tables (applyLanguage, texts.h) and are "" until then,
// for rows without help and when the installation's language is neither English nor German.
//
// Every entry is a set of lines joined by CR LF: a property entry is its heading ("UCPT Type:"
// or "SCPT Type:"), the key line (type name, index, value type), "Function:" and the
// description; a variable entry is its heading ("SNVT Type:"), the key line, the variable's
// name in parentheses, an empty line, "Function:" and the description.

#include "text/language.h"
#include "text/text_table.h"

namespace text {

extern constinit TextTable<101> CpHelpTexts;  // by property row; rows 0 to 97 filled
extern constinit TextTable<26> NviHelpTexts;  // by input row; rows 1 to 18 filled
extern constinit TextTable<41> NvoHelpTexts;  // by output row; rows 0 to 36 filled
extern constinit TextTable<11> TabHelpTexts;  // by tab number; tab 0 filled

// Fills the four help tables in `language`; Language::None empties them.
void fillHelpTexts(Language language);

}  // namespace text
