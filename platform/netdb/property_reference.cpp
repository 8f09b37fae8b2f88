#include "platform/netdb/property_reference.h"

#include <charconv>

#include "platform/netdb/db_helpers.h"

namespace netdb {
namespace errc = platform::errc;

namespace {
bool readNumber(std::string_view& s, int& out) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    if (ec != std::errc() || end == s.data() || out < 0) return false;
    s.remove_prefix(static_cast<size_t>(end - s.data()));
    return true;
}
bool eat(std::string_view& s, std::string_view token) {
    if (!s.starts_with(token)) return false;
    s.remove_prefix(token.size());
    return true;
}
}  // namespace

std::shared_ptr<ConfigProperty> propertyByReference(const AppDevice& device, std::string_view ref) {
    auto malformed = [&] {
        return detail::error(errc::kInvalidValue,
                             "Malformed property reference \"" + std::string(ref) +
                                 "\" (expected F:n/C:s:i, N:n/C:s:i or C:s:i)");
    };
    std::string_view s = ref;
    CpOwner owner = CpOwner::Device;
    int ownerRef = 0, scope = 0, typeIndex = 0;
    if (eat(s, "F:"))
        owner = CpOwner::Block;
    else if (eat(s, "N:"))
        owner = CpOwner::Nv;
    if (owner != CpOwner::Device && (!readNumber(s, ownerRef) || !eat(s, "/"))) throw malformed();
    if (!eat(s, "C:") || !readNumber(s, scope) || !eat(s, ":") || !readNumber(s, typeIndex) ||
        !s.empty())
        throw malformed();

    auto iface = device.Interface();
    ConfigProperties list =
        owner == CpOwner::Block ? iface.UnifexObjects().Item(ownerRef + 1)->ConfigProperties()
        : owner == CpOwner::Nv  ? iface.NetworkVariables().Item(ownerRef)->ConfigProperties()
                                : iface.ConfigProperties();
    for (auto& cp : list.All())
        if (cp->Scope() == scope && cp->TypeIndex() == typeIndex) return cp;
    throw detail::error(errc::kNotFound, "No property \"" + std::string(ref) + "\" on the device " +
                                             detail::inQuotes(device.Name()));
}

}  // namespace netdb
