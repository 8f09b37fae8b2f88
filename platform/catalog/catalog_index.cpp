#include "platform/catalog/catalog_index.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "platform/catalog/program_id.h"
#include "platform/catalog/resource_file.h"
#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/core/paths.h"

namespace catalog {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

std::string stored(const fs::path& catalogFolder, const fs::path& path) {
    fs::path rel = path.lexically_relative(catalogFolder);
    bool inside = !rel.empty() && *rel.begin() != "..";
    return (inside ? rel : path).generic_string();
}

fs::path resolved(const fs::path& catalogFolder, const std::string& text) {
    fs::path p(text);
    return (p.is_absolute() ? p : catalogFolder / p).lexically_normal();
}

[[noreturn]] void malformed(const fs::path& file, const std::string& what) {
    throw platform::Error(platform::errc::kInvalidValue, "catalog", file.string() + ": " + what);
}

}  // namespace

CatalogIndex readCatalogIndex(const fs::path& catalogFolder) {
    fs::path file = catalogFolder / kCatalogFileName;
    CatalogIndex index;
    std::error_code ec;
    if (!fs::exists(file, ec)) return index;
    json root;
    try {
        root = json::parse(platform::readFile(file));
        if (!root.is_object() || root.value("format", "") != "qbx-catalog" ||
            root.value("version", 0) != 1)
            malformed(file, "not a catalogue index of format \"qbx-catalog\" version 1");
        for (const auto& f : root.at("folders"))
            index.folders.push_back(resolved(catalogFolder, f.get<std::string>()));
        for (const auto& e : root.at("fileSets")) {
            CatalogEntry entry{resolved(catalogFolder, e.at("file").get<std::string>()),
                               e.at("programIdTemplate").get<std::string>(),
                               e.at("scope").get<int>(), e.at("revision").get<int>(),
                               e.at("kinds").get<int>()};
            if (!isProgramId(entry.programIdTemplate) || entry.scope < 0 || entry.scope > kMaxScope)
                malformed(file,
                          "file set " + entry.file.string() + " has a bad program ID or scope");
            index.entries.push_back(std::move(entry));
        }
    } catch (const json::exception& e) {
        malformed(file, e.what());
    }
    return index;
}

void writeCatalogIndex(const fs::path& catalogFolder, const CatalogIndex& index) {
    json root = {{"format", "qbx-catalog"}, {"version", 1}};
    root["folders"] = json::array();
    for (const auto& f : index.folders) root["folders"].push_back(stored(catalogFolder, f));
    root["fileSets"] = json::array();
    for (const auto& e : index.entries)
        root["fileSets"].push_back({{"file", stored(catalogFolder, e.file)},
                                    {"programIdTemplate", e.programIdTemplate},
                                    {"scope", e.scope},
                                    {"revision", e.revision},
                                    {"kinds", e.kinds}});
    platform::writeFileAtomically(catalogFolder / kCatalogFileName, root.dump(2) + "\n");
}

std::vector<CatalogEntry> scanFolders(const std::vector<fs::path>& folders) {
    std::set<fs::path> files;
    for (const auto& folder : folders) {
        std::error_code ec;
        if (!fs::is_directory(folder, ec)) {
            platform::logLine("catalog",
                              "catalogue folder " + folder.string() + " no longer exists; skipped");
            continue;
        }
        fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied,
                                            ec),
            end;
        for (; !ec && it != end; it.increment(ec)) {
            std::string name = it->path().filename().string();
            if (it->is_regular_file(ec) && name.ends_with(kResourceFileSuffix))
                files.insert(fs::weakly_canonical(it->path(), ec));
        }
        if (ec)
            throw platform::Error(
                platform::errc::kIo, "catalog",
                "Cannot read the folder " + folder.string() + ": " + ec.message());
    }
    std::vector<CatalogEntry> entries;
    for (const auto& file : files) {  // std::set keeps them sorted by path
        ResourceFile resources = loadResourceFile(file);
        entries.push_back({file, resources.programIdTemplate, resources.scope, resources.revision,
                           resources.kinds()});
    }
    return entries;
}

}  // namespace catalog
