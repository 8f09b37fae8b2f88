#include "platform/registry/registry.h"

#include <cstdlib>

#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "platform/core/sqlite_db.h"

namespace platform {
namespace {
int hiveNo(Hive h) { return h == Hive::Machine ? 0 : 1; }

const char* typeName(ValueType t) {
    switch (t) {
        case ValueType::String:
            return "sz";
        case ValueType::ExpandString:
            return "expand_sz";
        case ValueType::Number:
            return "dword";
    }
    return "sz";
}

std::string parentOf(const std::string& key) {
    auto pos = key.rfind('\\');
    return pos == std::string::npos ? std::string() : key.substr(0, pos);
}
}  // namespace

std::string Registry::normalizeKey(std::string_view key) {
    std::string out;
    for (char c : key) {
        char n = c == '/' ? '\\' : c;
        if (n == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += n;
    }
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

Registry::Registry(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    db_ = std::make_unique<SqliteDb>(file);
    db_->exec(
        "CREATE TABLE IF NOT EXISTS reg_key ("
        " hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
        " PRIMARY KEY (hive, path));"
        "CREATE TABLE IF NOT EXISTS reg_value ("
        " hive INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE,"
        " name TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, value BLOB,"
        " PRIMARY KEY (hive, path, name));");
}

Registry::~Registry() = default;

Registry& Registry::instance() {
    static std::unique_ptr<Registry> reg;
    static std::filesystem::path openedHome;
    std::filesystem::path home = qbxHome();
    if (!reg || home != openedHome) {
        reg = std::make_unique<Registry>(home / "registry.db");
        openedHome = home;
    }
    return *reg;
}

std::string Registry::getString(Hive hive, std::string_view key, std::string_view name) const {
    auto st = db_->prepare("SELECT type, value FROM reg_value WHERE hive=? AND path=? AND name=?");
    st.bind(1, hiveNo(hive)).bind(2, normalizeKey(key)).bind(3, name);
    if (!st.step()) return {};
    std::string type = st.text(0);
    if (type != "sz" && type != "expand_sz") return {};
    std::string v = st.text(1);
    if (auto nul = v.find('\0'); nul != std::string::npos) v.resize(nul);
    return v;
}

bool Registry::hasValue(Hive hive, std::string_view key, std::string_view name) const {
    auto st = db_->prepare("SELECT 1 FROM reg_value WHERE hive=? AND path=? AND name=?");
    st.bind(1, hiveNo(hive)).bind(2, normalizeKey(key)).bind(3, name);
    return st.step();
}

void Registry::createKey(Hive hive, std::string_view key) {
    std::string k = normalizeKey(key);
    if (k.empty()) return;
    db_->transaction([&] {
        for (std::string p = k; !p.empty(); p = parentOf(p)) {
            auto st = db_->prepare("INSERT OR IGNORE INTO reg_key(hive, path) VALUES(?, ?)");
            st.bind(1, hiveNo(hive)).bind(2, p).run();
        }
    });
}

void Registry::setString(Hive hive, std::string_view key, std::string_view name,
                         std::string_view value, ValueType type) {
    std::string k = normalizeKey(key);
    if (k.empty()) throw Error(errc::kInvalidValue, "registry", "A value needs a key");
    db_->transaction([&] {
        createKey(hive, k);
        auto st = db_->prepare(
            "INSERT INTO reg_value(hive, path, name, type, value) VALUES(?, ?, ?, ?, ?)"
            " ON CONFLICT(hive, path, name) DO UPDATE SET type=excluded.type, value=excluded.value");
        st.bind(1, hiveNo(hive)).bind(2, k).bind(3, name).bind(4, typeName(type)).bind(5, value);
        st.run();
    });
}

void Registry::deleteValue(Hive hive, std::string_view key, std::string_view name) {
    auto st = db_->prepare("DELETE FROM reg_value WHERE hive=? AND path=? AND name=?");
    st.bind(1, hiveNo(hive)).bind(2, normalizeKey(key)).bind(3, name).run();
}

bool Registry::keyExists(Hive hive, std::string_view key) const {
    auto st = db_->prepare("SELECT 1 FROM reg_key WHERE hive=? AND path=?");
    st.bind(1, hiveNo(hive)).bind(2, normalizeKey(key));
    return st.step();
}

std::vector<std::string> Registry::subkeys(Hive hive, std::string_view key) const {
    std::string k = normalizeKey(key);
    std::string prefix = k.empty() ? std::string() : k + "\\";
    auto st = db_->prepare(
        "SELECT path FROM reg_key WHERE hive=? AND substr(path, 1, ?) = ? COLLATE NOCASE"
        " AND length(path) > ? ORDER BY rowid");
    st.bind(1, hiveNo(hive))
        .bind(2, static_cast<int64_t>(prefix.size()))
        .bind(3, prefix)
        .bind(4, static_cast<int64_t>(prefix.size()));
    std::vector<std::string> out;
    while (st.step()) {
        std::string rest = st.text(0).substr(prefix.size());
        if (rest.find('\\') == std::string::npos) out.push_back(rest);
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> Registry::values(Hive hive,
                                                                   std::string_view key) const {
    auto st = db_->prepare(
        "SELECT name, value FROM reg_value WHERE hive=? AND path=? ORDER BY rowid");
    st.bind(1, hiveNo(hive)).bind(2, normalizeKey(key));
    std::vector<std::pair<std::string, std::string>> out;
    while (st.step()) out.emplace_back(st.text(0), st.text(1));
    return out;
}

void Registry::deleteKey(Hive hive, std::string_view key) {
    std::string k = normalizeKey(key);
    if (!keyExists(hive, k))
        throw Error(errc::kNotFound, "registry", "Registry key \"" + k + "\" does not exist");
    if (!subkeys(hive, k).empty())
        throw Error(errc::kState, "registry", "Registry key \"" + k + "\" still has subkeys");
    db_->transaction([&] {
        db_->prepare("DELETE FROM reg_value WHERE hive=? AND path=?")
            .bind(1, hiveNo(hive))
            .bind(2, k)
            .run();
        db_->prepare("DELETE FROM reg_key WHERE hive=? AND path=?")
            .bind(1, hiveNo(hive))
            .bind(2, k)
            .run();
    });
}

void Registry::deleteTree(Hive hive, std::string_view key) {
    std::string k = normalizeKey(key);
    db_->transaction([&] {
        for (const auto& sub : subkeys(hive, k)) deleteTree(hive, k + "\\" + sub);
        deleteKey(hive, k);
    });
}

}  // namespace platform
