#pragma once
// The platform home ($QBX_HOME): registry hives, network database and the platform folder with
// the XIF import files (Import/Korvane/...) and the resource catalogue folder (Types/).

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace netdb {

class System;
class DeviceTemplate;

// A device program of the MBX-440 whose XIF file the platform installs.
struct XifVariant {
    int variant;               // 8, 9 or 13
    const char* programId;     // "9FFF3C4600860408"
    const char* templateName;  // base name of its device template
    const char* importPath;    // below the platform folder's Import/Korvane/ and data's xif/
};
const std::vector<XifVariant>& xifVariants();
const XifVariant* xifVariant(int variant);  // null when unknown

struct HomeOptions {
    std::optional<std::string> decimalSeparator;  // written when given, else "," when missing
    std::vector<std::filesystem::path> dataDirs;  // searched for xif/; empty: defaultDataDirs()
};

struct HomeReport {
    std::filesystem::path platformFolder;
    std::filesystem::path xifSource;  // the xif/ folder copied from; empty when none was found
    // Every file below xifSource, installed below Import/Korvane/ keeping its folders.
    std::vector<std::filesystem::path> xifInstalled;
    // The resource files of the data folder's Types/, installed below the platform's Types/.
    std::vector<std::filesystem::path> resourcesInstalled;
};

// $QBX_DATA_DIR, the source tree's data/ folder and the installed share folder, in this order.
std::vector<std::filesystem::path> defaultDataDirs();

// The registry key and value that name the platform folder.
inline constexpr const char* kPlatformKey = "SOFTWARE\\Fieldara";
inline constexpr const char* kPlatformValue = "Fieldara Path";

// Creates or completes a platform home; running it again changes nothing that is there already
// except the separator when one is given and XIF files that differ from the data folder's.
HomeReport initPlatformHome(const std::filesystem::path& home, const HomeOptions& options);

// The platform folder as the registry names it; empty when the home was never initialised.
std::filesystem::path platformFolder(const std::filesystem::path& home);

// The import path of a variant's XIF file in a home; throws when the home has no platform folder.
std::filesystem::path xifImportFile(const std::filesystem::path& home, const XifVariant& v);

// The system's template for a variant: found by its program ID, else created under a free name
// (the base name, then "base (1)", ...) and filled from the variant's XIF file in the home's
// import folder, in one transaction.
std::shared_ptr<DeviceTemplate> variantTemplate(System& system, const std::filesystem::path& home,
                                                const XifVariant& v);

}  // namespace netdb
