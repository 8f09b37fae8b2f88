#pragma once
// The platform's catalogue of device resource files. A catalogue folder (the platform folder's
// Types/) keeps an index of the folders added to it and of the resource file sets found there
// by the last refresh; a look-up finds the file set that a maker defines for a program ID at a
// scope. Every operation reports its status (platform/catalog/status.h) through its last
// argument and never throws; lastError() describes the last failure.
//
// Paths may be written the platform's way ("C:\...\Types"); they are converted to native ones.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/catalog/catalog_index.h"

namespace catalog {

// Open modes: 0 reads and changes the catalogue, 1 only reads it.
inline constexpr int kModeReadWrite = 0;
inline constexpr int kModeReadOnly = 1;

class ResourceCatalog {
  public:
    // Opens the catalogue of an existing folder; a folder without an index opens empty.
    void open(std::string_view folder, int mode, int32_t& handle, int32_t& status);
    // Adds a folder whose resource files the next refresh indexes (subfolders included). A
    // relative path counts from the catalogue folder. Adding a folder twice keeps one entry.
    void addFolder(int32_t handle, std::string_view folder, int32_t& status);
    // Re-reads every resource file of the added folders and stores the new index. A resource
    // file that does not parse fails the refresh (kMalformed) and leaves the index unchanged.
    void refresh(int32_t handle, int32_t& status);
    void close(int32_t handle, int32_t& status);

    // Finds the file set defined for `programId` at exactly `scope` that holds resources of at
    // least one of `kinds` (bits of resource_file.h). `option` must be 0. On kOk gives the file
    // set's name (its file, for ResourceFileSet::open), its revision and its scope; otherwise
    // kNotPresent or an error status.
    void find(int32_t handle, std::string_view programId, int scope, int kinds, int option,
              std::string& fileSetName, int32_t& revision, int32_t& fileSetScope, int32_t& status);

    // The description of the last failure; empty after a success.
    const std::string& lastError() const { return lastError_; }

  private:
    struct OpenCatalog {
        std::filesystem::path folder;
        bool writable = false;
        CatalogIndex index;
    };

    OpenCatalog* lookUp(int32_t handle, int32_t& status);
    void succeed(int32_t& status);
    // Sets the status and lastError(); failures that are not a plain "not present" are logged.
    void fail(int32_t& status, int32_t value, const std::string& message);

    std::map<int32_t, OpenCatalog> open_;
    int32_t nextHandle_ = 1;
    std::string lastError_;
};

}  // namespace catalog
