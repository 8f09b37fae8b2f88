#include "text/button_function_texts.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

namespace text {
namespace {

// A block of consecutive codes: each function appears once per output, in the order the
// device numbers them (either all functions for output 1, then for output 2, or each
// function for output 1 and 2 side by side).
std::vector<ButtonFunction> buildFunctions() {
    std::vector<ButtonFunction> list;
    auto pairs = [&](int first, std::initializer_list<const char*> functions) {
        int code = first;
        for (const char* f : functions) {
            list.push_back({code++, f, 1});
            list.push_back({code++, f, 2});
        }
    };
    auto perOutput = [&](int first, const std::vector<std::string>& functions) {
        int code = first;
        for (int output = 1; output <= 2; ++output)
            for (const auto& f : functions) list.push_back({code++, f, output});
    };

    list.push_back({0x00, "not used", 0});
    pairs(0x01, {"pressed / not pressed", "toggle", "only ON", "only OFF"});
    pairs(0x10, {"toggle max-value", "toggle last value", "brighter max-value",
                 "brighter last value", "darker"});
    perOutput(0x20, {"blind UP", "blind DOWN"});
    perOutput(0x30, {"shutter UP", "shutter DOWN"});
    for (int first : {0x40, 0x50})
        for (int n = 0; n < 16; ++n)
            list.push_back({first + n, "scene " + std::to_string(n), first == 0x40 ? 1 : 2});
    pairs(0x60, {"automatic (= 0.0 -1)"});
    return list;
}

// German wording: the first entry whose English text starts the function replaces that start
// ("toggle max-value" must be tried before "toggle", "scene " keeps the number after it).
constexpr std::array<std::pair<std::string_view, std::string_view>, 16> kGerman{{
    {"not used", "nicht belegt"},
    {"pressed / not pressed", "gedrückt / nicht gedrückt"},
    {"toggle max-value", "Toggle Max-Wert"},
    {"toggle last value", "Toggle letzter Einwert"},
    {"toggle", "Toggle"},
    {"only ON", "nur EIN"},
    {"only OFF", "nur AUS"},
    {"brighter max-value", "Heller Max-Wert"},
    {"brighter last value", "Heller letzter Einwert"},
    {"darker", "Dunkler"},
    {"blind UP", "Jalousie AUF"},
    {"blind DOWN", "Jalousie AB"},
    {"shutter UP", "Rollladen AUF"},
    {"shutter DOWN", "Rollladen AB"},
    {"scene ", "Szene "},
    {"automatic", "Automatik"},
}};

std::string germanFunction(std::string_view english) {
    for (const auto& [en, de] : kGerman)
        if (english.starts_with(en)) return std::string(de).append(english.substr(en.size()));
    return std::string(english);
}

}  // namespace

std::span<const ButtonFunction> buttonFunctions() {
    static const std::vector<ButtonFunction> functions = buildFunctions();
    return functions;
}

std::string buttonFunctionText(const ButtonFunction& function, Language language) {
    if (language == Language::None) return {};
    char prefix[8];
    std::snprintf(prefix, sizeof prefix, "0x%02X ", function.code);
    std::string text = prefix;
    text += language == Language::German ? germanFunction(function.function) : function.function;
    if (function.output != 0) text += " / nvoMultiOut_" + std::to_string(function.output);
    return text;
}

}  // namespace text
