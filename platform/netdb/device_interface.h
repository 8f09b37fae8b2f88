#pragma once
// The interface of a device or template: its network variables (by device index), its
// functional blocks `UnifexObjects` and its own configuration properties.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/netdb/config_property.h"
#include "platform/netdb/network_variable.h"
#include "platform/netdb/store.h"
#include "platform/netdb/unifex_object.h"

namespace netdb {

class DeviceInterface {
  public:
    DeviceInterface(std::shared_ptr<Store> store, Holder holder, int64_t holderId,
                    std::string where)
        : store_(std::move(store)),
          holder_(holder),
          holderId_(holderId),
          where_(std::move(where)) {}

    netdb::NetworkVariables NetworkVariables() const {
        return variablesOf(store_, holder_, holderId_, where_);
    }
    netdb::UnifexObjects UnifexObjects() const {
        return blocksOf(store_, holder_, holderId_, where_);
    }
    netdb::ConfigProperties ConfigProperties() const {
        return propertiesOf(store_, holder_, holderId_, CpOwner::Device, 0, where_);
    }

  private:
    std::shared_ptr<Store> store_;
    Holder holder_;
    int64_t holderId_;
    std::string where_;
};

}  // namespace netdb
