#pragma once
// Reads functional profiles from an open resource file set.

#include <cstdint>
#include <string>

#include "platform/catalog/resource_file.h"
#include "platform/catalog/resource_file_set.h"

namespace catalog {

class ProfileReader {
  public:
    // Looks the profile key (0-65535) up in the file set: kOk when it is defined there (the
    // profile is then profile()), kNotPresent when not, kNotOpen when the set is not open or
    // was opened without profiles, kInvalidArgument for a key out of range.
    void find(const ResourceFileSet& fileSet, int32_t key, int32_t& status);

    // The profile found by the last successful find.
    const Profile& profile() const { return profile_; }

  private:
    Profile profile_;
};

}  // namespace catalog
