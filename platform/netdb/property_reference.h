#pragma once
// Resolves a property reference of a device: "F:<block position>/C:<scope>:<type index>",
// "N:<nv index>/C:<scope>:<type index>" or "C:<scope>:<type index>" (the device's own).

#include <memory>
#include <string_view>

#include "platform/netdb/app_device.h"
#include "platform/netdb/config_property.h"

namespace netdb {

// Throws platform::Error naming the reference when it is malformed or names nothing.
std::shared_ptr<ConfigProperty> propertyByReference(const AppDevice& device, std::string_view ref);

}  // namespace netdb
