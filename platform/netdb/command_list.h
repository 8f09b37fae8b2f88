#pragma once
// Command lists of the service, a system, a device template or a functional block: the entries
// with which plug-ins register the commands they serve.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/netdb/collection.h"
#include "platform/netdb/store.h"

namespace netdb {

class CommandEntry : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    std::string AutomationId() const;  // the automation identifier of the serving class
    int ObjectType() const;
    int CommandCode() const;
    void SetCommandCode(int code);
    std::string Detail() const;
    void SetDetail(const std::string& detail);
    std::string Version() const;
    void SetVersion(const std::string& version);
    std::string ManufacturerId() const;
    void SetManufacturerId(const std::string& id);
    bool DefaultAction() const;
    void SetDefaultAction(bool on);
};

class CommandList : public Collection<CommandEntry> {
  public:
    CommandList(std::shared_ptr<Store> store, ListOwner owner, int64_t ownerId, std::string where);
    // Adds an entry; a name already in the list is refused.
    std::shared_ptr<CommandEntry> Add(const std::string& name, const std::string& automationId,
                                      int objectType);
    void Remove(int position);
    void Remove(std::string_view name);

  private:
    std::shared_ptr<Store> store_;
    ListOwner owner_;
    int64_t ownerId_;
};

}  // namespace netdb
