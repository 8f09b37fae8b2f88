#include "model/cp_reference.h"

#include <charconv>

#include "platform/core/error.h"

namespace model {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

[[noreturn]] void badReference(std::string_view reference, std::string_view why) {
    throw platform::Error(
        platform::errc::kInvalidValue, "mbx_model",
        "Invalid property reference \"" + std::string(reference) + "\": " + std::string(why));
}

}  // namespace

std::string SplitFirst(std::string_view text, char separator, std::string& rest) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        rest.clear();
        return std::string(text);
    }
    rest = std::string(trimmed(text.substr(at + 1)));
    return std::string(text.substr(0, at));
}

CpRefTarget parseCpRef(std::string_view reference) {
    CpRefTarget target;
    std::string rest;
    const std::string kind = SplitFirst(reference, ':', rest);
    if (kind == "C") {
        target.kind = CpRefKind::Device;
        target.key = rest;
        return target;
    }
    if (kind == "F")
        target.kind = CpRefKind::Block;
    else if (kind == "N")
        target.kind = CpRefKind::Variable;
    else
        badReference(reference, "the kind is not F, N or C");

    std::string afterNumber;
    const std::string number = SplitFirst(rest, '/', afterNumber);
    const std::string_view digits = trimmed(number);
    const auto [end, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), target.number);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        badReference(reference, "\"" + number + "\" is not a number");
    SplitFirst(afterNumber, ':', target.key);  // drops the "C"
    return target;
}

std::string cpKey(int scope, int typeIndex) {
    return std::to_string(scope) + ":" + std::to_string(typeIndex);
}

}  // namespace model
