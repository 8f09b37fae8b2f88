#pragma once
// Small helpers shared by the service's object files (internal to platform/netdb).

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/error.h"
#include "platform/netdb/store.h"

namespace netdb::detail {

// The objects of type T whose ids a query returns; `params` are bound as integers from 1.
template <class T>
std::vector<std::shared_ptr<T>> objectsFrom(const std::shared_ptr<Store>& store,
                                            const std::string& sql,
                                            std::initializer_list<int64_t> params) {
    auto st = store->db().prepare(sql);
    int i = 1;
    for (int64_t p : params) st.bind(i++, p);
    std::vector<std::shared_ptr<T>> out;
    while (st.step()) out.push_back(store->object<T>(st.integer(0)));
    return out;
}

// The first integer column of a query's first row, or `fallback` when there is none.
int64_t scalar(platform::SqliteDb& db, const std::string& sql,
               std::initializer_list<int64_t> params, int64_t fallback = 0);

// Deletes the blocks, variables, properties and block command lists of a template or device.
void deleteHolderRows(platform::SqliteDb& db, Holder holder, int64_t holderId);

inline std::string inQuotes(const std::string& s) { return "\"" + s + "\""; }

inline platform::Error error(int32_t number, const std::string& description) {
    return platform::Error(number, "netdb", description);
}

// Re-raises a value error with the object it was meant for in front of its description.
[[noreturn]] void rethrowValueError(const platform::Error& e, const std::string& target);

}  // namespace netdb::detail
