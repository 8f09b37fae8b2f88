#include "platform/netdb/db_helpers.h"

namespace netdb::detail {

int64_t scalar(platform::SqliteDb& db, const std::string& sql,
               std::initializer_list<int64_t> params, int64_t fallback) {
    auto st = db.prepare(sql);
    int i = 1;
    for (int64_t p : params) st.bind(i++, p);
    return st.step() && !st.isNull(0) ? st.integer(0) : fallback;
}

void deleteHolderRows(platform::SqliteDb& db, Holder holder, int64_t holderId) {
    auto kind = static_cast<int64_t>(holder);
    db.prepare(
          "DELETE FROM command WHERE list_kind = ? AND list_id IN"
          " (SELECT id FROM block WHERE holder_kind = ? AND holder_id = ?)")
        .bind(1, static_cast<int64_t>(ListOwner::Block))
        .bind(2, kind)
        .bind(3, holderId)
        .run();
    for (const char* table : {"block", "nv", "cp"})
        db.prepare(std::string("DELETE FROM ") + table + " WHERE holder_kind = ? AND holder_id = ?")
            .bind(1, kind)
            .bind(2, holderId)
            .run();
}

void rethrowValueError(const platform::Error& e, const std::string& target) {
    throw platform::Error(e.number, e.source, target + ": " + e.description);
}

}  // namespace netdb::detail
