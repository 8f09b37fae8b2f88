#include "platform/catalog/profile_reader.h"

#include "platform/catalog/status.h"

namespace catalog {

void ProfileReader::find(const ResourceFileSet& fileSet, int32_t key, int32_t& status) {
    profile_ = {};
    if (key < 0 || key > 65535) {
        status = status::kInvalidArgument;
        return;
    }
    if (!fileSet.isOpen() || !(fileSet.kinds() & kProfiles)) {
        status = status::kNotOpen;
        return;
    }
    for (const auto& profile : fileSet.resources().profiles) {
        if (profile.key == key) {
            profile_ = profile;
            status = status::kOk;
            return;
        }
    }
    status = status::kNotPresent;
}

}  // namespace catalog
