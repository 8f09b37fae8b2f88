#include "platform/netdb/network.h"

#include "platform/netdb/db_helpers.h"

namespace netdb {
using detail::error;
using detail::inQuotes;
namespace errc = platform::errc;

// Subsystem ------------------------------------------------------------------------------------

std::string Subsystem::Name() const { return store_->text("subsystem", "name", id_); }
std::string Subsystem::Path() const { return Name(); }

AppDevices Subsystem::AppDevices() const {
    auto store = store_;
    int64_t id = id_;
    return netdb::AppDevices(
        Collection<AppDevice>("device", "subsystem " + inQuotes(Name()),
                              [store, id] {
                                  return detail::objectsFrom<AppDevice>(
                                      store,
                                      "SELECT device_id FROM device_subsystem"
                                      " WHERE subsystem_id = ? ORDER BY device_id",
                                      {id});
                              }),
        store_, id_);
}

Subsystems::Subsystems(std::shared_ptr<Store> store, int64_t systemId, std::string where)
    : Collection("subsystem", std::move(where),
                 [store, systemId] {
                     return detail::objectsFrom<Subsystem>(
                         store, "SELECT id FROM subsystem WHERE system_id = ? ORDER BY id",
                         {systemId});
                 }),
      store_(std::move(store)),
      systemId_(systemId) {}

std::shared_ptr<Subsystem> Subsystems::Add(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        throw error(errc::kInvalidValue, "A subsystem name must be non-empty and without \"/\"");
    auto& db = store_->db();
    int64_t id = 0;
    db.transaction([&] {
        if (find(name))
            throw error(errc::kState,
                        "The subsystem " + inQuotes(name) + " already exists in " + where_);
        db.prepare("INSERT INTO subsystem(system_id, name) VALUES(?, ?)")
            .bind(1, systemId_)
            .bind(2, name)
            .run();
        id = db.lastInsertId();
    });
    return store_->object<Subsystem>(id);
}

void Subsystems::Remove(std::string_view name) {
    auto sub = Item(name);
    auto& db = store_->db();
    db.transaction([&] {
        // Devices that belong to no other subsystem go with it.
        auto st = db.prepare(
            "SELECT device_id FROM device_subsystem WHERE subsystem_id = ? AND device_id NOT IN"
            " (SELECT device_id FROM device_subsystem WHERE subsystem_id <> ?)");
        st.bind(1, sub->id()).bind(2, sub->id());
        std::vector<int64_t> orphans;
        while (st.step()) orphans.push_back(st.integer(0));
        for (int64_t d : orphans) {
            detail::deleteHolderRows(db, Holder::Device, d);
            db.prepare("DELETE FROM app_device WHERE id = ?").bind(1, d).run();
        }
        db.prepare("DELETE FROM subsystem WHERE id = ?").bind(1, sub->id()).run();
    });
}

// System ---------------------------------------------------------------------------------------

std::string System::Name() const { return store_->text("system", "name", id_); }
void System::Open() {
    store_->integer("system", "id", id_);  // fails when closed or deleted
    open_ = true;
}
void System::Close() { open_ = false; }
int System::Mode() const { return static_cast<int>(store_->integer("system", "mode", id_)); }
void System::SetMode(int mode) { store_->update("system", "mode", id_, mode); }

netdb::Subsystems System::Subsystems() const {
    return netdb::Subsystems(store_, id_, "system " + inQuotes(Name()));
}
netdb::TemplateLibrary System::TemplateLibrary() const {
    return netdb::TemplateLibrary(store_, id_, "system " + inQuotes(Name()));
}
netdb::CommandList System::CommandList() const {
    return netdb::CommandList(store_, ListOwner::System, id_, "system " + inQuotes(Name()));
}
netdb::AppDevices System::AppDevices() const {
    auto store = store_;
    int64_t id = id_;
    return netdb::AppDevices(
        Collection<AppDevice>(
            "device", "system " + inQuotes(Name()),
            [store, id] {
                return detail::objectsFrom<AppDevice>(
                    store, "SELECT id FROM app_device WHERE system_id = ? ORDER BY id", {id});
            }),
        store_, 0);
}

bool System::BoolOption() const { return store_->integer("system", "bool_option", id_) != 0; }
void System::SetBoolOption(bool on) { store_->update("system", "bool_option", id_, on ? 1 : 0); }
int System::NumericOption() const {
    return static_cast<int>(store_->integer("system", "num_option", id_));
}
void System::SetNumericOption(int v) { store_->update("system", "num_option", id_, v); }
int System::NumericSetting() const {
    return static_cast<int>(store_->integer("system", "num_setting", id_));
}
void System::SetNumericSetting(int v) { store_->update("system", "num_setting", id_, v); }

// Network --------------------------------------------------------------------------------------

std::string Network::Name() const { return store_->text("network", "name", id_); }
void Network::Open() {
    store_->integer("network", "id", id_);  // fails when closed or deleted
    open_ = true;
}
void Network::Close() { open_ = false; }

Collection<System> Network::Systems() const {
    if (!open_) throw error(errc::kState, "The network " + inQuotes(Name()) + " is not open");
    auto store = store_;
    int64_t id = id_;
    return Collection<System>("system", "network " + inQuotes(Name()), [store, id] {
        return detail::objectsFrom<System>(
            store, "SELECT id FROM system WHERE network_id = ? ORDER BY id", {id});
    });
}

Networks::Networks(std::shared_ptr<Store> store)
    : Collection("network", "the network database",
                 [store] {
                     return detail::objectsFrom<Network>(store,
                                                         "SELECT id FROM network ORDER BY id", {});
                 }),
      store_(std::move(store)) {}

std::shared_ptr<Network> Networks::Add(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos)
        throw error(errc::kInvalidValue, "A network name must be non-empty and without \"/\"");
    auto& db = store_->db();
    int64_t id = 0;
    db.transaction([&] {
        if (find(name))
            throw error(errc::kState, "The network " + inQuotes(name) + " already exists");
        db.prepare("INSERT INTO network(name) VALUES(?)").bind(1, name).run();
        id = db.lastInsertId();
        db.prepare("INSERT INTO system(network_id, name) VALUES(?, ?)")
            .bind(1, id)
            .bind(2, name)
            .run();
    });
    return store_->object<Network>(id);
}

