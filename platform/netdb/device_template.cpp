#include "platform/netdb/device_template.h"

#include "platform/netdb/db_helpers.h"
#include "platform/netdb/xif_parser.h"

namespace netdb {
using detail::error;
using detail::inQuotes;
namespace errc = platform::errc;

std::string DeviceTemplate::Name() const { return store_->text("device_template", "name", id_); }
std::string DeviceTemplate::ProgramId() const {
    return store_->text("device_template", "program_id", id_);
}
std::string DeviceTemplate::Model() const { return store_->text("device_template", "model", id_); }

CommandList DeviceTemplate::CommandList() const {
    return netdb::CommandList(store_, ListOwner::Template, id_, "template " + inQuotes(Name()));
}

AppDevices DeviceTemplate::AppDevices() const {
    auto store = store_;
    int64_t id = id_;
    return netdb::AppDevices(
        Collection<AppDevice>(
            "device", "template " + inQuotes(Name()),
            [store, id] {
                return detail::objectsFrom<AppDevice>(
                    store, "SELECT id FROM app_device WHERE template_id = ? ORDER BY id", {id});
            }),
        store_, 0);
}

UnifexObjects DeviceTemplate::UnifexObjects() const {
    return blocksOf(store_, Holder::Template, id_, "template " + inQuotes(Name()));
}

DeviceInterface DeviceTemplate::Interface() const {
    return DeviceInterface(store_, Holder::Template, id_, "template " + inQuotes(Name()));
}

void DeviceTemplate::Import(const std::filesystem::path& xifFile) {
    XifProgram prog = parseXifFile(xifFile);  // fails before anything is changed
    auto& db = store_->db();
    auto holder = static_cast<int64_t>(Holder::Template);
    db.transaction([&] {
        detail::deleteHolderRows(db, Holder::Template, id_);
        for (const auto& b : prog.blocks)
            db.prepare(
                  "INSERT INTO block(holder_kind, holder_id, position, name, profile_key)"
                  " VALUES(?, ?, ?, ?, ?)")
                .bind(1, holder)
                .bind(2, id_)
                .bind(3, b.position)
                .bind(4, b.name)
                .bind(5, b.profileKey)
                .run();
        for (const auto& v : prog.nvs)
            db.prepare(
                  "INSERT INTO nv(holder_kind, holder_id, nv_index, name, direction, type, value,"
                  " block_pos) VALUES(?, ?, ?, ?, ?, ?, ?, ?)")
                .bind(1, holder)
                .bind(2, id_)
                .bind(3, v.index)
                .bind(4, v.name)
                .bind(5, v.output ? "output" : "input")
                .bind(6, v.type)
                .bind(7, v.value)
                .bind(8, v.block)
                .run();
        for (const auto& c : prog.cps)
            db.prepare(
                  "INSERT INTO cp(holder_kind, holder_id, owner_kind, owner_ref, scope, type_index,"
                  " name, type, elements, value) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .bind(1, holder)
                .bind(2, id_)
                .bind(3, static_cast<int64_t>(c.owner))
                .bind(4, c.ownerRef)
                .bind(5, c.scope)
                .bind(6, c.typeIndex)
                .bind(7, c.name)
                .bind(8, c.type)
                .bind(9, c.elements)
                .bind(10, c.value)
                .run();
        db.prepare("UPDATE device_template SET program_id = ?, model = ? WHERE id = ?")
            .bind(1, prog.programId)
            .bind(2, prog.model)
            .bind(3, id_)
            .run();
    });
}

DeviceTemplates::DeviceTemplates(std::shared_ptr<Store> store, int64_t systemId, std::string where)
    : Collection("device template", "the template library of " + where,
                 [store, systemId] {
                     return detail::objectsFrom<DeviceTemplate>(
                         store, "SELECT id FROM device_template WHERE system_id = ? ORDER BY id",
                         {systemId});
                 }),
      store_(std::move(store)),
      systemId_(systemId) {}

std::shared_ptr<DeviceTemplate> DeviceTemplates::find(std::string_view key) const {
    auto all = load_();
    for (auto& t : all)
        if (t->Name() == key) return t;
    for (auto& t : all)
        if (!key.empty() && t->ProgramId() == key) return t;
    return nullptr;
}

std::shared_ptr<DeviceTemplate> DeviceTemplates::Add(const std::string& name, int kind) {
    if (kind != 1)
        throw error(errc::kInvalidValue, "Unknown template kind " + std::to_string(kind));
    if (name.empty()) throw error(errc::kInvalidValue, "A template needs a name");
    auto& db = store_->db();
    int64_t id = 0;
    db.transaction([&] {
        for (auto& t : load_())
            if (t->Name() == name)
                throw error(errc::kState,
                            "The template " + inQuotes(name) + " already exists in " + where_);
        db.prepare("INSERT INTO device_template(system_id, name) VALUES(?, ?)")
            .bind(1, systemId_)
            .bind(2, name)
            .run();
        id = db.lastInsertId();
    });
    return store_->object<DeviceTemplate>(id);
}

void DeviceTemplates::Remove(std::string_view name) {
    std::shared_ptr<DeviceTemplate> t;
    for (auto& each : load_())
        if (each->Name() == name) t = each;
    if (!t) throw notFound(name);
    auto& db = store_->db();
    db.transaction([&] {
        if (t->AppDevices().Count() > 0)
            throw error(errc::kState, "The template " + inQuotes(t->Name()) + " is used by " +
                                          std::to_string(t->AppDevices().Count()) + " device(s)");
        detail::deleteHolderRows(db, Holder::Template, t->id());
        db.prepare("DELETE FROM command WHERE list_kind = ? AND list_id = ?")
            .bind(1, static_cast<int64_t>(ListOwner::Template))
            .bind(2, t->id())
            .run();
        db.prepare("DELETE FROM device_template WHERE id = ?").bind(1, t->id()).run();
    });
}

}  // namespace netdb
