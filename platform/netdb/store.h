#pragma once
// The shared state behind every object of one network database service: the SQLite database of
// the platform home, whether the service is open, the identity map that makes an object fetched
// twice the same C++ object, and the hook through which a device simulator sees value access.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>

#include "platform/core/sqlite_db.h"

namespace platform {
class Registry;
}

namespace netdb {

class DeviceBehaviour;

// Owners of blocks, network variables and properties: a device template holds the presets that
// application devices are created from; a device holds its own values.
enum class Holder : int { Template = 1, Device = 2 };

// Owners of a command list.
enum class ListOwner : int { Service = 0, System = 1, Template = 2, Block = 3 };

class Store : public std::enable_shared_from_this<Store> {
  public:
    explicit Store(std::filesystem::path home);
    ~Store();

    // The database file of a platform home.
    static std::filesystem::path databaseFile(const std::filesystem::path& home);

    void open();   // opens the database, creating and migrating its schema
    void close();  // objects stay valid but every access fails until the next open
    bool isOpen() const { return db_ != nullptr; }

    // The open database; throws when the service is closed.
    platform::SqliteDb& db();

    // The user's decimal separator, read from the registry on every call so that a change of the
    // regional setting applies at once: "sDecimal" below "Control Panel\International", ",".
    char decimalSeparator();

    // Single-column access to a row by id; throws when the row no longer exists.
    std::string text(std::string_view table, std::string_view column, int64_t id);
    int64_t integer(std::string_view table, std::string_view column, int64_t id);
    void update(std::string_view table, std::string_view column, int64_t id, std::string_view v);
    void update(std::string_view table, std::string_view column, int64_t id, int64_t v);

    // The one object of type T for a row id; created on first use.
    template <class T>
    std::shared_ptr<T> object(int64_t id) {
        auto key = std::make_pair(std::type_index(typeid(T)), id);
        if (auto it = objects_.find(key); it != objects_.end())
            if (auto alive = it->second.lock()) return std::static_pointer_cast<T>(alive);
        auto made = std::make_shared<T>(shared_from_this(), id);
        objects_[key] = made;
        if (objects_.size() > purgeAt_) purge();
        return made;
    }

    std::shared_ptr<DeviceBehaviour> behaviour;
    const std::filesystem::path home;

  private:
    void purge();  // forgets objects nobody holds any more
    size_t purgeAt_ = 1024;
    std::unique_ptr<platform::SqliteDb> db_;
    std::unique_ptr<platform::Registry> registry_;
    std::map<std::pair<std::type_index, int64_t>, std::weak_ptr<void>> objects_;
};

// Base of every object of the service: a row of one table.
class DbObject {
  public:
    DbObject(std::shared_ptr<Store> store, int64_t id) : store_(std::move(store)), id_(id) {}
    virtual ~DbObject() = default;
    int64_t id() const { return id_; }
    const std::shared_ptr<Store>& store() const { return store_; }

  protected:
    std::shared_ptr<Store> store_;
    int64_t id_;
};

}  // namespace netdb
