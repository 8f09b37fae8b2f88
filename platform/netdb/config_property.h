#pragma once
// A configuration property of a device, a functional block or a network variable. Its value
// travels as formatted text: parsed and checked by its type on write, formatted with the user's
// decimal separator on read. An array property also exposes its elements, counted from 0.

#include <memory>
#include <string>

#include "platform/netdb/collection.h"
#include "platform/netdb/store.h"

namespace netdb {

// What a property belongs to; owner_ref is the block position or the variable's device index.
enum class CpOwner : int { Device = 0, Block = 1, Nv = 2 };

class ConfigProperty : public DbObject {
  public:
    using DbObject::DbObject;
    std::string Name() const;  // "UCPTspMinValue"
    std::string Type() const;  // the value type, "SNVT_temp_p"
    int Scope() const;
    int TypeIndex() const;
    int Elements() const;  // 1 for a plain value
    // "F:0/C:3:40", "N:5/C:0:23" or "C:3:40".
    std::string Reference() const;

    std::string Value() const;
    void SetValue(const std::string& text);
    std::string Element(int n) const;
    void SetElement(int n, const std::string& text);

  private:
    struct Row;
    Row row() const;
    void write(const Row& r, const std::string& canonical);
};

using ConfigProperties = Collection<ConfigProperty>;

// The properties a holder (template or device) gives one owner, in declaration order.
ConfigProperties propertiesOf(const std::shared_ptr<Store>& store, Holder holder, int64_t holderId,
                              CpOwner owner, int ownerRef, const std::string& where);

}  // namespace netdb
