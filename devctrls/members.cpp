#include "devctrls/members.h"

#include <cctype>

#include "platform/core/error.h"

namespace devctrls {

void noSuchMember(std::string_view className, std::string_view member) {
    throw platform::Error(438, std::string(className),
                          "Object doesn't support this property or method: " + std::string(member));
}

void wrongArguments(std::string_view className, std::string_view member) {
    throw platform::Error(
        450, std::string(className),
        "Wrong number of arguments or invalid property assignment: " + std::string(member));
}

namespace {
const Value& arg(const Value& args, size_t i, std::string_view className, std::string_view member) {
    if (!args.is_array() || args.size() <= i) wrongArguments(className, member);
    return args[i];
}

[[noreturn]] void typeMismatch(std::string_view className, std::string_view member) {
    throw platform::Error(13, std::string(className), "Type mismatch: " + std::string(member));
}
}  // namespace

std::string textArg(const Value& args, size_t i, std::string_view className,
                    std::string_view member) {
    const Value& v = arg(args, i, className, member);
    if (v.is_string()) return v.get<std::string>();
    if (v.is_number_integer()) return std::to_string(v.get<long long>());
    if (v.is_number() || v.is_boolean()) return v.dump();
    if (v.is_null()) return {};
    typeMismatch(className, member);
}

double numberArg(const Value& args, size_t i, std::string_view className, std::string_view member) {
    const Value& v = arg(args, i, className, member);
    if (v.is_number()) return v.get<double>();
    if (v.is_boolean()) return v.get<bool>() ? -1 : 0;
    typeMismatch(className, member);
}

bool boolArg(const Value& args, size_t i, std::string_view className, std::string_view member) {
    const Value& v = arg(args, i, className, member);
    if (v.is_boolean()) return v.get<bool>();
    if (v.is_number()) return v.get<double>() != 0;
    typeMismatch(className, member);
}

std::string foldCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace devctrls
