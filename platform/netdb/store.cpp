#include "platform/netdb/store.h"

#include <algorithm>

#include "platform/core/error.h"
#include "platform/netdb/schema.h"
#include "platform/registry/registry.h"

namespace netdb {
namespace fs = std::filesystem;
using platform::Error;
namespace errc = platform::errc;

Store::Store(fs::path h) : home(std::move(h)) {}
Store::~Store() = default;

fs::path Store::databaseFile(const fs::path& home) { return home / "netdb.db"; }

void Store::open() {
    if (db_) return;
    fs::create_directories(home);
    auto db = std::make_unique<platform::SqliteDb>(databaseFile(home));
    migrateSchema(*db);
    db_ = std::move(db);
}

void Store::close() { db_.reset(); }

void Store::purge() {
    std::erase_if(objects_, [](const auto& entry) { return entry.second.expired(); });
    purgeAt_ = std::max<size_t>(1024, objects_.size() * 2);
}

platform::SqliteDb& Store::db() {
    if (!db_) throw Error(errc::kState, "netdb", "The network database service is not open");
    return *db_;
}

char Store::decimalSeparator() {
    if (!registry_) registry_ = std::make_unique<platform::Registry>(home / "registry.db");
    std::string s =
        registry_->getString(platform::Hive::User, "Control Panel\\International", "sDecimal");
    return s.empty() ? ',' : s[0];
}

namespace {
std::string selectSql(std::string_view table, std::string_view column) {
    return "SELECT " + std::string(column) + " FROM " + std::string(table) + " WHERE id = ?";
}
[[noreturn]] void gone(std::string_view table, int64_t id) {
    throw Error(errc::kNotFound, "netdb",
                "The " + std::string(table) + " object " + std::to_string(id) +
                    " no longer exists in the network database");
}
}  // namespace

std::string Store::text(std::string_view table, std::string_view column, int64_t id) {
    auto st = db().prepare(selectSql(table, column));
    st.bind(1, id);
    if (!st.step()) gone(table, id);
    return st.text(0);
}

int64_t Store::integer(std::string_view table, std::string_view column, int64_t id) {
    auto st = db().prepare(selectSql(table, column));
    st.bind(1, id);
    if (!st.step()) gone(table, id);
    return st.integer(0);
}

namespace {
template <class V>
void updateColumn(platform::SqliteDb& d, std::string_view table, std::string_view column,
                  int64_t id, V v) {
    d.transaction([&] {
        d.prepare("UPDATE " + std::string(table) + " SET " + std::string(column) +
                  " = ? WHERE id = ?")
            .bind(1, v)
            .bind(2, id)
            .run();
        if (d.changes() == 0) gone(table, id);
    });
}
}  // namespace

void Store::update(std::string_view table, std::string_view column, int64_t id,
                   std::string_view v) {
    updateColumn(db(), table, column, id, v);
}

void Store::update(std::string_view table, std::string_view column, int64_t id, int64_t v) {
    updateColumn(db(), table, column, id, v);
}

}  // namespace netdb