void Networks::Remove(std::string_view name) {
    auto net = Item(name);
    auto& db = store_->db();
    db.transaction([&] {
        auto st = db.prepare(
            "SELECT 2, d.id FROM app_device d JOIN system s ON d.system_id = s.id"
            " WHERE s.network_id = ? UNION ALL"
            " SELECT 1, t.id FROM device_template t JOIN system s ON t.system_id = s.id"
            " WHERE s.network_id = ?");
        st.bind(1, net->id()).bind(2, net->id());
        std::vector<std::pair<Holder, int64_t>> holders;
        while (st.step()) holders.emplace_back(static_cast<Holder>(st.integer(0)), st.integer(1));
        for (auto [holder, hid] : holders) {
            detail::deleteHolderRows(db, holder, hid);
            if (holder == Holder::Template)
                db.prepare("DELETE FROM command WHERE list_kind = ? AND list_id = ?")
                    .bind(1, static_cast<int64_t>(ListOwner::Template))
                    .bind(2, hid)
                    .run();
        }
        db.prepare(
              "DELETE FROM command WHERE list_kind = ? AND list_id IN"
              " (SELECT id FROM system WHERE network_id = ?)")
            .bind(1, static_cast<int64_t>(ListOwner::System))
            .bind(2, net->id())
            .run();
        db.prepare(
              "DELETE FROM app_device WHERE system_id IN"
              " (SELECT id FROM system WHERE network_id = ?)")
            .bind(1, net->id())
            .run();
        db.prepare("DELETE FROM network WHERE id = ?").bind(1, net->id()).run();
    });
}

}  // namespace netdb
