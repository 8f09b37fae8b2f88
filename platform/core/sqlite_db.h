#pragma once
// A small RAII layer over SQLite for the platform's stores (registry, network database).
// Every failure becomes a platform::Error naming the database file and SQLite's message.

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class SqliteStmt {
public:
    SqliteStmt(sqlite3* db, std::string_view sql, const std::string& dbName);
    ~SqliteStmt();
    SqliteStmt(const SqliteStmt&) = delete;
    SqliteStmt& operator=(const SqliteStmt&) = delete;

    // Parameters are 1-based as in SQLite; bind() returns *this so calls chain.
    SqliteStmt& bind(int i, std::string_view text);
    SqliteStmt& bind(int i, int64_t value);
    SqliteStmt& bind(int i, int value) { return bind(i, static_cast<int64_t>(value)); }
    SqliteStmt& bind(int i, double value);
    SqliteStmt& bindNull(int i);

    // Advances to the next row; false when done.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    std::string text(int col) const;
    int64_t integer(int col) const;
    double real(int col) const;
    bool isNull(int col) const;

private:
    void check(int rc) const;
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    const std::string& dbName_;
};

class SqliteDb {
public:
    // Opens (creating when missing) a database in WAL mode with a busy timeout, so two processes
    // can use it at once.
    explicit SqliteDb(const std::filesystem::path& file);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    void exec(std::string_view sql);
    SqliteStmt prepare(std::string_view sql) { return SqliteStmt(db_, sql, name_); }
    int64_t lastInsertId() const { return sqlite3_last_insert_rowid(db_); }
    int changes() const { return sqlite3_changes(db_); }

    // Runs fn inside one transaction (BEGIN IMMEDIATE ... COMMIT); rolls back when fn throws.
    // Nested calls become savepoints of the outer transaction.
    void transaction(const std::function<void()>& fn);

    const std::string& name() const { return name_; }
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    std::string name_;
    int txDepth_ = 0;
};

}  // namespace platform
