#include "devctrls/status_bar_device.h"

#include "platform/core/error.h"

namespace devctrls {

int DeviceRecord::stateCode() const {
    if (!stateReadable)
        throw platform::Error(platform::errc::kDevice, "WcxDevCtrs",
                              "The state of device " + deviceName + " cannot be read");
    return state;
}

std::vector<std::string> DeviceRecord::blockNames() const {
    std::vector<std::string> names;
    for (const Block& b : blocks) names.push_back(b.name);
    return names;
}

const DeviceRecord::Block& DeviceRecord::block(const std::string& name) const {
    for (const Block& b : blocks)
        if (b.name == name) return b;
    throw platform::Error(platform::errc::kNotFound, "WcxDevCtrs",
                          "Device " + deviceName + " has no functional block " + name);
}

// The objects read the record each time, so that they follow its changes like the service's.
std::shared_ptr<ObjectStatus> DeviceRecord::blockStatus(const std::string& name) const {
    block(name);
    return statusFromText([this, name] { return block(name).statusText; });
}

std::shared_ptr<ObjectAlarm> DeviceRecord::blockAlarm(const std::string& name) const {
    block(name);
    return alarmFrom([this, name] { return block(name).alarm; });
}

}  // namespace devctrls
