#include "platform/ui/props.h"

#include <cmath>
#include <cstdlib>

#include "platform/core/error.h"

namespace ui {

void raiseUi(int number, const std::string& description) {
    throw platform::Error(number, "ui", description);
}

namespace {
[[noreturn]] void mismatch(const Value& v) {
    raiseUi(uierr::kTypeMismatch, "Type mismatch: " + v.dump());
}

bool parseNumber(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end && *end == '\0';
}
}  // namespace

std::string asString(const Value& v) {
    if (v.is_string()) return v.get<std::string>();
    if (v.is_number_integer()) return std::to_string(v.get<int64_t>());
    if (v.is_number()) return v.dump();
    if (v.is_boolean()) return v.get<bool>() ? "True" : "False";
    mismatch(v);
}

double asDouble(const Value& v) {
    if (v.is_number()) return v.get<double>();
    if (v.is_boolean()) return v.get<bool>() ? -1 : 0;
    double d = 0;
    if (v.is_string() && parseNumber(v.get<std::string>(), d)) return d;
    mismatch(v);
}

int asInt(const Value& v) {
    double d = asDouble(v);
    if (!std::isfinite(d) || d < -2147483648.0 || d > 2147483647.0) mismatch(v);
    return static_cast<int>(std::lround(d));
}

bool asBool(const Value& v) {
    if (v.is_boolean()) return v.get<bool>();
    if (v.is_number()) return v.get<double>() != 0;
    if (v.is_string()) {
        std::string s = v.get<std::string>();
        if (s == "true" || s == "True" || s == "TRUE") return true;
        if (s == "false" || s == "False" || s == "FALSE") return false;
        double d = 0;
        if (parseNumber(s, d)) return d != 0;
    }
    mismatch(v);
}

OleColor asColor(const Value& v) {
    double d = asDouble(v);
    if (d < 0 || d > 4294967295.0) mismatch(v);
    return static_cast<OleColor>(d);
}

}  // namespace ui
