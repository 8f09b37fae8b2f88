#pragma once
// The network database service of one platform home. Open it, take a network from Networks(),
// open it, take its first system, and reach subsystems, devices and templates from there:
//
//   netdb::ObjectServer server;  // $QBX_HOME
//   server.Open();
//   auto net = server.Networks().Item("Demo");
//   net->Open();
//   auto sys = net->Systems().Item(1);
//   auto dev = sys->Subsystems().Item("Floor 1")->AppDevices().Item("MBX 1");
//   auto cp = netdb::propertyByReference(*dev, "F:0/C:3:40");  // property_reference.h
//   cp->SetValue("18,5");
//
// Every value is read from the database on each access, so several processes can share it.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/netdb/collection.h"
#include "platform/netdb/command_list.h"
#include "platform/netdb/network.h"
#include "platform/netdb/store.h"

namespace netdb {

class DeviceBehaviour;

class NetworkInterface : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
};

class ObjectServer {
  public:
    explicit ObjectServer(std::filesystem::path home);
    ObjectServer();  // the platform home ($QBX_HOME)
    ~ObjectServer();

    void Open();
    void Close();
    bool IsOpen() const;

    // Client settings of this process: whether it is a remote client, its connection flags
    // (0x10 connect over the Internet, 0x20 over a named interface) and the option that a
    // director clears before every open. They change nothing in the local database.
    bool RemoteClient() const { return remote_; }
    void SetRemoteClient(bool on) { remote_ = on; }
    uint32_t ConnectionFlags() const { return connectionFlags_; }
    void SetConnectionFlags(uint32_t flags) { connectionFlags_ = flags; }
    bool OpenOption() const { return openOption_; }
    void SetOpenOption(bool on) { openOption_ = on; }

    // "Local" and "Internet"; the active one is "Local" until another is selected.
    Collection<NetworkInterface> NetworkInterfaces() const;
    std::shared_ptr<NetworkInterface> ActiveNetworkInterface() const;
    void SetActiveNetworkInterface(const std::shared_ptr<NetworkInterface>& ni);

    netdb::Networks Networks() const;
    netdb::CommandList CommandList() const;

    // Installs the device simulator's hook (null: none).
    void SetDeviceBehaviour(std::shared_ptr<DeviceBehaviour> behaviour);

    const std::shared_ptr<Store>& store() const { return store_; }

  private:
    std::shared_ptr<Store> store_;
    bool remote_ = false;
    uint32_t connectionFlags_ = 0;
    bool openOption_ = false;
    std::string activeInterface_ = "Local";
};

}  // namespace netdb
