#pragma once
// Device templates and the system's template library. A template is filled by importing a XIF
// file; devices created from it start with its preset values.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/netdb/app_device.h"
#include "platform/netdb/collection.h"
#include "platform/netdb/command_list.h"
#include "platform/netdb/device_interface.h"
#include "platform/netdb/store.h"

namespace netdb {

class DeviceTemplate : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;
    std::string ProgramId() const;  // empty until a XIF file was imported
    // The key text the template is found by in the library: its program ID.
    std::string Key() const { return ProgramId(); }
    std::string Model() const;
    netdb::CommandList CommandList() const;
    netdb::AppDevices AppDevices() const;
    netdb::UnifexObjects UnifexObjects() const;
    DeviceInterface Interface() const;

    // Replaces the template's interface with the XIF file's; a malformed file changes nothing
    // and fails with an error naming the file and the line.
    void Import(const std::filesystem::path& xifFile);
};

class DeviceTemplates : public Collection<DeviceTemplate> {
  public:
    DeviceTemplates(std::shared_ptr<Store> store, int64_t systemId, std::string where);
    // Finds by name, else by program ID.
    std::shared_ptr<DeviceTemplate> find(std::string_view nameOrProgramId) const override;
    // Adds an empty template; `kind` 1 is a device template (the only kind there is).
    std::shared_ptr<DeviceTemplate> Add(const std::string& name, int kind);
    // Removes a template no device uses.
    void Remove(std::string_view name);

  private:
    std::shared_ptr<Store> store_;
    int64_t systemId_;
};

class TemplateLibrary {
  public:
    TemplateLibrary(std::shared_ptr<Store> store, int64_t systemId, std::string where)
        : store_(std::move(store)), systemId_(systemId), where_(std::move(where)) {}
    DeviceTemplates deviceTemplates() const { return {store_, systemId_, where_}; }

  private:
    std::shared_ptr<Store> store_;
    int64_t systemId_;
    std::string where_;
};

}  // namespace netdb
