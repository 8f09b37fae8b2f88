#include "platform/automation/dispatch.h"

#include <charconv>
#include <cmath>

#include "platform/automation/members.h"
#include "platform/automation/value_convert.h"
#include "platform/core/error.h"

namespace automation {

std::string_view kindName(Kind kind) {
    switch (kind) {
        case Kind::Get:
            return "get";
        case Kind::Put:
            return "put";
        case Kind::Call:
            return "call";
    }
    return "?";
}

std::string foldCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

namespace detail {

void typeMismatch(std::string_view source, std::string_view member, const Value& v,
                  std::string_view expected) {
    throw platform::Error(errc::kTypeMismatch, std::string(source),
                          "Type mismatch: " + std::string(member) + " expects " +
                              std::string(expected) + ", got " + v.dump());
}

void overflow(std::string_view source, std::string_view member, const Value& v) {
    throw platform::Error(errc::kOverflow, std::string(source),
                          "Overflow: " + v.dump() + " is out of range for " + std::string(member));
}

double toNumber(const Value& v, std::string_view source, std::string_view member) {
    if (v.is_number()) return v.get<double>();
    if (v.is_boolean()) return v.get<bool>() ? -1.0 : 0.0;
    if (v.is_string()) {
        const auto& s = v.get_ref<const std::string&>();
        size_t b = s.find_first_not_of(' ');
        size_t e = s.find_last_not_of(' ');
        if (b != std::string::npos) {
            double d = 0;
            auto [p, ec] = std::from_chars(s.data() + b, s.data() + e + 1, d);
            if (ec == std::errc() && p == s.data() + e + 1 && std::isfinite(d)) return d;
        }
    }
    typeMismatch(source, member, v, "a number");
}

bool toBool(const Value& v, std::string_view source, std::string_view member) {
    if (v.is_boolean()) return v.get<bool>();
    if (v.is_number()) return v.get<double>() != 0;
    if (v.is_string()) {
        std::string s = foldCase(v.get_ref<const std::string&>());
        if (s == "true") return true;
        if (s == "false") return false;
    }
    typeMismatch(source, member, v, "a boolean");
}

std::string toText(const Value& v, std::string_view source, std::string_view member) {
    if (v.is_string()) return v.get<std::string>();
    if (v.is_boolean()) return v.get<bool>() ? "True" : "False";
    if (v.is_number()) return v.dump();
    typeMismatch(source, member, v, "a text");
}

void wrongArguments(std::string_view source, std::string_view member, size_t expected, size_t got) {
    throw platform::Error(
        errc::kWrongArguments, std::string(source),
        "Wrong number of arguments or invalid property assignment: " + std::string(member) +
            " takes " + std::to_string(expected) + ", got " + std::to_string(got));
}

}  // namespace detail

void noSuchMember(std::string_view source, std::string_view member, Kind kind) {
    throw platform::Error(errc::kNoSuchMember, std::string(source),
                          "Object doesn't support this property or method: " + std::string(member) +
                              " (" + std::string(kindName(kind)) + ")");
}

}  // namespace automation
