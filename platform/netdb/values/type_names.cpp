// The public look-ups of the type table: names, standard indices and NV type descriptors.
#include "platform/core/error.h"
#include "platform/netdb/values/nv_type.h"
#include "platform/netdb/values/type_table.h"
#include "platform/netdb/values/value_types.h"

namespace netdb::values {

namespace {

using detail::TypeDef;

const TypeDef& standardType(std::string_view type) {
    const TypeDef* def = detail::findType(type);
    if (!def)
        throw platform::Error(platform::errc::kNotFound, "netdb",
                              "Unknown value type \"" + std::string(type) + "\"");
    if (def->index < 0)
        throw platform::Error(platform::errc::kNotFound, "netdb",
                              "The user type " + std::string(type) + " has no standard type index");
    return *def;
}

}  // namespace

bool isKnownType(std::string_view type) { return detail::findType(type) != nullptr; }

std::vector<std::string> knownTypes() {
    std::vector<std::string> names;
    for (const TypeDef& t : detail::allTypes()) names.emplace_back(t.name);
    return names;
}

bool isStandardType(std::string_view type) {
    const TypeDef* def = detail::findType(type);
    return def && def->index >= 0;
}

int standardTypeIndex(std::string_view type) { return standardType(type).index; }

std::string typeNameOfIndex(int index) {
    const TypeDef* def = detail::findTypeByIndex(index);
    if (!def)
        throw platform::Error(platform::errc::kNotFound, "netdb",
                              "No value type has the index " + std::to_string(index));
    return std::string(def->name);
}

std::string nvTypeDescriptor(std::string_view type) {
    return detail::formatDescriptor(detail::descriptorOf(standardType(type)));
}

std::string typeNameOfDescriptor(std::string_view descriptor) {
    auto parsed = detail::parseDescriptor(descriptor);
    if (!parsed)
        throw platform::Error(
            platform::errc::kInvalidValue, "netdb",
            "Value \"" + std::string(descriptor) + "\" is not a valid SNVT_nv_type");
    if (parsed->scope != 0)
        throw platform::Error(platform::errc::kNotFound, "netdb",
                              "The descriptor \"" + std::string(descriptor) +
                                  "\" names a user type, which the service does not know");
    std::string name = typeNameOfIndex(parsed->index);
    // A descriptor whose size, category or scaling differs from the type's would make the
    // device encode the variable in a way its type name does not describe.
    if (!(*parsed == detail::descriptorOf(*detail::findType(name))))
        throw platform::Error(platform::errc::kInvalidValue, "netdb",
                              "The descriptor \"" + std::string(descriptor) +
                                  "\" does not match the type " + name + " (" +
                                  nvTypeDescriptor(name) + ")");
    return name;
}

}  // namespace netdb::values
