#include "platform/netdb/config_property.h"

#include "platform/netdb/app_device.h"
#include "platform/netdb/db_helpers.h"
#include "platform/netdb/device_behaviour.h"
#include "platform/netdb/values/value_types.h"

namespace netdb {
using detail::error;
using detail::inQuotes;
namespace errc = platform::errc;

struct ConfigProperty::Row {
    Holder holder;
    int64_t holderId;
    CpOwner owner;
    int ownerRef, scope, typeIndex, elements;
    std::string name, type, value;
};

ConfigProperty::Row ConfigProperty::row() const {
    auto st = store_->db().prepare(
        "SELECT holder_kind, holder_id, owner_kind, owner_ref, scope, type_index, elements,"
        " name, type, value FROM cp WHERE id = ?");
    st.bind(1, id_);
    if (!st.step())
        throw error(errc::kNotFound, "The configuration property no longer exists in the database");
    return Row{static_cast<Holder>(st.integer(0)),
               st.integer(1),
               static_cast<CpOwner>(st.integer(2)),
               static_cast<int>(st.integer(3)),
               static_cast<int>(st.integer(4)),
               static_cast<int>(st.integer(5)),
               static_cast<int>(st.integer(6)),
               st.text(7),
               st.text(8),
               st.text(9)};
}

namespace {
std::string referenceOf(CpOwner owner, int ownerRef, int scope, int typeIndex) {
    std::string tail = "C:" + std::to_string(scope) + ":" + std::to_string(typeIndex);
    switch (owner) {
        case CpOwner::Block:
            return "F:" + std::to_string(ownerRef) + "/" + tail;
        case CpOwner::Nv:
            return "N:" + std::to_string(ownerRef) + "/" + tail;
        case CpOwner::Device:
            break;
    }
    return tail;
}
}  // namespace

std::string ConfigProperty::Name() const { return store_->text("cp", "name", id_); }
std::string ConfigProperty::Type() const { return store_->text("cp", "type", id_); }
int ConfigProperty::Scope() const { return static_cast<int>(store_->integer("cp", "scope", id_)); }
int ConfigProperty::TypeIndex() const {
    return static_cast<int>(store_->integer("cp", "type_index", id_));
}
int ConfigProperty::Elements() const {
    return static_cast<int>(store_->integer("cp", "elements", id_));
}
std::string ConfigProperty::Reference() const {
    Row r = row();
    return referenceOf(r.owner, r.ownerRef, r.scope, r.typeIndex);
}

namespace {
// Lets the device simulator see an access to a device's property.
void notify(Store& store, Holder holder, int64_t holderId, ValueAccess::Kind kind,
            const std::string& ref, const std::string* written) {
    if (holder != Holder::Device || !store.behaviour) return;
    auto device = store.object<AppDevice>(holderId);
    ValueAccess access{kind, *device, -1, ref};
    if (written)
        store.behaviour->afterWrite(access, *written);
    else
        store.behaviour->beforeAccess(access);
}
}  // namespace

std::string ConfigProperty::Value() const {
    Row r = row();
    if (r.holder == Holder::Device && store_->behaviour) {
        notify(*store_, r.holder, r.holderId, ValueAccess::Kind::ReadCp,
               referenceOf(r.owner, r.ownerRef, r.scope, r.typeIndex), nullptr);
        r = row();  // the simulator may have changed it
    }
    char sep = store_->decimalSeparator();
    return r.elements > 1 ? values::formatArray(r.type, r.elements, r.value, sep)
                          : values::format(r.type, r.value, sep);
}

std::string ConfigProperty::Element(int n) const {
    Row r = row();
    if (n < 0 || n >= r.elements)
        throw error(errc::kInvalidValue, r.name + " has no element " + std::to_string(n) +
                                             " (it has " + std::to_string(r.elements) + ")");
    if (r.holder == Holder::Device && store_->behaviour) {
        notify(*store_, r.holder, r.holderId, ValueAccess::Kind::ReadCp,
               referenceOf(r.owner, r.ownerRef, r.scope, r.typeIndex), nullptr);
        r = row();
    }
    auto parts = values::splitArray(r.value);
    std::string element = static_cast<size_t>(n) < parts.size() ? parts[n] : std::string();
    return values::format(r.type, element, store_->decimalSeparator());
}

void ConfigProperty::SetValue(const std::string& text) {
    Row r = row();
    std::string what = r.name + " (" + referenceOf(r.owner, r.ownerRef, r.scope, r.typeIndex) + ")";
    char sep = store_->decimalSeparator();
    std::string canonical;
    try {
        canonical = r.elements > 1 ? values::parseArray(r.type, r.elements, text, sep)
                                   : values::parse(r.type, text, sep);
    } catch (const platform::Error& e) {
        detail::rethrowValueError(e, what);
    }
    if (r.elements > 1 && values::splitArray(canonical).size() != static_cast<size_t>(r.elements))
        throw error(errc::kInvalidValue, what + ": the value " + inQuotes(text) + " of type " +
                                             r.type + " needs " + std::to_string(r.elements) +
                                             " elements separated by \";\"");
    write(r, canonical);
}

void ConfigProperty::SetElement(int n, const std::string& text) {
    Row r = row();
    std::string what = r.name + " (" + referenceOf(r.owner, r.ownerRef, r.scope, r.typeIndex) +
                       ") element " + std::to_string(n);
    if (n < 0 || n >= r.elements)
        throw error(errc::kInvalidValue, r.name + " has no element " + std::to_string(n) +
                                             " (it has " + std::to_string(r.elements) + ")");
    if (text.find(';') != std::string::npos)
        throw error(errc::kInvalidValue, what + ": the value " + inQuotes(text) + " of type " +
                                             r.type + " is more than one element");
    std::string element;
    try {
        element = values::parse(r.type, text, store_->decimalSeparator());
    } catch (const platform::Error& e) {
        detail::rethrowValueError(e, what);
    }
    auto parts = values::splitArray(r.value);
    parts.resize(static_cast<size_t>(r.elements));
    parts[static_cast<size_t>(n)] = element;
    write(r, values::joinArray(parts));
}

void ConfigProperty::write(const Row& r, const std::string& canonical) {
    std::string ref = referenceOf(r.owner, r.ownerRef, r.scope, r.typeIndex);
    notify(*store_, r.holder, r.holderId, ValueAccess::Kind::WriteCp, ref, nullptr);
    store_->update("cp", "value", id_, canonical);
    notify(*store_, r.holder, r.holderId, ValueAccess::Kind::WriteCp, ref, &canonical);
}

ConfigProperties propertiesOf(const std::shared_ptr<Store>& store, Holder holder, int64_t holderId,
                              CpOwner owner, int ownerRef, const std::string& where) {
    return ConfigProperties("configuration property", where, [=] {
        return detail::objectsFrom<ConfigProperty>(
            store,
            "SELECT id FROM cp WHERE holder_kind = ? AND holder_id = ? AND owner_kind = ?"
            " AND owner_ref = ? ORDER BY id",
            {static_cast<int64_t>(holder), holderId, static_cast<int64_t>(owner), ownerRef});
    });
}

}  // namespace netdb
