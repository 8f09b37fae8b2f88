// Parsing and formatting of single values and arrays by their type.
#include "platform/netdb/values/value_types.h"

#include "platform/core/error.h"
#include "platform/netdb/values/field_codec.h"
#include "platform/netdb/values/nv_type.h"
#include "platform/netdb/values/type_table.h"

namespace netdb::values {

namespace {

using detail::ParseResult;
using detail::TypeDef;

constexpr char kCanonicalSeparator = '.';

const TypeDef& typeOf(std::string_view type) {
    const TypeDef* def = detail::findType(type);
    if (!def)
        throw platform::Error(platform::errc::kNotFound, "netdb",
                              "Unknown value type \"" + std::string(type) + "\"");
    return *def;
}

platform::Error invalidValue(std::string description) {
    return platform::Error(platform::errc::kInvalidValue, "netdb", std::move(description));
}

// Parses `text` and formats it again with `outSep`: the common path of parse and format.
std::string convert(const TypeDef& type, std::string_view text, char inSep, char outSep) {
    std::string value = "Value \"" + std::string(text) + "\"";
    if (type.layout == detail::Layout::kDescriptor) {
        auto d = detail::parseDescriptor(text);
        if (!d) throw invalidValue(value + " is not a valid " + std::string(type.name));
        return detail::formatDescriptor(*d);
    }
    ParseResult result = detail::parseFields(type, text, inSep);
    switch (result.status) {
        case ParseResult::Status::kOk:
            return detail::formatFields(type, result.raw, outSep);
        case ParseResult::Status::kInvalid:
            throw invalidValue(value + " is not a valid " + std::string(type.name));
        case ParseResult::Status::kOutOfRange:
            break;
    }
    std::string field = result.field->name.empty() ? "" : std::string(result.field->name) + " ";
    throw invalidValue(value + " is out of range for " + std::string(type.name) + " (" + field +
                       detail::rangeText(*result.field, inSep) + ")");
}

// Splits an array text and checks its element count.
std::vector<std::string> elementsOf(const TypeDef& type, int elements, std::string_view text) {
    if (elements < 1)
        throw invalidValue("An array of " + std::to_string(elements) + " " +
                           std::string(type.name) + " values cannot hold a value");
    std::vector<std::string> parts = splitArray(text);
    if (static_cast<int>(parts.size()) != elements)
        throw invalidValue("Value \"" + std::string(text) + "\" is not a valid array of " +
                           std::to_string(elements) + " " + std::string(type.name) + " values");
    return parts;
}

// Converts every element; an element's error names the element and the whole value.
std::string convertArray(const TypeDef& type, int elements, std::string_view text, char inSep,
                         char outSep) {
    std::vector<std::string> parts = elementsOf(type, elements, text);
    for (size_t i = 0; i < parts.size(); ++i) {
        try {
            parts[i] = convert(type, parts[i], inSep, outSep);
        } catch (const platform::Error& e) {
            if (elements == 1) throw;
            throw invalidValue(e.description + " (element " + std::to_string(i + 1) + " of \"" +
                               std::string(text) + "\")");
        }
    }
    return joinArray(parts);
}

void checkElementIndex(const TypeDef& type, int elements, int index) {
    if (index < 0 || index >= elements)
        throw invalidValue("Element " + std::to_string(index) + " is outside the elements 0 to " +
                           std::to_string(elements - 1) + " of the " + std::string(type.name) +
                           " array");
}

}  // namespace

std::string parse(std::string_view type, std::string_view text, char sep) {
    return convert(typeOf(type), text, sep, kCanonicalSeparator);
}

std::string format(std::string_view type, std::string_view canonical, char sep) {
    return convert(typeOf(type), canonical, kCanonicalSeparator, sep);
}

std::vector<std::string> splitArray(std::string_view canonical) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t pos = canonical.find(';', start);
        out.emplace_back(
            canonical.substr(start, pos == std::string_view::npos ? pos : pos - start));
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

std::string parseArray(std::string_view type, int elements, std::string_view text, char sep) {
    return convertArray(typeOf(type), elements, text, sep, kCanonicalSeparator);
}

std::string formatArray(std::string_view type, int elements, std::string_view canonical, char sep) {
    return convertArray(typeOf(type), elements, canonical, kCanonicalSeparator, sep);
}

std::string formatElement(std::string_view type, int elements, std::string_view canonical,
                          int index, char sep) {
    const TypeDef& def = typeOf(type);
    checkElementIndex(def, elements, index);
    return splitArray(formatArray(type, elements, canonical, sep))[index];
}

std::string replaceElement(std::string_view type, int elements, std::string_view canonical,
                           int index, std::string_view text, char sep) {
    const TypeDef& def = typeOf(type);
    checkElementIndex(def, elements, index);
    std::vector<std::string> parts =
        splitArray(parseArray(type, elements, canonical, kCanonicalSeparator));
    parts[index] = convert(def, text, sep, kCanonicalSeparator);
    return joinArray(parts);
}

std::string defaultValue(std::string_view type) {
    const TypeDef& def = typeOf(type);
    if (def.layout == detail::Layout::kDescriptor)
        return detail::formatDescriptor(detail::Descriptor{});
    return detail::formatFields(def, detail::Raw(def.fields.size(), 0), kCanonicalSeparator);
}

std::string defaultArrayValue(std::string_view type, int elements) {
    return joinArray(std::vector<std::string>(elements < 1 ? 0 : elements, defaultValue(type)));
}

}  // namespace netdb::values
