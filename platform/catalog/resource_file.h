#pragma once
// One resource file: the resources (value types, configuration property types, functional
// profiles) that a maker defines for a program ID template at a scope. The format is JSON and
// is described in docs/resources.md.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// Kinds of resources, as bits: find and open take a mask of them.
inline constexpr int kValueTypes = 1;
inline constexpr int kConfigTypes = 2;
inline constexpr int kProfiles = 4;
inline constexpr int kAllKinds = kValueTypes | kConfigTypes | kProfiles;

// Resource files are recognised by this suffix when a catalogue folder is scanned.
inline constexpr std::string_view kResourceFileSuffix = ".resources.json";

struct ValueTypeDef {
    int index = 0;
    std::string name;
    int size = 0;  // bytes
};

struct ConfigTypeDef {
    int index = 0;
    std::string name;
    std::string valueType;  // the type of the value it carries, e.g. "SNVT_temp_p"
};

struct Profile {
    int key = 0;
    std::string name;
    std::string description;
};

struct ResourceFile {
    std::string programIdTemplate;
    int scope = 0;
    int revision = 1;
    std::string description;
    std::vector<ValueTypeDef> valueTypes;
    std::vector<ConfigTypeDef> configTypes;
    std::vector<Profile> profiles;

    // The kinds (bit mask) of which the file holds at least one resource.
    int kinds() const;
};

// Parses the text of a resource file. Throws platform::Error (errc::kInvalidValue) whose
// description begins with `origin` and names the line or the field that is wrong.
ResourceFile parseResourceFile(std::string_view text, const std::string& origin);

// Reads and parses a resource file; a file that cannot be read throws errc::kIo.
ResourceFile loadResourceFile(const std::filesystem::path& path);

}  // namespace catalog
