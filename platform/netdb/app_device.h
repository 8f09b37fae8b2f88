#pragma once
// An application device: an instance of a device template with its own values, in one or more
// subsystems of a system.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/netdb/collection.h"
#include "platform/netdb/device_interface.h"
#include "platform/netdb/store.h"

namespace netdb {

class Subsystem;
class DeviceTemplate;

class AppDevice : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    std::string NodeId() const;     // unique node ID, 12 hexadecimal digits
    std::string ProgramId() const;  // 16 hexadecimal digits
    int StateCode() const;          // 2 unconfigured, 4 configured online, 6 offline, ...
    void SetStateCode(int code);
    bool StateUnavailable() const;  // the state cannot be read (no answer)
    void SetStateUnavailable(bool on);
    bool Commissioned() const;
    void SetCommissioned(bool on);

    // The subsystems the device belongs to, the first one first.
    Collection<Subsystem> Subsystems() const;
    DeviceInterface Interface() const;
    std::shared_ptr<DeviceTemplate> Template() const;
};

// The devices of a subsystem (or of a template or system, read only).
class AppDevices : public Collection<AppDevice> {
  public:
    using Collection::Collection;
    AppDevices(Collection<AppDevice> base, std::shared_ptr<Store> store, int64_t subsystemId);

    // Creates a device from a template with the template's preset values; the state and flags
    // start as "configured online", commissioned.
    std::shared_ptr<AppDevice> Add(const std::string& name,
                                   const std::shared_ptr<DeviceTemplate>& tmpl);
    // Makes an existing device a member of this subsystem too.
    void Include(const std::shared_ptr<AppDevice>& device);
    // Deletes the device from the database (from every subsystem).
    void Remove(std::string_view name);

  private:
    std::shared_ptr<Store> store_;
    int64_t subsystemId_ = 0;
};

}  // namespace netdb
