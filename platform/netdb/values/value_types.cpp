// Placeholder implementation: accepts every text unchanged until the typed formats land.
#include "platform/netdb/values/value_types.h"

#include "platform/core/error.h"

namespace netdb::values {

bool isKnownType(std::string_view type) { return type.starts_with("SNVT_") || type.starts_with("UNVT_"); }

int standardTypeIndex(std::string_view type) {
    throw platform::Error(platform::errc::kNotFound, "netdb",
                          "Unknown value type \"" + std::string(type) + "\"");
}

std::string typeNameOfIndex(int index) {
    throw platform::Error(platform::errc::kNotFound, "netdb",
                          "No value type has the index " + std::to_string(index));
}

std::string parse(std::string_view, std::string_view text, char) { return std::string(text); }
std::string format(std::string_view, std::string_view canonical, char) { return std::string(canonical); }

std::vector<std::string> splitArray(std::string_view canonical) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t pos = canonical.find(';', start);
        out.emplace_back(canonical.substr(start, pos == std::string_view::npos ? pos : pos - start));
        if (pos == std::string_view::npos) break;
        start = pos + 1;
    }
    return out;
}

std::string joinArray(const std::vector<std::string>& elements) {
    std::string out;
    for (size_t i = 0; i < elements.size(); ++i) out += (i ? ";" : "") + elements[i];
    return out;
}

std::string parseArray(std::string_view type, int, std::string_view text, char sep) {
    return parse(type, text, sep);
}
std::string formatArray(std::string_view type, int, std::string_view canonical, char sep) {
    return format(type, canonical, sep);
}

std::string defaultValue(std::string_view) { return "0"; }

}  // namespace netdb::values
