#include "platform/netdb/platform_home.h"

#include <cstdlib>

#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "platform/netdb/device_template.h"
#include "platform/netdb/network.h"
#include "platform/netdb/object_server.h"
#include "platform/registry/registry.h"

namespace netdb {
namespace fs = std::filesystem;

const std::vector<XifVariant>& xifVariants() {
    static const std::vector<XifVariant> table = {
        {8, "9FFF3C4600860408", "Korvane mbxn_9_1_01", "MBX-440\\mbxn_9_1_01\\mbxn_9_1_01.XIF"},
        {9, "9FFF3C4600860409", "Korvane mbxn_9_1_02", "MBX-440\\mbxn_9_1_02\\mbxn_9_1_02.XIF"},
        {13, "9FFF3C460086040D", "Korvane mbxn_9_1_02_QZ7000",
         "MBX-440\\mbxn_9_1_02_QZ7000\\mbxn_9_1_02_QZ7000.XIF"},
    };
    return table;
}

const XifVariant* xifVariant(int variant) {
    for (const auto& v : xifVariants())
        if (v.variant == variant) return &v;
    return nullptr;
}

std::vector<fs::path> defaultDataDirs() {
    std::vector<fs::path> dirs;
    if (const char* d = std::getenv("QBX_DATA_DIR"); d && *d) dirs.emplace_back(d);
#ifdef QBX_SOURCE_DATA_DIR
    dirs.emplace_back(QBX_SOURCE_DATA_DIR);
#endif
#ifdef QBX_SHARE_DATA_DIR
    dirs.emplace_back(QBX_SHARE_DATA_DIR);
#endif
    return dirs;
}

namespace {
fs::path importFolder(const fs::path& platform) { return platform / "Import" / "Korvane"; }

// Copies a file unless the target has the same bytes already.
void install(const fs::path& from, const fs::path& to) {
    std::string bytes = platform::readFile(from);
    if (fs::exists(to) && platform::readFile(to) == bytes) return;
    fs::create_directories(to.parent_path());
    platform::writeFileAtomically(to, bytes);
}

// Copies every file below `from` to the same place below `to`.
std::vector<fs::path> installTree(const fs::path& from, const fs::path& to) {
    std::vector<fs::path> installed;
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        if (!entry.is_regular_file()) continue;
        fs::path target = to / entry.path().lexically_relative(from);
        install(entry.path(), target);
        installed.push_back(target);
    }
    return installed;
}
}  // namespace

HomeReport initPlatformHome(const fs::path& home, const HomeOptions& options) {
    HomeReport report;
    fs::create_directories(home);
    platform::Registry reg(home / "registry.db");

    fs::path platformDir = platformFolder(home);
    if (platformDir.empty()) {
        platformDir = home / "platform";
        reg.setString(platform::Hive::Machine, kPlatformKey, kPlatformValue, platformDir.string());
    }
    report.platformFolder = platformDir;

    const char* intl = "Control Panel\\International";
    if (options.decimalSeparator) {
        if (options.decimalSeparator->size() != 1)
            throw platform::Error(platform::errc::kInvalidValue, "qbx",
                                  "The decimal separator must be one character, not \"" +
                                      *options.decimalSeparator + "\"");
        reg.setString(platform::Hive::User, intl, "sDecimal", *options.decimalSeparator);
    } else if (!reg.hasValue(platform::Hive::User, intl, "sDecimal")) {
        reg.setString(platform::Hive::User, intl, "sDecimal", ",");
    }

    fs::create_directories(importFolder(platformDir));
    fs::create_directories(platformDir / "Types");
    fs::create_directories(platformDir / "PlugIns" / "Korvane" / "MBX-440");

    auto dirs = options.dataDirs.empty() ? defaultDataDirs() : options.dataDirs;
    for (const auto& dir : dirs) {
        if (!fs::is_directory(dir / "xif")) continue;
        report.xifSource = dir / "xif";
        report.xifInstalled = installTree(report.xifSource, importFolder(platformDir));
        // The plug-in's resource files are put in place but not added to the catalogue's
        // index: registering the plug-in does that.
        if (fs::is_directory(dir / "Types"))
            report.resourcesInstalled = installTree(dir / "Types", platformDir / "Types");
        break;
    }

    ObjectServer server(home);
    server.Open();  // creates or migrates the network database
    server.Close();
    return report;
}

fs::path platformFolder(const fs::path& home) {
    platform::Registry reg(home / "registry.db");
    std::string p = reg.getString(platform::Hive::Machine, kPlatformKey, kPlatformValue);
    return p.empty() ? fs::path() : fs::path(platform::toNativePath(p));
}

fs::path xifImportFile(const fs::path& home, const XifVariant& v) {
    fs::path platformDir = platformFolder(home);
    if (platformDir.empty())
        throw platform::Error(platform::errc::kState, "netdb",
                              "The platform home " + home.string() +
                                  " has no platform folder: run \"qbx init\" first");
    return importFolder(platformDir) / platform::toNativePath(v.importPath);
}

std::shared_ptr<DeviceTemplate> variantTemplate(System& system, const fs::path& home,
                                                const XifVariant& v) {
    auto templates = system.TemplateLibrary().deviceTemplates();
    if (auto t = templates.find(v.programId)) return t;
    fs::path xif = xifImportFile(home, v);
    if (!fs::exists(xif))
        throw platform::Error(platform::errc::kNotFound, "netdb",
                              "The XIF file " + xif.string() + " of variant " +
                                  std::to_string(v.variant) + " is not installed");
    std::shared_ptr<DeviceTemplate> made;
    system.store()->db().transaction([&] {
        std::string name = v.templateName;
        for (int n = 1; templates.find(name); ++n)
            name = std::string(v.templateName) + " (" + std::to_string(n) + ")";
        made = templates.Add(name, 1);
        made->Import(xif);
    });
    return made;
}

}  // namespace netdb
