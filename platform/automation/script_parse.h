#pragma once
// Parsing of director script lines: words, JSON arguments and the `ui ...` input requests.

#include <string_view>

#include "platform/automation/dispatch.h"

namespace automation::script {

// The first blank-separated word of `rest`; `rest` keeps what follows, without leading blanks.
std::string_view nextWord(std::string_view& rest);

// The blank-separated JSON values of a text as an array: `13 7 "a b" [1,2]`. Throws
// platform::Error naming the text that is not a JSON value.
Value parseValues(std::string_view text);

// The request of a ui line, given the text after "ui" (see docs/scripting.md for the shapes).
Value parseUiLine(std::string_view text);

// The key codes of a key text: characters as their code points, {ENTER} 13, {BACKSPACE} 8,
// {TAB} 9, and {{} and {}} for the braces themselves.
Value parseKeys(std::string_view text);

}  // namespace automation::script
