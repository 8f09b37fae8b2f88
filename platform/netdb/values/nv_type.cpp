#include "platform/netdb/values/nv_type.h"

#include <charconv>
#include <vector>

#include "platform/netdb/values/keywords.h"

namespace netdb::values::detail {

namespace {

// Labels are matched without regard to case, like the keywords.
bool consumePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || !equalsIgnoringCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

std::optional<int> number(std::string_view text, int min, int max, int base = 10) {
    text = trimBlanks(text);
    if (text.starts_with('+')) text.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min ||
        value > max)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> split(std::string_view text, char at) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t pos = text.find(at, start);
        parts.push_back(trimBlanks(text.substr(start, pos - start)));
        if (pos == std::string_view::npos) return parts;
        start = pos + 1;
    }
}

std::optional<int> labelled(std::string_view part, std::string_view label, int min, int max) {
    if (!consumePrefix(part, label)) return std::nullopt;
    return number(part, min, max);
}

}  // namespace

std::optional<Descriptor> parseDescriptor(std::string_view text) {
    std::vector<std::string_view> parts = split(text, ',');
    if (parts.size() != 8) return std::nullopt;
    Descriptor d;
    std::string_view pid = parts[0];
    if (!consumePrefix(pid, "PID ")) return std::nullopt;
    std::vector<std::string_view> bytes = split(pid, ':');
    if (bytes.size() != 8) return std::nullopt;
    for (size_t i = 0; i < 8; ++i) {
        auto byte = number(bytes[i], 0, 0xff, 16);
        if (!byte) return std::nullopt;
        d.programId[i] = *byte;
    }
    std::string_view sizePart = parts[4];
    if (!sizePart.ends_with("bytes") && !sizePart.ends_with("byte")) return std::nullopt;
    sizePart.remove_suffix(sizePart.ends_with("bytes") ? 5 : 4);
    auto scope = labelled(parts[1], "Scope ", 0, 15);
    auto index = labelled(parts[2], "Index ", 0, 65535);
    auto category = keywordCode(kTypeCategories, parts[3]);
    auto size = number(sizePart, 0, 255);
    auto a = labelled(parts[5], "A=", -32768, 32767);
    auto b = labelled(parts[6], "B=", -32768, 32767);
    auto c = labelled(parts[7], "C=", -32768, 32767);
    if (!scope || !index || !category || !size || !a || !b || !c) return std::nullopt;
    d.scope = *scope;
    d.index = *index;
    d.category = *category;
    d.size = *size;
    d.a = *a;
    d.b = *b;
    d.c = *c;
    return d;
}

std::string formatDescriptor(const Descriptor& d) {
    std::string out = "PID ";
    for (size_t i = 0; i < d.programId.size(); ++i) {
        char buf[4];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d.programId[i], 16);
        for (char* p = buf; p != end; ++p)
            if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
        out += (i ? ":" : "") + std::string(buf, end);
    }
    out += ", Scope " + std::to_string(d.scope) + ", Index " + std::to_string(d.index) + ", ";
    out += keywordName(kTypeCategories, d.category);
    out += ", " + std::to_string(d.size) + " bytes, A=" + std::to_string(d.a) +
           ", B=" + std::to_string(d.b) + ", C=" + std::to_string(d.c);
    return out;
}

Descriptor descriptorOf(const TypeDef& type) {
    Descriptor d;
    d.scope = type.scope;
    d.index = type.index;
    d.category = type.category;
    d.size = type.size;
    d.a = type.a;
    d.b = type.b;
    d.c = type.c;
    return d;
}

}  // namespace netdb::values::detail
