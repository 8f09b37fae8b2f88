#pragma once
// A collection of the service: a count and `Item` by 1-based position or by name. Its members
// are read from the database on every call, so a collection held for long still sees what
// another process added or removed. A failed look-up throws platform::Error (not found).

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/error.h"

namespace netdb {

template <class T>
class Collection {
  public:
    using Loader = std::function<std::vector<std::shared_ptr<T>>()>;

    // `what` names a member ("subsystem"), `where` the owner ("system \"Net\"") for errors.
    Collection(std::string what, std::string where, Loader load)
        : what_(std::move(what)), where_(std::move(where)), load_(std::move(load)) {}
    virtual ~Collection() = default;

    int Count() const { return static_cast<int>(load_().size()); }

    std::shared_ptr<T> Item(int position) const {
        auto all = load_();
        if (position < 1 || position > static_cast<int>(all.size()))
            throw platform::Error(platform::errc::kNotFound, "netdb",
                                  "No " + what_ + " at position " + std::to_string(position) +
                                      " of " + where_ + " (it has " + std::to_string(all.size()) +
                                      ")");
        return all[static_cast<size_t>(position - 1)];
    }

    std::shared_ptr<T> Item(std::string_view name) const {
        if (auto found = find(name)) return found;
        throw notFound(name);
    }

    // The member of that name, or null.
    virtual std::shared_ptr<T> find(std::string_view name) const {
        for (auto& item : load_())
            if (item->Name() == name) return item;
        return nullptr;
    }

    std::vector<std::shared_ptr<T>> All() const { return load_(); }

  protected:
    platform::Error notFound(std::string_view name) const {
        return platform::Error(platform::errc::kNotFound, "netdb",
                               "No " + what_ + " \"" + std::string(name) + "\" in " + where_);
    }

    std::string what_, where_;
    Loader load_;
};

}  // namespace netdb
