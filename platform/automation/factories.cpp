#include "platform/automation/factories.h"

#include <dlfcn.h>

#include <set>

#include "platform/core/error.h"

namespace automation {
namespace fs = std::filesystem;

FactoryRegistry& FactoryRegistry::instance() {
    static FactoryRegistry registry;
    return registry;
}

void FactoryRegistry::add(std::string_view progId, Factory factory) {
    factories_[foldCase(progId)] = std::move(factory);
}

void FactoryRegistry::remove(std::string_view progId) { factories_.erase(foldCase(progId)); }

Factory FactoryRegistry::find(std::string_view progId) const {
    auto it = factories_.find(foldCase(progId));
    return it == factories_.end() ? Factory() : it->second;
}

void loadClassLibrary(const fs::path& library) {
    // Libraries stay loaded for the life of the process: their objects and code may be in use
    // anywhere, and loading twice would register twice.
    static std::set<std::string> loaded;
    std::string path = fs::absolute(library).string();
    if (loaded.count(path)) return;
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        throw platform::Error(
            errc::kCannotCreate, "automation",
            "Cannot load the class library \"" + path + "\": " + (why ? why : "unknown error"));
    }
    using RegisterFn = void (*)(FactoryRegistry&);
    auto fn = reinterpret_cast<RegisterFn>(::dlsym(handle, kRegisterSymbol));
    if (!fn) {
        ::dlclose(handle);
        throw platform::Error(errc::kCannotCreate, "automation",
                              "The class library \"" + path + "\" exports no " + kRegisterSymbol);
    }
    loaded.insert(path);
    fn(FactoryRegistry::instance());
}

}  // namespace automation
