#pragma once
// A network variable of a device (or a template's preset): its value as formatted text, its
// properties, its bindings, its type change (set type index and/or type name, then commit; refused
// while bound) and its monitoring settings.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/netdb/collection.h"
#include "platform/netdb/config_property.h"
#include "platform/netdb/store.h"

namespace netdb {

class NetworkVariable;

// One binding of a variable; the peer may be absent (a binding to outside the database).
class Connection : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;  // "Connection <id>"
    std::shared_ptr<NetworkVariable> Hub() const;
    std::shared_ptr<NetworkVariable> Target() const;  // null when unbound at the other end
};

// Monitoring settings the plug-in sets on a variable; the service's monitoring reads them.
struct MonitorSettings {
    bool hold = false;     // while true the variable's monitoring is held back
    int pollInterval = 0;  // tenths of a second
    bool enabled = false;
    bool option1 = false;
    bool option2 = false;
    int mode = 0;
    int32_t tag = 0;  // reported with each update; 0 = none
};

class NetworkVariable : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    int Index() const;  // the device index
    bool IsOutput() const;
    std::string Owner() const;  // the name of the owning functional block

    std::string Value() const;
    void SetValue(const std::string& text);

    netdb::ConfigProperties ConfigProperties() const;

    Collection<Connection> Connections() const;
    // Binds the variable (to `peer` when given); returns the new binding.
    std::shared_ptr<Connection> Connect(const std::shared_ptr<NetworkVariable>& peer = nullptr);
    // Removes every binding of the variable; returns how many there were.
    int Disconnect();

    // The type: read from the database; a set type index or name is pending until Commit.
    std::string TypeName() const;
    int TypeIndex() const;
    void SetTypeIndex(int index);
    void SetTypeName(const std::string& name);
    // Applies the pending type; the value becomes the new type's default. Refused while bound.
    void Commit();

    MonitorSettings monitor;

  private:
    void refuseWhileBound(const std::string& what) const;
    std::optional<int> pendingIndex_;
    std::optional<std::string> pendingName_;
};

// The variables of a holder. Unlike other collections, `Item(int)` takes the device index.
class NetworkVariables : public Collection<NetworkVariable> {
  public:
    NetworkVariables(std::shared_ptr<Store> store, Holder holder, int64_t holderId,
                     std::string where);
    using Collection::Item;
    std::shared_ptr<NetworkVariable> Item(int deviceIndex) const;

  private:
    std::shared_ptr<Store> store_;
    Holder holder_;
    int64_t holderId_;
};

NetworkVariables variablesOf(const std::shared_ptr<Store>& store, Holder holder, int64_t holderId,
                             const std::string& where);

}  // namespace netdb
