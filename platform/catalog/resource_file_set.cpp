#include "platform/catalog/resource_file_set.h"

#include <filesystem>

#include "platform/catalog/status.h"
#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/core/paths.h"

namespace catalog {

namespace fs = std::filesystem;

void ResourceFileSet::open(std::string_view name, int kinds, int32_t revision, int option,
                           int32_t& status) {
    file_.reset();
    kinds_ = 0;
    auto fail = [&](int32_t value, std::string message) {
        status = value;
        lastError_ = std::move(message);
        platform::logLine("catalog", lastError_);
    };
    fs::path path = platform::toNativePath(name);
    if (kinds < 1 || kinds > kAllKinds || option != 0 || revision < 0)
        return fail(status::kInvalidArgument,
                    "Invalid request to open the resource file set \"" + path.string() +
                        "\": kinds " + std::to_string(kinds) + ", revision " +
                        std::to_string(revision) + ", option " + std::to_string(option));
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return fail(status::kNoSuchFolder,
                    "The resource file set \"" + path.string() + "\" does not exist");
    try {
        ResourceFile file = loadResourceFile(path);
        if (revision != 0 && file.revision != revision)
            return fail(status::kStale, path.string() + " has revision " +
                                            std::to_string(file.revision) + ", the catalogue " +
                                            std::to_string(revision) +
                                            ": refresh the resource catalogue");
        if (!(kinds & kValueTypes)) file.valueTypes.clear();
        if (!(kinds & kConfigTypes)) file.configTypes.clear();
        if (!(kinds & kProfiles)) file.profiles.clear();
        file_ = std::move(file);
        kinds_ = kinds;
        status = status::kOk;
        lastError_.clear();
    } catch (const platform::Error& e) {
        fail(e.number == platform::errc::kInvalidValue ? status::kMalformed : status::kIoError,
             e.description);
    }
}

void ResourceFileSet::close(int32_t& status) {
    file_.reset();
    kinds_ = 0;
    status = status::kOk;
}

}  // namespace catalog
