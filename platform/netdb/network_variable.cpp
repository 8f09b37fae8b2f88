#include "platform/netdb/network_variable.h"

#include "platform/netdb/app_device.h"
#include "platform/netdb/db_helpers.h"
#include "platform/netdb/device_behaviour.h"
#include "platform/netdb/values/value_types.h"

namespace netdb {
using detail::error;
using detail::inQuotes;
namespace errc = platform::errc;

std::string Connection::Name() const { return "Connection " + std::to_string(id_); }
std::shared_ptr<NetworkVariable> Connection::Hub() const {
    return store_->object<NetworkVariable>(store_->integer("connection", "nv_id", id_));
}
std::shared_ptr<NetworkVariable> Connection::Target() const {
    int64_t peer =
        detail::scalar(store_->db(), "SELECT peer_nv_id FROM connection WHERE id = ?", {id_}, 0);
    return peer ? store_->object<NetworkVariable>(peer) : nullptr;
}

std::string NetworkVariable::Name() const { return store_->text("nv", "name", id_); }
int NetworkVariable::Index() const {
    return static_cast<int>(store_->integer("nv", "nv_index", id_));
}
bool NetworkVariable::IsOutput() const { return store_->text("nv", "direction", id_) == "output"; }
std::string NetworkVariable::Owner() const {
    auto st = store_->db().prepare(
        "SELECT b.name FROM nv JOIN block b ON b.holder_kind = nv.holder_kind"
        " AND b.holder_id = nv.holder_id AND b.position = nv.block_pos WHERE nv.id = ?");
    st.bind(1, id_);
    return st.step() ? st.text(0) : std::string();
}

namespace {
struct NvRow {
    Holder holder;
    int64_t holderId;
    int index;
    std::string name, type, value;
};

NvRow nvRow(Store& store, int64_t id) {
    auto st = store.db().prepare(
        "SELECT holder_kind, holder_id, nv_index, name, type, value FROM nv WHERE id = ?");
    st.bind(1, id);
    if (!st.step())
        throw error(errc::kNotFound, "The network variable no longer exists in the database");
    return NvRow{static_cast<Holder>(st.integer(0)),
                 st.integer(1),
                 static_cast<int>(st.integer(2)),
                 st.text(3),
                 st.text(4),
                 st.text(5)};
}

void notify(Store& store, const NvRow& r, ValueAccess::Kind kind, const std::string* written) {
    if (r.holder != Holder::Device || !store.behaviour) return;
    auto device = store.object<AppDevice>(r.holderId);
    ValueAccess access{kind, *device, r.index, {}};
    if (written)
        store.behaviour->afterWrite(access, *written);
    else
        store.behaviour->beforeAccess(access);
}
}  // namespace

std::string NetworkVariable::Value() const {
    NvRow r = nvRow(*store_, id_);
    if (r.holder == Holder::Device && store_->behaviour) {
        notify(*store_, r, ValueAccess::Kind::ReadNv, nullptr);
        r = nvRow(*store_, id_);  // the simulator may have changed it
    }
    return values::format(r.type, r.value, store_->decimalSeparator());
}

void NetworkVariable::SetValue(const std::string& text) {
    NvRow r = nvRow(*store_, id_);
    std::string canonical;
    try {
        canonical = values::parse(r.type, text, store_->decimalSeparator());
    } catch (const platform::Error& e) {
        detail::rethrowValueError(e, r.name);
    }
    notify(*store_, r, ValueAccess::Kind::WriteNv, nullptr);
    store_->update("nv", "value", id_, canonical);
    notify(*store_, r, ValueAccess::Kind::WriteNv, &canonical);
}

netdb::ConfigProperties NetworkVariable::ConfigProperties() const {
    NvRow r = nvRow(*store_, id_);
    return propertiesOf(store_, r.holder, r.holderId, CpOwner::Nv, r.index, r.name);
}

Collection<Connection> NetworkVariable::Connections() const {
    auto store = store_;
    int64_t id = id_;
    return Collection<Connection>("connection", Name(), [store, id] {
        return detail::objectsFrom<Connection>(
            store, "SELECT id FROM connection WHERE nv_id = ? OR peer_nv_id = ? ORDER BY id",
            {id, id});
    });
}

std::shared_ptr<Connection> NetworkVariable::Connect(const std::shared_ptr<NetworkVariable>& peer) {
    if (peer && peer->id() == id_)
        throw error(errc::kInvalidValue, "A network variable cannot be bound to itself");
    auto& db = store_->db();
    int64_t id = 0;
    db.transaction([&] {
        auto st = db.prepare("INSERT INTO connection(nv_id, peer_nv_id) VALUES(?, ?)");
        st.bind(1, id_);
        if (peer)
            st.bind(2, peer->id());
        else
            st.bindNull(2);
        st.run();
        id = db.lastInsertId();
    });
    return store_->object<Connection>(id);
}

int NetworkVariable::Disconnect() {
    auto& db = store_->db();
    int n = 0;
    db.transaction([&] {
        db.prepare("DELETE FROM connection WHERE nv_id = ? OR peer_nv_id = ?")
            .bind(1, id_)
            .bind(2, id_)
            .run();
        n = db.changes();
    });
    return n;
}

std::string NetworkVariable::TypeName() const { return store_->text("nv", "type", id_); }
int NetworkVariable::TypeIndex() const { return values::standardTypeIndex(TypeName()); }

void NetworkVariable::refuseWhileBound(const std::string& what) const {
    if (Connections().Count() > 0)
        throw error(errc::kState,
                    "Cannot " + what + " of " + Name() + ": the network variable is bound");
}

void NetworkVariable::SetTypeIndex(int index) {
    refuseWhileBound("change the type");
    pendingIndex_ = index;
}

void NetworkVariable::SetTypeName(const std::string& name) {
    refuseWhileBound("change the type");
    pendingName_ = name;
}

void NetworkVariable::Commit() {
    if (!pendingIndex_ && !pendingName_) return;
    auto clear = [this] {
        pendingIndex_.reset();
        pendingName_.reset();
    };
    try {
        refuseWhileBound("commit the type change");
        std::string type = pendingName_ ? *pendingName_ : values::typeNameOfIndex(*pendingIndex_);
        if (!values::isKnownType(type))
            throw error(errc::kInvalidValue,
                        "Unknown value type " + inQuotes(type) + " for " + Name());
        if (pendingName_ && pendingIndex_) {
            // Both were set: they must name the same standard type.
            int known = -1;
            try {
                known = values::standardTypeIndex(type);
            } catch (const platform::Error&) {
                known = -1;  // a user type has no standard index to compare with
            }
            if (known >= 0 && known != *pendingIndex_)
                throw error(errc::kInvalidValue,
                            "The type index " + std::to_string(*pendingIndex_) +
                                " does not belong to the type " + inQuotes(type));
        }
        auto& db = store_->db();
        db.transaction([&] {
            db.prepare("UPDATE nv SET type = ?, value = ? WHERE id = ?")
                .bind(1, type)
                .bind(2, values::defaultValue(type))
                .bind(3, id_)
                .run();
        });
    } catch (...) {
        clear();
        throw;
    }
    clear();
}

NetworkVariables::NetworkVariables(std::shared_ptr<Store> store, Holder holder, int64_t holderId,
                                   std::string where)
    : Collection("network variable", std::move(where),
                 [store, holder, holderId] {
                     return detail::objectsFrom<NetworkVariable>(
                         store,
                         "SELECT id FROM nv WHERE holder_kind = ? AND holder_id = ?"
                         " ORDER BY nv_index",
                         {static_cast<int64_t>(holder), holderId});
                 }),
      store_(std::move(store)),
      holder_(holder),
      holderId_(holderId) {}

std::shared_ptr<NetworkVariable> NetworkVariables::Item(int deviceIndex) const {
    int64_t id = detail::scalar(
        store_->db(), "SELECT id FROM nv WHERE holder_kind = ? AND holder_id = ? AND nv_index = ?",
        {static_cast<int64_t>(holder_), holderId_, deviceIndex}, 0);
    if (!id)
        throw platform::Error(
            errc::kNotFound, "netdb",
            "No network variable with the index " + std::to_string(deviceIndex) + " in " + where_);
    return store_->object<NetworkVariable>(id);
}

NetworkVariables variablesOf(const std::shared_ptr<Store>& store, Holder holder, int64_t holderId,
                             const std::string& where) {
    return NetworkVariables(store, holder, holderId, where);
}

}  // namespace netdb
