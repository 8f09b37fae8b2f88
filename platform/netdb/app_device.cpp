#include "platform/netdb/app_device.h"

#include <random>

#include "platform/netdb/db_helpers.h"
#include "platform/netdb/device_template.h"
#include "platform/netdb/network.h"

namespace netdb {
using detail::error;
using detail::inQuotes;
namespace errc = platform::errc;

std::string AppDevice::Name() const { return store_->text("app_device", "name", id_); }
std::string AppDevice::NodeId() const { return store_->text("app_device", "node_id", id_); }
std::string AppDevice::ProgramId() const { return store_->text("app_device", "program_id", id_); }
int AppDevice::StateCode() const {
    return static_cast<int>(store_->integer("app_device", "state_code", id_));
}
void AppDevice::SetStateCode(int code) { store_->update("app_device", "state_code", id_, code); }
bool AppDevice::StateUnavailable() const {
    return store_->integer("app_device", "state_unavailable", id_) != 0;
}
void AppDevice::SetStateUnavailable(bool on) {
    store_->update("app_device", "state_unavailable", id_, on ? 1 : 0);
}
bool AppDevice::Commissioned() const {
    return store_->integer("app_device", "commissioned", id_) != 0;
}
void AppDevice::SetCommissioned(bool on) {
    store_->update("app_device", "commissioned", id_, on ? 1 : 0);
}

Collection<Subsystem> AppDevice::Subsystems() const {
    auto store = store_;
    int64_t id = id_;
    return Collection<Subsystem>("subsystem", "device " + inQuotes(Name()), [store, id] {
        return detail::objectsFrom<Subsystem>(
            store, "SELECT subsystem_id FROM device_subsystem WHERE device_id = ? ORDER BY ord",
            {id});
    });
}

DeviceInterface AppDevice::Interface() const {
    return DeviceInterface(store_, Holder::Device, id_, "device " + inQuotes(Name()));
}

std::shared_ptr<DeviceTemplate> AppDevice::Template() const {
    return store_->object<DeviceTemplate>(store_->integer("app_device", "template_id", id_));
}

AppDevices::AppDevices(Collection<AppDevice> base, std::shared_ptr<Store> store,
                       int64_t subsystemId)
    : Collection(std::move(base)), store_(std::move(store)), subsystemId_(subsystemId) {}

namespace {
// A random 48-bit node ID, as a device's neuron would carry one.
std::string newNodeId(platform::SqliteDb& db) {
    static std::mt19937_64 gen{std::random_device{}()};
    for (;;) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%012llX",
                      static_cast<unsigned long long>(gen() & 0xFFFFFFFFFFFFull));
        auto st = db.prepare("SELECT 1 FROM app_device WHERE node_id = ?");
        st.bind(1, std::string_view(buf));
        if (!st.step()) return buf;
    }
}
}  // namespace

std::shared_ptr<AppDevice> AppDevices::Add(const std::string& name,
                                           const std::shared_ptr<DeviceTemplate>& tmpl) {
    if (!subsystemId_)
        throw error(errc::kState, "Devices are added to a subsystem, not to " + where_);
    if (name.empty()) throw error(errc::kInvalidValue, "A device needs a name");
    if (!tmpl) throw error(errc::kInvalidValue, "A device needs a template");
    auto& db = store_->db();
    int64_t id = 0;
    db.transaction([&] {
        if (find(name))
            throw error(errc::kState,
                        "The device " + inQuotes(name) + " already exists in " + where_);
        std::string programId = tmpl->ProgramId();
        if (programId.empty())
            throw error(errc::kState, "The template " + inQuotes(tmpl->Name()) +
                                          " has no interface yet: import a XIF file into it");
        int64_t systemId = store_->integer("subsystem", "system_id", subsystemId_);
        db.prepare(
              "INSERT INTO app_device(system_id, template_id, name, node_id, program_id)"
              " VALUES(?, ?, ?, ?, ?)")
            .bind(1, systemId)
            .bind(2, tmpl->id())
            .bind(3, name)
            .bind(4, newNodeId(db))
            .bind(5, programId)
            .run();
        id = db.lastInsertId();
        db.prepare("INSERT INTO device_subsystem(device_id, subsystem_id, ord) VALUES(?, ?, 1)")
            .bind(1, id)
            .bind(2, subsystemId_)
            .run();
        // The device starts with the template's interface and preset values.
        auto copy = [&](const char* sql) {
            db.prepare(sql)
                .bind(1, static_cast<int64_t>(Holder::Device))
                .bind(2, id)
                .bind(3, static_cast<int64_t>(Holder::Template))
                .bind(4, tmpl->id())
                .run();
        };
        copy(
            "INSERT INTO block(holder_kind, holder_id, position, name, profile_key, mode, status)"
            " SELECT ?, ?, position, name, profile_key, mode, status FROM block"
            " WHERE holder_kind = ? AND holder_id = ? ORDER BY position");
        copy(
            "INSERT INTO nv(holder_kind, holder_id, nv_index, name, direction, type, value,"
            " block_pos) SELECT ?, ?, nv_index, name, direction, type, value, block_pos FROM nv"
            " WHERE holder_kind = ? AND holder_id = ? ORDER BY id");
        copy(
            "INSERT INTO cp(holder_kind, holder_id, owner_kind, owner_ref, scope, type_index,"
            " name, type, elements, value) SELECT ?, ?, owner_kind, owner_ref, scope, type_index,"
            " name, type, elements, value FROM cp WHERE holder_kind = ? AND holder_id = ?"
            " ORDER BY id");
    });
    return store_->object<AppDevice>(id);
}

void AppDevices::Include(const std::shared_ptr<AppDevice>& device) {
    if (!subsystemId_) throw error(errc::kState, "Devices are included in a subsystem");
    auto& db = store_->db();
    db.transaction([&] {
        if (store_->integer("app_device", "system_id", device->id()) !=
            store_->integer("subsystem", "system_id", subsystemId_))
            throw error(errc::kState, "The device " + inQuotes(device->Name()) +
                                          " belongs to another system than " + where_);
        int64_t ord = detail::scalar(
            db, "SELECT max(ord) FROM device_subsystem WHERE device_id = ?", {device->id()}, 0);
        db.prepare(
              "INSERT OR IGNORE INTO device_subsystem(device_id, subsystem_id, ord)"
              " VALUES(?, ?, ?)")
            .bind(1, device->id())
            .bind(2, subsystemId_)
            .bind(3, ord + 1)
            .run();
    });
}

void AppDevices::Remove(std::string_view name) {
    auto device = Item(name);
    auto& db = store_->db();
    db.transaction([&] {
        detail::deleteHolderRows(db, Holder::Device, device->id());
        db.prepare("DELETE FROM app_device WHERE id = ?").bind(1, device->id()).run();
    });
}

}  // namespace netdb
