#include "platform/core/sqlite_db.h"

#include "platform/core/error.h"

namespace platform {
namespace {
[[noreturn]] void fail(sqlite3* db, const std::string& name, int rc) {
    std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw Error(errc::kIo, "database", "Database \"" + name + "\": " + msg);
}
}  // namespace

SqliteStmt::SqliteStmt(sqlite3* db, std::string_view sql, const std::string& dbName)
    : db_(db), dbName_(dbName) {
    int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) fail(db_, dbName_, rc);
}

SqliteStmt::~SqliteStmt() { sqlite3_finalize(stmt_); }

void SqliteStmt::check(int rc) const {
    if (rc != SQLITE_OK) fail(db_, dbName_, rc);
}

SqliteStmt& SqliteStmt::bind(int i, std::string_view text) {
    check(sqlite3_bind_text(stmt_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}
SqliteStmt& SqliteStmt::bind(int i, int64_t value) {
    check(sqlite3_bind_int64(stmt_, i, value));
    return *this;
}
SqliteStmt& SqliteStmt::bind(int i, double value) {
    check(sqlite3_bind_double(stmt_, i, value));
    return *this;
}
SqliteStmt& SqliteStmt::bindNull(int i) {
    check(sqlite3_bind_null(stmt_, i));
    return *this;
}

bool SqliteStmt::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    fail(db_, dbName_, rc);
}

void SqliteStmt::run() {
    while (step()) {
    }
    reset();
}

void SqliteStmt::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string SqliteStmt::text(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, col))) : std::string();
}
int64_t SqliteStmt::integer(int col) const { return sqlite3_column_int64(stmt_, col); }
double SqliteStmt::real(int col) const { return sqlite3_column_double(stmt_, col); }
bool SqliteStmt::isNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }

SqliteDb::SqliteDb(const std::filesystem::path& file) : name_(file.string()) {
    int rc = sqlite3_open_v2(name_.c_str(), &db_,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error(errc::kIo, "database", "Cannot open database \"" + name_ + "\": " + msg);
    }
    sqlite3_busy_timeout(db_, 10000);
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=NORMAL");
    exec("PRAGMA foreign_keys=ON");
}

SqliteDb::~SqliteDb() { sqlite3_close(db_); }

void SqliteDb::exec(std::string_view sql) {
    std::string s(sql);
    char* err = nullptr;
    int rc = sqlite3_exec(db_, s.c_str(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        std::string msg = err ? err : sqlite3_errstr(rc);
        sqlite3_free(err);
        throw Error(errc::kIo, "database", "Database \"" + name_ + "\": " + msg);
    }
}

void SqliteDb::transaction(const std::function<void()>& fn) {
    if (txDepth_ > 0) {
        // A nested transaction is a savepoint: its failure undoes only its own changes.
        exec("SAVEPOINT nested");
        ++txDepth_;
        try {
            fn();
        } catch (...) {
            --txDepth_;
            sqlite3_exec(db_, "ROLLBACK TO nested; RELEASE nested", nullptr, nullptr, nullptr);
            throw;
        }
        --txDepth_;
        exec("RELEASE nested");
        return;
    }
    exec("BEGIN IMMEDIATE");
    txDepth_ = 1;
    try {
        fn();
        txDepth_ = 0;
        exec("COMMIT");
    } catch (...) {
        txDepth_ = 0;
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace platform
