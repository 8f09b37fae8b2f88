#include "plugin/object_path.h"

#include <cctype>
#include <limits>

#include "model/cp_reference.h"
#include "platform/core/error.h"
#include "plugin/plugin_state.h"

namespace plugin {
namespace {

// The numeric value of the leading number of a text (leading blanks skipped, optional sign);
// 0 when the text does not start with digits.
int16_t leadingNumber(std::string_view part, std::string_view whole) {
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    bool negative = false;
    if (!part.empty() && (part.front() == '-' || part.front() == '+')) {
        negative = part.front() == '-';
        part.remove_prefix(1);
    }
    auto outOfRange = [&] {
        return platform::Error(platform::errc::kInvalidValue, "Korvane_MBX-440",
                               "Version number out of range: \"" + std::string(whole) + "\"");
    };
    long value = 0;
    for (char c : part) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int16_t>::max() + 1L) throw outOfRange();
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int16_t>::max()) throw outOfRange();
    return static_cast<int16_t>(value);
}

}  // namespace

int SplitObjectPath(std::string_view path) {
    auto& components = state().PathComponents;
    components.clear();
    std::string rest;
    std::string head = model::SplitFirst(path, '/', rest);
    while (!head.empty()) {
        components.push_back(head);
        const std::string remaining = rest;
        head = model::SplitFirst(remaining, '/', rest);
    }
    return static_cast<int>(components.size());
}

std::string PathComponent(int n, bool stripPrefix) {
    const auto& components = state().PathComponents;
    if (n < 1 || n > static_cast<int>(components.size())) return {};
    const std::string& component = components[static_cast<size_t>(n - 1)];
    if (stripPrefix) {
        std::string rest;
        model::SplitFirst(component, ':', rest);
        if (!rest.empty()) return rest;
    }
    return component;
}

void ParseVersion(std::string_view text, int16_t& major, int16_t& minor) {
    std::string rest;
    const std::string majorText = model::SplitFirst(text, '.', rest);
    std::string ignored;
    const std::string beforeBlank = model::SplitFirst(rest, ' ', ignored);
    std::string minorText = model::SplitFirst(beforeBlank, '.', ignored);
    if (minorText.size() == 1) minorText += '0';
    major = leadingNumber(majorText, text);
    minor = leadingNumber(minorText, text);
}

}  // namespace plugin
