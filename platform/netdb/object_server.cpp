#include "platform/netdb/object_server.h"

#include "platform/core/paths.h"
#include "platform/netdb/db_helpers.h"
#include "platform/netdb/device_behaviour.h"

namespace netdb {

std::string NetworkInterface::Name() const {
    return store_->text("network_interface", "name", id_);
}

ObjectServer::ObjectServer(std::filesystem::path home)
    : store_(std::make_shared<Store>(std::move(home))) {}
ObjectServer::ObjectServer() : ObjectServer(platform::qbxHome()) {}
ObjectServer::~ObjectServer() = default;

void ObjectServer::Open() { store_->open(); }
void ObjectServer::Close() { store_->close(); }
bool ObjectServer::IsOpen() const { return store_->isOpen(); }

Collection<NetworkInterface> ObjectServer::NetworkInterfaces() const {
    auto store = store_;
    return Collection<NetworkInterface>("network interface", "the network database", [store] {
        return detail::objectsFrom<NetworkInterface>(
            store, "SELECT id FROM network_interface ORDER BY id", {});
    });
}

std::shared_ptr<NetworkInterface> ObjectServer::ActiveNetworkInterface() const {
    return NetworkInterfaces().find(activeInterface_);
}

void ObjectServer::SetActiveNetworkInterface(const std::shared_ptr<NetworkInterface>& ni) {
    if (!ni) throw detail::error(platform::errc::kInvalidValue, "No network interface given");
    activeInterface_ = ni->Name();
}

Networks ObjectServer::Networks() const { return netdb::Networks(store_); }

CommandList ObjectServer::CommandList() const {
    return netdb::CommandList(store_, ListOwner::Service, 0, "the service");
}

void ObjectServer::SetDeviceBehaviour(std::shared_ptr<DeviceBehaviour> behaviour) {
    store_->behaviour = std::move(behaviour);
}

}  // namespace netdb
