#include "devctrls/netdb_device.h"

#include "platform/core/error.h"
#include "platform/netdb/netdb.h"
#include "platform/netdb/sim/object_status.h"

namespace devctrls {
namespace {

class NetdbDevice final : public StatusBarDevice {
  public:
    explicit NetdbDevice(std::shared_ptr<netdb::AppDevice> device) : device_(std::move(device)) {}

    std::string name() const override { return device_->Name(); }
    int stateCode() const override { return device_->StateCode(); }

    std::vector<std::string> blockNames() const override {
        std::vector<std::string> names;
        for (const auto& block : device_->Interface().UnifexObjects().All())
            names.push_back(block->Name());
        return names;
    }

    std::shared_ptr<ObjectStatus> blockStatus(const std::string& name) const override {
        auto block = find(name);
        return std::make_shared<Status>(block);
    }

    std::shared_ptr<ObjectAlarm> blockAlarm(const std::string& name) const override {
        auto block = find(name);
        return alarmFrom([block] {
            auto r = netdb::alarmOf(block).record();
            return AlarmFields{r.alarmType,     r.limitValue, r.location, r.objectId,
                               r.priorityLevel, r.timeStamp,  r.value};
        });
    }

  private:
    // The database keeps the 23 standard flags in the order of StatusFlag; the last flag of
    // the status text, reset_complete, is not kept and reads as clear.
    class Status final : public ObjectStatus {
      public:
        explicit Status(std::shared_ptr<netdb::UnifexObject> block) : block_(std::move(block)) {}
        StatusFlags read() const override {
            auto status = netdb::statusOf(block_);
            StatusFlags flags;
            flags.objectId = block_->Position();
            for (int i = 0; i < netdb::kStatusFlagCount; ++i) flags.flags[i] = status.Flag(i);
            return flags;
        }

      private:
        std::shared_ptr<netdb::UnifexObject> block_;
    };

    std::shared_ptr<netdb::UnifexObject> find(const std::string& name) const {
        auto block = device_->Interface().UnifexObjects().find(name);
        if (!block)
            throw platform::Error(
                platform::errc::kNotFound, "WcxDevCtrs",
                "The device \"" + device_->Name() + "\" has no block \"" + name + "\"");
        return block;
    }

    std::shared_ptr<netdb::AppDevice> device_;
};

}  // namespace

std::shared_ptr<StatusBarDevice> statusBarDeviceOf(std::shared_ptr<netdb::AppDevice> device) {
    if (!device)
        throw platform::Error(platform::errc::kInvalidValue, "WcxDevCtrs", "No device given");
    return std::make_shared<NetdbDevice>(std::move(device));
}

}  // namespace devctrls
