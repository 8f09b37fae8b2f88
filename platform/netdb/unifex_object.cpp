#include "platform/netdb/unifex_object.h"

#include "platform/netdb/db_helpers.h"

namespace netdb {

std::string UnifexObject::Name() const { return store_->text("block", "name", id_); }
int UnifexObject::Position() const {
    return static_cast<int>(store_->integer("block", "position", id_));
}
int UnifexObject::ProfileKey() const {
    return static_cast<int>(store_->integer("block", "profile_key", id_));
}
int UnifexObject::Mode() const { return static_cast<int>(store_->integer("block", "mode", id_)); }
void UnifexObject::SetMode(int mode) { store_->update("block", "mode", id_, mode); }
int32_t UnifexObject::Status() const {
    return static_cast<int32_t>(store_->integer("block", "status", id_));
}
void UnifexObject::SetStatus(int32_t flags) { store_->update("block", "status", id_, flags); }

netdb::ConfigProperties UnifexObject::ConfigProperties() const {
    auto holder = static_cast<Holder>(store_->integer("block", "holder_kind", id_));
    return propertiesOf(store_, holder, store_->integer("block", "holder_id", id_), CpOwner::Block,
                        Position(), Name());
}

CommandList UnifexObject::componentApps() const {
    return CommandList(store_, ListOwner::Block, id_, Name());
}

UnifexObjects blocksOf(const std::shared_ptr<Store>& store, Holder holder, int64_t holderId,
                       const std::string& where) {
    return UnifexObjects("functional block", where, [=] {
        return detail::objectsFrom<UnifexObject>(
            store, "SELECT id FROM block WHERE holder_kind = ? AND holder_id = ? ORDER BY position",
            {static_cast<int64_t>(holder), holderId});
    });
}

}  // namespace netdb
