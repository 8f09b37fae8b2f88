#include "platform/netdb/command_list.h"

#include "platform/netdb/db_helpers.h"

namespace netdb {
using detail::error;
using detail::inQuotes;
namespace errc = platform::errc;

std::string CommandEntry::Name() const { return store_->text("command", "name", id_); }
std::string CommandEntry::AutomationId() const {
    return store_->text("command", "automation_id", id_);
}
int CommandEntry::ObjectType() const {
    return static_cast<int>(store_->integer("command", "object_type", id_));
}
int CommandEntry::CommandCode() const {
    return static_cast<int>(store_->integer("command", "command_code", id_));
}
void CommandEntry::SetCommandCode(int code) {
    store_->update("command", "command_code", id_, code);
}
std::string CommandEntry::Detail() const { return store_->text("command", "detail", id_); }
void CommandEntry::SetDetail(const std::string& d) { store_->update("command", "detail", id_, d); }
std::string CommandEntry::Version() const { return store_->text("command", "version", id_); }
void CommandEntry::SetVersion(const std::string& v) {
    store_->update("command", "version", id_, v);
}
std::string CommandEntry::ManufacturerId() const {
    return store_->text("command", "manufacturer_id", id_);
}
void CommandEntry::SetManufacturerId(const std::string& m) {
    store_->update("command", "manufacturer_id", id_, m);
}
bool CommandEntry::DefaultAction() const {
    return store_->integer("command", "default_action", id_) != 0;
}
void CommandEntry::SetDefaultAction(bool on) {
    store_->update("command", "default_action", id_, on ? 1 : 0);
}

CommandList::CommandList(std::shared_ptr<Store> store, ListOwner owner, int64_t ownerId,
                         std::string where)
    : Collection("command", "the command list of " + where,
                 [store, owner, ownerId] {
                     return detail::objectsFrom<CommandEntry>(
                         store,
                         "SELECT id FROM command WHERE list_kind = ? AND list_id = ? ORDER BY id",
                         {static_cast<int64_t>(owner), ownerId});
                 }),
      store_(std::move(store)),
      owner_(owner),
      ownerId_(ownerId) {}

std::shared_ptr<CommandEntry> CommandList::Add(const std::string& name,
                                               const std::string& automationId, int objectType) {
    if (name.empty()) throw error(errc::kInvalidValue, "A command needs a name");
    auto& db = store_->db();
    int64_t id = 0;
    db.transaction([&] {
        if (find(name))
            throw error(errc::kState,
                        "The command " + inQuotes(name) + " already exists in " + where_);
        db.prepare(
              "INSERT INTO command(list_kind, list_id, name, automation_id, object_type)"
              " VALUES(?, ?, ?, ?, ?)")
            .bind(1, static_cast<int64_t>(owner_))
            .bind(2, ownerId_)
            .bind(3, name)
            .bind(4, automationId)
            .bind(5, objectType)
            .run();
        id = db.lastInsertId();
    });
    return store_->object<CommandEntry>(id);
}

void CommandList::Remove(int position) {
    auto entry = Item(position);
    store_->db().prepare("DELETE FROM command WHERE id = ?").bind(1, entry->id()).run();
}

void CommandList::Remove(std::string_view name) {
    auto entry = Item(name);
    store_->db().prepare("DELETE FROM command WHERE id = ?").bind(1, entry->id()).run();
}

}  // namespace netdb
