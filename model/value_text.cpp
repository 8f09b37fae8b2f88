#include "model/value_text.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/error.h"

namespace model {

namespace {

[[noreturn]] void invalid(std::string what) {
    throw platform::Error(platform::errc::kInvalidValue, "mbx_model", std::move(what));
}

std::vector<std::string_view> splitAll(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Evaluates a part the way a hexadecimal number literal is read from text: blanks anywhere are
// skipped and the number ends at the first character that is no hexadecimal digit.
int64_t hexValue(std::string_view part) {
    int64_t value = 0;
    for (char c : part) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        const int d = hexDigit(c);
        if (d < 0) break;
        value = value * 16 + d;
        if (value > 0xFFFFFFFFLL)
            invalid("Overflow reading the hexadecimal byte \"" + std::string(part) + "\"");
    }
    return value;
}

std::string lowerHex(int64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value > 0);
    return out;
}

std::string_view part(const std::vector<std::string_view>& parts, std::string_view list, int i) {
    if (static_cast<std::size_t>(i) >= parts.size())
        invalid("The byte list \"" + std::string(list) + "\" has no byte " + std::to_string(i));
    return parts[static_cast<std::size_t>(i)];
}

}  // namespace

std::string StateBit(std::string_view state, bool write, int bit, bool value) {
    if (bit < 0 || bit > 15) invalid("State bit " + std::to_string(bit) + " is not 0 to 15");
    const std::size_t headLength = std::min<std::size_t>(2 * bit + 1, state.size());
    const std::size_t tailLength = std::min<std::size_t>(30 - 2 * bit, state.size());
    const std::string_view head = state.substr(0, headLength);
    const std::string_view tail = state.substr(state.size() - tailLength);
    if (!write) return head.empty() ? std::string() : std::string(head.substr(head.size() - 1));
    std::string out(head.substr(0, head.empty() ? 0 : head.size() - 1));
    out += value ? '1' : '0';
    out += tail;
    return out;
}

std::optional<int64_t> HexByteRead(std::string_view list, int index) {
    if (index < 0 || index > 3) return std::nullopt;
    return hexValue(part(splitAll(list, ','), list, index));
}

std::string HexByteWrite(std::string_view list, int index, int64_t value) {
    if (index < 0 || index > 3) return {};
    if (value < 0 || value > 255)
        invalid("The value " + std::to_string(value) + " is not a byte (0 to 255)");
    const auto parts = splitAll(list, ',');
    std::string out;
    for (int i = 0; i < 4; ++i) {
        const std::string_view p = part(parts, list, i);
        if (i > 0) out += ',';
        out += i == index ? lowerHex(value) : std::string(p);
    }
    return out;
}

}  // namespace model
