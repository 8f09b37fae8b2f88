#include "platform/netdb/values/field_codec.h"

#include <charconv>

namespace netdb::values::detail {

namespace {

// Splits at runs of blanks (kBlanks) or at each "," with blanks around it (kCommas).
std::vector<std::string_view> splitFields(std::string_view text, Layout layout) {
    std::vector<std::string_view> parts;
    if (layout == Layout::kCommas) {
        size_t start = 0;
        for (;;) {
            size_t pos = text.find(',', start);
            parts.push_back(trimBlanks(text.substr(start, pos - start)));
            if (pos == std::string_view::npos) break;
            start = pos + 1;
        }
        return parts;
    }
    size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t", pos)) != std::string_view::npos) {
        size_t end = text.find_first_of(" \t", pos);
        parts.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return parts;
}

std::optional<int64_t> parseHexByte(std::string_view part) {
    if (part.empty()) return std::nullopt;
    uint32_t value = 0;
    auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value, 16);
    if (ec != std::errc() || end != part.data() + part.size() || value > 0xff) return std::nullopt;
    return value;
}

}  // namespace

ParseResult parseFields(const TypeDef& type, std::string_view text, char sep) {
    ParseResult result;
    std::vector<std::string_view> parts = splitFields(text, type.layout);
    if (parts.size() != type.fields.size()) return {ParseResult::Status::kInvalid, {}, nullptr};
    for (size_t i = 0; i < parts.size(); ++i) {
        const Field& field = type.fields[i];
        std::optional<int64_t> raw;
        switch (field.kind) {
            case Field::Kind::kNumber:
                raw = parseScaled(parts[i], sep, field.scale);
                if (raw && (*raw < field.min || *raw > field.max) &&
                    result.status == ParseResult::Status::kOk) {
                    result.status = ParseResult::Status::kOutOfRange;
                    result.field = &field;
                }
                break;
            case Field::Kind::kBit:
                if (parts[i] == "0" || parts[i] == "1") raw = parts[i] == "1";
                break;
            case Field::Kind::kKeyword:
                if (auto code = keywordCode(field.keywords, parts[i])) raw = *code;
                break;
            case Field::Kind::kHexByte:
                raw = parseHexByte(parts[i]);
                break;
        }
        if (!raw) return {ParseResult::Status::kInvalid, {}, nullptr};
        result.raw.push_back(*raw);
    }
    return result;
}

std::string formatFields(const TypeDef& type, const Raw& raw, char sep) {
    std::string out;
    for (size_t i = 0; i < type.fields.size(); ++i) {
        const Field& field = type.fields[i];
        if (i) out += type.layout == Layout::kCommas ? "," : " ";
        switch (field.kind) {
            case Field::Kind::kNumber:
                out += formatScaled(raw[i], field.scale, field.minDigits, sep);
                break;
            case Field::Kind::kBit:
                out += raw[i] ? '1' : '0';
                break;
            case Field::Kind::kKeyword:
                out += keywordName(field.keywords, static_cast<int>(raw[i]));
                break;
            case Field::Kind::kHexByte: {
                char buf[4];
                auto [end, ec] = std::to_chars(buf, buf + sizeof buf, raw[i], 16);
                out.append(buf, end);
                break;
            }
        }
    }
    return out;
}

std::string rangeText(const Field& field, char sep) {
    return formatScaled(field.min, field.scale, field.minDigits, sep) + " to " +
           formatScaled(field.max, field.scale, field.minDigits, sep);
}

}  // namespace netdb::values::detail
