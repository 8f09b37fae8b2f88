#pragma once
// The index of a catalogue folder, kept in <folder>/catalog.json: the folders added to the
// catalogue and the resource file sets found in them by the last refresh. Paths inside the
// catalogue folder are stored relative to it, so that a platform folder can move.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

inline constexpr std::string_view kCatalogFileName = "catalog.json";

struct CatalogEntry {
    std::filesystem::path file;  // absolute
    std::string programIdTemplate;
    int scope = 0;
    int revision = 1;
    int kinds = 0;
};

struct CatalogIndex {
    std::vector<std::filesystem::path> folders;  // absolute, in the order they were added
    std::vector<CatalogEntry> entries;           // sorted by file path
};

// Reads the index of `catalogFolder`; a folder without an index file has an empty one. Throws
// platform::Error: errc::kInvalidValue naming the file and the fault, errc::kIo when unreadable.
CatalogIndex readCatalogIndex(const std::filesystem::path& catalogFolder);

// Writes the index atomically; throws platform::Error (errc::kIo) when that fails.
void writeCatalogIndex(const std::filesystem::path& catalogFolder, const CatalogIndex& index);

// Finds and reads every resource file below the folders (recursively), each file once. A folder
// that no longer exists is logged and skipped. A resource file that does not parse throws.
std::vector<CatalogEntry> scanFolders(const std::vector<std::filesystem::path>& folders);

}  // namespace catalog
