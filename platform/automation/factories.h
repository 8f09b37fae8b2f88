#pragma once
// In-process classes: factories registered inside this process by class identifier, and shared
// libraries (named in the class registry) that register theirs when loaded.
//
// A library provides its classes with one exported function:
//
//   QBX_AUTOMATION_CLASSES(registry) {
//       registry.add("WcxDevCtrs.ArvLog", [] { return std::make_shared<ArvLog>(); });
//   }

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/automation/dispatch.h"

namespace automation {

using Factory = std::function<ObjectPtr()>;

class FactoryRegistry {
  public:
    // The registry of this process.
    static FactoryRegistry& instance();

    void add(std::string_view progId, Factory factory);
    void remove(std::string_view progId);
    // The factory of the class, or an empty function.
    Factory find(std::string_view progId) const;

  private:
    std::map<std::string, Factory> factories_;  // by folded identifier
};

// Loads a shared library of in-process classes once per path and lets it register its
// factories in FactoryRegistry::instance(); throws platform::Error naming the library and the
// reason when it cannot be loaded or exports no registration function.
void loadClassLibrary(const std::filesystem::path& library);

inline constexpr const char* kRegisterSymbol = "qbxAutomationRegisterClasses";

}  // namespace automation

#define QBX_AUTOMATION_CLASSES(registry)                                                 \
    extern "C" __attribute__((visibility("default"))) void qbxAutomationRegisterClasses( \
        ::automation::FactoryRegistry& registry)
