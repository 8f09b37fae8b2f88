#pragma once
// The two languages of the user interface and how the registry setting names them.

#include <string_view>

namespace text {

enum class Language { None, English, German };

// "english" and "german" exactly (case-sensitive); every other text, empty included, is None.
constexpr Language parseLanguage(std::string_view setting) {
    if (setting == "english") return Language::English;
    if (setting == "german") return Language::German;
    return Language::None;
}

}  // namespace text
