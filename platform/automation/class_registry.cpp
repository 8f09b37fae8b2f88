#include "platform/automation/class_registry.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/automation/dispatch.h"
#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/registry/registry.h"

namespace automation {
namespace fs = std::filesystem;
using platform::Hive;
using platform::Registry;

namespace {
std::string classKey(std::string_view progId) {
    return std::string(kClassesKey) + "\\" + std::string(progId);
}

void registerServer(std::string_view progId, std::string_view valueName, const fs::path& path) {
    checkProgId(progId);
    auto& reg = Registry::instance();
    reg.setString(Hive::Machine, classKey(progId), valueName, fs::absolute(path).string());
}
}  // namespace

void checkProgId(std::string_view progId) {
    bool ok = !progId.empty() && progId.size() <= 100 && progId.front() != '.';
    for (char c : progId) {
        bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.';
        ok = ok && allowed;
    }
    if (!ok)
        throw platform::Error(platform::errc::kInvalidValue, "automation",
                              "Invalid class identifier \"" + std::string(progId) + "\"");
}

void registerLocalServer(std::string_view progId, const fs::path& exePath) {
    registerServer(progId, kLocalServerValue, exePath);
}

void registerInprocServer(std::string_view progId, const fs::path& libraryPath) {
    registerServer(progId, kInprocServerValue, libraryPath);
}

bool unregisterServer(std::string_view progId) {
    checkProgId(progId);
    auto& reg = Registry::instance();
    if (!reg.keyExists(Hive::Machine, classKey(progId))) return false;
    reg.deleteTree(Hive::Machine, classKey(progId));
    return true;
}

std::optional<ClassEntry> lookupClass(std::string_view progId) {
    checkProgId(progId);
    auto& reg = Registry::instance();
    std::string key = classKey(progId);
    if (!reg.keyExists(Hive::Machine, key)) return std::nullopt;
    ClassEntry e{reg.getString(Hive::Machine, key, kLocalServerValue),
                 reg.getString(Hive::Machine, key, kInprocServerValue)};
    if (e.localServer.empty() && e.inprocServer.empty()) return std::nullopt;
    return e;
}

fs::path currentExecutable() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n < 0)
        throw platform::Error(
            platform::errc::kIo, "automation",
            std::string("Cannot find the running executable: ") + std::strerror(errno));
    return fs::path(std::string(buf, static_cast<size_t>(n)));
}

std::optional<int> handleServerRegistration(int argc, const char* const* argv,
                                            const std::vector<std::string>& progIds) {
    bool reg = false, unreg = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = foldCase(argv[i]);
        reg = reg || a == "/regserver";
        unreg = unreg || a == "/unregserver";
    }
    if (!reg && !unreg) return std::nullopt;
    int failures = 0;
    for (const auto& id : progIds) {
        try {
            if (unreg) {
                if (!unregisterServer(id))
                    platform::logLine("automation", "Class " + id + " was not registered");
            } else {
                registerLocalServer(id, currentExecutable());
            }
        } catch (const platform::Error& e) {
            platform::logLine("automation", "Cannot " +
                                                std::string(unreg ? "unregister " : "register ") +
                                                id + ": " + e.description);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

bool startedForAutomation(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] == kAutomationArg) return true;
    return false;
}

}  // namespace automation
