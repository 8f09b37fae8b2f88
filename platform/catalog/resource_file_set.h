#pragma once
// An open resource file set: the resources of one resource file, as named by
// ResourceCatalog::find. Opening loads the requested kinds of resources; like the catalogue,
// every operation reports its status (platform/catalog/status.h) and never throws.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/catalog/resource_file.h"

namespace catalog {

class ResourceFileSet {
  public:
    // Opens the file set `name` (a file name as find gives it) and keeps the resources of
    // `kinds`. `revision` is the revision the catalogue recorded (0 accepts any): a file whose
    // revision differs has changed since the last refresh and gives kStale. `option` must be 0.
    // Opening an open set first closes it.
    void open(std::string_view name, int kinds, int32_t revision, int option, int32_t& status);
    // Closing a set that is not open is harmless (kOk), so that a caller may always close.
    void close(int32_t& status);

    bool isOpen() const { return file_.has_value(); }
    // The loaded resources; only valid while open.
    const ResourceFile& resources() const { return *file_; }
    int kinds() const { return kinds_; }
    const std::string& lastError() const { return lastError_; }

  private:
    std::optional<ResourceFile> file_;
    int kinds_ = 0;
    std::string lastError_;
};

}  // namespace catalog
