#include "platform/catalog/resource_catalog.h"

#include <algorithm>

#include "platform/catalog/program_id.h"
#include "platform/catalog/resource_file.h"
#include "platform/catalog/status.h"
#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/core/paths.h"

namespace catalog {

namespace fs = std::filesystem;

namespace {

fs::path nativeFolder(std::string_view folder) {
    return fs::path(platform::toNativePath(folder)).lexically_normal();
}

// Maps a platform::Error of the index or resource files to a status.
int32_t statusOf(const platform::Error& e) {
    return e.number == platform::errc::kInvalidValue ? status::kMalformed : status::kIoError;
}

}  // namespace

void ResourceCatalog::succeed(int32_t& status) {
    status = status::kOk;
    lastError_.clear();
}

void ResourceCatalog::fail(int32_t& status, int32_t value, const std::string& message) {
    status = value;
    lastError_ = message;
    if (value != status::kNotPresent) platform::logLine("catalog", message);
}

ResourceCatalog::OpenCatalog* ResourceCatalog::lookUp(int32_t handle, int32_t& status) {
    auto it = open_.find(handle);
    if (it != open_.end()) return &it->second;
    fail(status, status::kInvalidHandle,
         "No resource catalogue is open with the handle " + std::to_string(handle));
    return nullptr;
}

void ResourceCatalog::open(std::string_view folder, int mode, int32_t& handle, int32_t& status) {
    handle = 0;
    if (mode != kModeReadWrite && mode != kModeReadOnly)
        return fail(status, status::kInvalidArgument,
                    "Resource catalogue open mode " + std::to_string(mode) + " is not 0 or 1");
    fs::path path = nativeFolder(folder);
    std::error_code ec;
    if (path.empty() || !fs::is_directory(path, ec))
        return fail(status, status::kNoSuchFolder,
                    "The resource catalogue folder \"" + path.string() + "\" does not exist");
    try {
        OpenCatalog catalog{path, mode == kModeReadWrite, readCatalogIndex(path)};
        handle = nextHandle_++;
        open_.emplace(handle, std::move(catalog));
        succeed(status);
    } catch (const platform::Error& e) {
        fail(status, statusOf(e), e.description);
    }
}

void ResourceCatalog::addFolder(int32_t handle, std::string_view folder, int32_t& status) {
    OpenCatalog* catalog = lookUp(handle, status);
    if (!catalog) return;
    if (!catalog->writable)
        return fail(status, status::kReadOnly,
                    "The resource catalogue " + catalog->folder.string() + " is open read-only");
    fs::path path = nativeFolder(folder);
    if (path.is_relative()) path = (catalog->folder / path).lexically_normal();
    std::error_code ec;
    if (!fs::is_directory(path, ec))
        return fail(status, status::kNoSuchFolder,
                    "The resource folder \"" + path.string() + "\" does not exist");
    CatalogIndex changed = catalog->index;
    if (std::find(changed.folders.begin(), changed.folders.end(), path) == changed.folders.end())
        changed.folders.push_back(path);
    try {
        writeCatalogIndex(catalog->folder, changed);
        catalog->index = std::move(changed);
        succeed(status);
    } catch (const platform::Error& e) {
        fail(status, status::kIoError, e.description);
    }
}

void ResourceCatalog::refresh(int32_t handle, int32_t& status) {
    OpenCatalog* catalog = lookUp(handle, status);
    if (!catalog) return;
    if (!catalog->writable)
        return fail(status, status::kReadOnly,
                    "The resource catalogue " + catalog->folder.string() + " is open read-only");
    try {
        CatalogIndex changed{catalog->index.folders, scanFolders(catalog->index.folders)};
        writeCatalogIndex(catalog->folder, changed);
        catalog->index = std::move(changed);
        succeed(status);
    } catch (const platform::Error& e) {
        fail(status, statusOf(e), e.description);
    }
}

void ResourceCatalog::close(int32_t handle, int32_t& status) {
    if (!lookUp(handle, status)) return;
    open_.erase(handle);
    succeed(status);
}

void ResourceCatalog::find(int32_t handle, std::string_view programId, int scope, int kinds,
                           int option, std::string& fileSetName, int32_t& revision,
                           int32_t& fileSetScope, int32_t& status) {
    fileSetName.clear();
    revision = 0;
    fileSetScope = 0;
    OpenCatalog* catalog = lookUp(handle, status);
    if (!catalog) return;
    std::string request = "program ID \"" + std::string(programId) + "\", scope " +
                          std::to_string(scope) + ", kinds " + std::to_string(kinds) + ", option " +
                          std::to_string(option);
    if (!isProgramId(programId) || scope < 0 || scope > kMaxScope || kinds < 1 ||
        kinds > kAllKinds || option != 0)
        return fail(status, status::kInvalidArgument, "Invalid resource look-up: " + request);
    for (const auto& entry : catalog->index.entries) {
        if (entry.scope == scope && (entry.kinds & kinds) &&
            matchesAtScope(entry.programIdTemplate, programId, scope)) {
            fileSetName = entry.file.string();
            revision = entry.revision;
            fileSetScope = entry.scope;
            return succeed(status);
        }
    }
    fail(status, status::kNotPresent, "No resource file set for " + request);
}

}  // namespace catalog
