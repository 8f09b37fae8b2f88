#pragma once
// The application device as the status bar reads it: its name, its state code and the
// functional blocks of its interface with their status and alarm objects. The host hands the
// status bar one of these for the device it configures.

#include <memory>
#include <string>
#include <vector>

#include "devctrls/unifex_status.h"

namespace devctrls {

class StatusBarDevice {
  public:
    virtual ~StatusBarDevice() = default;
    virtual std::string name() const = 0;
    // Throws platform::Error when the state cannot be read.
    virtual int stateCode() const = 0;
    // The names of the functional blocks, in the interface's order.
    virtual std::vector<std::string> blockNames() const = 0;
    // The block's status and alarm objects; throw platform::Error for an unknown block.
    virtual std::shared_ptr<ObjectStatus> blockStatus(const std::string& block) const = 0;
    virtual std::shared_ptr<ObjectAlarm> blockAlarm(const std::string& block) const = 0;
};

// A device described by values: for hosts whose device is no database object, and as the
// shape the database adapter follows. Blocks read their status text and alarm fields live.
class DeviceRecord final : public StatusBarDevice {
  public:
    struct Block {
        std::string name;
        std::string statusText;  // the status network variable's text
        AlarmFields alarm;
    };

    std::string deviceName;
    int state = 4;
    bool stateReadable = true;
    std::vector<Block> blocks;

    std::string name() const override { return deviceName; }
    int stateCode() const override;
    std::vector<std::string> blockNames() const override;
    std::shared_ptr<ObjectStatus> blockStatus(const std::string& block) const override;
    std::shared_ptr<ObjectAlarm> blockAlarm(const std::string& block) const override;
    const Block& block(const std::string& name) const;  // Error for an unknown block
    Block& block(const std::string& name) {
        return const_cast<Block&>(static_cast<const DeviceRecord*>(this)->block(name));
    }
};

}  // namespace devctrls
