#pragma once
// The system registry: a machine hive and a user hive of keys with named string values,
// persisted in SQLite under the platform home so that every process of the platform (the
// director, the plug-in, its registration tool) sees the others' writes at once.
//
// Keys are written with "\" between their parts, as the platform writes them
// ("SOFTWARE\Fieldara\WCX\Plug-Ins\Korvane_MBX-440"); names of keys and values compare
// without regard to case. The empty value name is the key's default value.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

class SqliteDb;

enum class Hive { Machine, User };

enum class ValueType { String, ExpandString, Number };

class Registry {
public:
    // Opens (creating when missing) the registry database file.
    explicit Registry(const std::filesystem::path& file);
    ~Registry();

    // The registry of the platform home ($QBX_HOME/registry.db); reopened when QBX_HOME changes.
    static Registry& instance();

    // The value as text cut at its first NUL; empty when the key or value is missing or the
    // value is not a string.
    std::string getString(Hive hive, std::string_view key, std::string_view name) const;
    bool hasValue(Hive hive, std::string_view key, std::string_view name) const;
    // Writes a value, creating the key and its parents when missing.
    void setString(Hive hive, std::string_view key, std::string_view name, std::string_view value,
                   ValueType type = ValueType::String);
    void deleteValue(Hive hive, std::string_view key, std::string_view name);

    bool keyExists(Hive hive, std::string_view key) const;
    void createKey(Hive hive, std::string_view key);
    // The names of the key's direct subkeys, in the order they were created.
    std::vector<std::string> subkeys(Hive hive, std::string_view key) const;
    // The key's values as (name, text) pairs, in the order they were written.
    std::vector<std::pair<std::string, std::string>> values(Hive hive, std::string_view key) const;
    // Deletes a key and its values. Throws when the key is missing or still has subkeys.
    void deleteKey(Hive hive, std::string_view key);
    // Deletes a key with all its subkeys (for tools; the plug-in deletes depth first itself).
    void deleteTree(Hive hive, std::string_view key);

    // "a\\b\\" and "\\A\\B" name the same key: separators at the ends and doubled ones go.
    static std::string normalizeKey(std::string_view key);

private:
    std::unique_ptr<SqliteDb> db_;
};

}  // namespace platform
