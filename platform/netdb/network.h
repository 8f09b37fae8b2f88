#pragma once
// Networks, their systems and the systems' subsystems.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/netdb/app_device.h"
#include "platform/netdb/collection.h"
#include "platform/netdb/command_list.h"
#include "platform/netdb/device_template.h"
#include "platform/netdb/store.h"

namespace netdb {

class Subsystem : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    std::string Path() const;  // subsystems are not nested: the path is the name
    netdb::AppDevices AppDevices() const;
};

class Subsystems : public Collection<Subsystem> {
  public:
    Subsystems(std::shared_ptr<Store> store, int64_t systemId, std::string where);
    std::shared_ptr<Subsystem> Add(const std::string& name);
    // Removes a subsystem; its devices stay in their other subsystems, or go with it.
    void Remove(std::string_view name);

  private:
    std::shared_ptr<Store> store_;
    int64_t systemId_;
};

class System : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    void Open();
    void Close();
    bool IsOpen() const { return open_; }
    int Mode() const;  // 0 on-net, 1 off-net
    void SetMode(int mode);
    netdb::Subsystems Subsystems() const;
    netdb::TemplateLibrary TemplateLibrary() const;
    netdb::CommandList CommandList() const;
    // Every device of the system, whatever its subsystems.
    netdb::AppDevices AppDevices() const;
    // Connection options a director sets after opening; stored, not interpreted.
    bool BoolOption() const;
    void SetBoolOption(bool on);
    int NumericOption() const;
    void SetNumericOption(int value);
    int NumericSetting() const;
    void SetNumericSetting(int value);

  private:
    bool open_ = false;
};

class Network : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    void Open();
    void Close();
    bool IsOpen() const { return open_; }
    // The network's systems (one, named like the network); the network must be open.
    Collection<System> Systems() const;

  private:
    bool open_ = false;
};

class Networks : public Collection<Network> {
  public:
    Networks(std::shared_ptr<Store> store);
    // Creates a network with its one system.
    std::shared_ptr<Network> Add(const std::string& name);
    void Remove(std::string_view name);

  private:
    std::shared_ptr<Store> store_;
};

}  // namespace netdb
