#pragma once
// A functional block of a device or template ("NodeObject", "Sensor[0]", ...).

#include <cstdint>
#include <memory>
#include <string>

#include "platform/netdb/collection.h"
#include "platform/netdb/command_list.h"
#include "platform/netdb/config_property.h"
#include "platform/netdb/store.h"

namespace netdb {

class UnifexObject : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    int Position() const;  // 0-based position in the holder's block list
    int ProfileKey() const;
    int Mode() const;  // the resource scope the block's profile is looked up at
    void SetMode(int mode);
    // Object status flags; the device simulator maintains them.
    int32_t Status() const;
    void SetStatus(int32_t flags);
    netdb::ConfigProperties ConfigProperties() const;
    CommandList componentApps() const;
};

using UnifexObjects = Collection<UnifexObject>;

UnifexObjects blocksOf(const std::shared_ptr<Store>& store, Holder holder, int64_t holderId,
                       const std::string& where);

}  // namespace netdb
