#pragma once
// The push-button function codes of the sensor channels and the texts shown for them in the
// function lists: "0x", the code in two upper-case hexadecimal digits, a blank, the function
// and, for every code but 0x00, the output it drives (" / nvoMultiOut_1" or "_2").

#include <span>
#include <string>

#include "text/language.h"

namespace text {

struct ButtonFunction {
    int code;
    std::string function;  // English wording, e.g. "toggle last value", "scene 10"
    int output;            // 1 or 2 for nvoMultiOut_1/_2, 0 for "not used"
};

// Highest code a button can hold plus one: the size of the function-text table.
inline constexpr int kButtonFunctionTableSize = 98;

// The 61 defined codes in ascending order.
std::span<const ButtonFunction> buttonFunctions();

// The list text of a defined code in `language`; "" for an undefined code or Language::None.
std::string buttonFunctionText(const ButtonFunction& function, Language language);

}  // namespace text
