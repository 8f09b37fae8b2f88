#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/catalog/catalog_index.h"
#include "platform/catalog/profile_reader.h"
#include "platform/catalog/resource_catalog.h"
#include "platform/catalog/resource_file_set.h"
#include "platform/catalog/status.h"
#include "platform/core/paths.h"

namespace fs = std::filesystem;
using namespace catalog;

namespace {

const char* kTemplate = "9FFF3C0000000000";  // the Korvane folder's program ID template

fs::path sourceDir() {
    const char* dir = std::getenv("QBX_SOURCE_DIR");
    return dir && *dir ? fs::path(dir) : fs::path(QBX_TEST_SOURCE_DIR);
}

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string resourceJson(const std::string& programIdTemplate, int scope,
                         const std::vector<int>& profileKeys, int revision = 1) {
    std::ostringstream s;
    s << R"({"format": "qbx-resources", "version": 1, "revision": )" << revision
      << R"(, "programIdTemplate": ")" << programIdTemplate << R"(", "scope": )" << scope
      << R"(, "profiles": [)";
    for (size_t i = 0; i < profileKeys.size(); ++i)
        s << (i ? ", " : "") << R"({"key": )" << profileKeys[i] << R"(, "name": "p)" << i
          << R"("})";
    s << "]}";
    return s.str();
}

// A platform folder with Types/ and the plug-in's resource folder below Types/User/Korvane.
class CatalogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("qbx_catalog_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        types = root / "Types";
        fs::create_directories(types / "User");
        fs::copy(sourceDir() / "data/Types/User/Korvane", types / "User/Korvane",
                 fs::copy_options::recursive);
    }
    void TearDown() override { fs::remove_all(root); }

    // Adds a folder and refreshes, as registration does.
    void addAndRefresh(const fs::path& folder) {
        ResourceCatalog catalog;
        int32_t handle = 0, status = -1;
        catalog.open(types.string(), kModeReadWrite, handle, status);
        ASSERT_EQ(status, status::kOk) << catalog.lastError();
        catalog.addFolder(handle, folder.string(), status);
        ASSERT_EQ(status, status::kOk) << catalog.lastError();
        catalog.refresh(handle, status);
        ASSERT_EQ(status, status::kOk) << catalog.lastError();
        catalog.close(handle, status);
        ASSERT_EQ(status, status::kOk);
    }

    // The sequence of calls of the device-opening look-up: scopes 6 to 3, the first file set
    // that defines the profile gives the mode; none keeps the caller's mode.
    int modeFor(const std::string& programId, int profileKey, int mode) {
        ResourceCatalog catalog;
        ResourceFileSet fileSet;
        ProfileReader reader;
        int32_t handle = 0, status = -1;
        catalog.open(types.string(), kModeReadOnly, handle, status);
        EXPECT_EQ(status, status::kOk) << catalog.lastError();
        for (int scope : {6, 5, 4, 3}) {
            std::string name;
            int32_t revision = 0, fileSetScope = 0;
            catalog.find(handle, programId, scope, kProfiles, 0, name, revision, fileSetScope,
                         status);
            if (status != status::kOk) continue;
            fileSet.open(name, kProfiles, revision, 0, status);
            EXPECT_EQ(status, status::kOk) << fileSet.lastError();
            reader.find(fileSet, profileKey, status);
            bool found = status == status::kOk;
            fileSet.close(status);
            if (found) {
                mode = scope;
                break;
            }
        }
        catalog.close(handle, status);
        EXPECT_EQ(status, status::kOk);
        return mode;
    }

    int32_t findTemplate(ResourceCatalog& catalog, int32_t handle, std::string* name = nullptr) {
        std::string fileSet;
        int32_t revision = 0, scope = 0, status = -1;
        catalog.find(handle, kTemplate, 3, kValueTypes | kConfigTypes, 0, fileSet, revision, scope,
                     status);
        if (name) *name = fileSet;
        return status;
    }

    fs::path root, types;
};

TEST_F(CatalogTest, RegistrationIndexesTheUserFolderOnceAndTheIndexSurvivesAMove) {
    // Paths come from the registry written the platform's way.
    std::string platformTypes = types.string();
    std::replace(platformTypes.begin(), platformTypes.end(), '/', '\\');
    ResourceCatalog catalog;
    int32_t handle = 0, status = -1;
    catalog.open(platformTypes, kModeReadWrite, handle, status);
    ASSERT_EQ(status, status::kOk) << catalog.lastError();
    EXPECT_NE(handle, 0);
    EXPECT_EQ(findTemplate(catalog, handle), status::kNotPresent);

    catalog.addFolder(handle, platformTypes + "\\User", status);
    EXPECT_EQ(status, status::kOk) << catalog.lastError();
    EXPECT_EQ(findTemplate(catalog, handle), status::kNotPresent) << "indexed only by a refresh";
    catalog.refresh(handle, status);
    EXPECT_EQ(status, status::kOk) << catalog.lastError();
    std::string name;
    EXPECT_EQ(findTemplate(catalog, handle, &name), status::kOk);
    EXPECT_EQ(fs::path(name), types / "User/Korvane/mbx440.resources.json");
    catalog.close(handle, status);
    EXPECT_EQ(status, status::kOk);

    // The user-types registration adds the Korvane folder itself: the file set stays one entry.
    addAndRefresh(types / "User/Korvane");
    CatalogIndex index = readCatalogIndex(types);
    EXPECT_EQ(index.folders.size(), 2u);
    EXPECT_EQ(index.entries.size(), 1u);

    // Paths inside the catalogue folder are stored relative to it.
    fs::path moved = root.string() + "_moved";
    fs::remove_all(moved);
    fs::rename(root, moved);
    root = moved;
    types = moved / "Types";
    catalog.open(types.string(), kModeReadOnly, handle, status);
    ASSERT_EQ(status, status::kOk) << catalog.lastError();
    EXPECT_EQ(findTemplate(catalog, handle, &name), status::kOk);
    EXPECT_EQ(fs::path(name), types / "User/Korvane/mbx440.resources.json");
    catalog.close(handle, status);

    // A folder removed since (an uninstalled plug-in) is skipped by the next refresh.
    fs::remove_all(types / "User/Korvane");
    addAndRefresh(types / "User");
    catalog.open(types.string(), kModeReadOnly, handle, status);
    EXPECT_EQ(findTemplate(catalog, handle), status::kNotPresent);
    catalog.close(handle, status);
}

TEST_F(CatalogTest, ShippedResourcesDefineTheBlockProfilesAndUserTypesOfTheXifFiles) {
    addAndRefresh(types / "User");
    ResourceFile shipped = loadResourceFile(types / "User/Korvane/mbx440.resources.json");
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(sourceDir() / "data/xif")) {
        if (entry.path().extension() != ".XIF") continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line, programId;
        int blocks = 0;
        while (std::getline(in, line)) {
            std::istringstream fields(line);
            std::string keyword, owner, name, type;
            int number = -1, scope = -1, index = -1;
            fields >> keyword;
            if (keyword == "program-id") fields >> programId;
            if (keyword == "block") {
                ++blocks;
                fields >> number >> name >> number;
                EXPECT_EQ(modeFor(programId, number, -1), 3) << entry.path() << ": " << name;
            }
            // Every user property type (scope 3) is defined with its index and value type.
            if (keyword == "cp" && (fields >> owner >> scope >> index >> name >> type) &&
                scope == 3) {
                auto it = std::find_if(shipped.configTypes.begin(), shipped.configTypes.end(),
                                       [&](const ConfigTypeDef& t) { return t.index == index; });
                ASSERT_NE(it, shipped.configTypes.end()) << entry.path() << ": " << name;
                EXPECT_EQ(it->name, name);
                EXPECT_EQ(it->valueType, type) << name;
            }
        }
        EXPECT_EQ(blocks, 10) << entry.path();
    }
    EXPECT_EQ(files, 3);
}

TEST_F(CatalogTest, TheHighestScopeThatDefinesTheProfileWinsAndNoneKeepsTheMode) {
    addAndRefresh(types / "User");
    // A second maker folder: a scope-6 file set for program 9FFF3C4600860409 only.
    writeFile(types / "User/Model/model09.resources.json",
              resourceJson("9FFF3C4600860409", 6, {20010}));
    addAndRefresh(types / "User");
    struct Case {
        const char* programId;
        int key;
        int expected;
    } cases[] = {
        {"9FFF3C4600860409", 20010, 6},  // defined at scopes 6 and 3
        {"9fff3c4600860409", 20010, 6},  // program IDs compare without regard to case
        {"9FFF3C4600860408", 20010, 3},  // the scope-6 set is for another model
        {"9FFF3C4600860409", 20000, 3},  // a scope-6 set without the profile: lower scopes asked
        {"9FFF3C4600860409", 12345, 1},  // found nowhere: the mode stays
        {"9FFF3D4600860409", 20010, 1},  // another maker
    };
    for (const auto& c : cases)
        EXPECT_EQ(modeFor(c.programId, c.key, 1), c.expected) << c.programId << " " << c.key;
}

TEST_F(CatalogTest, MissingFoldersBadHandlesReadOnlyModeAndBadArgumentsGiveTheirStatus) {
    ResourceCatalog catalog;
    int32_t handle = -1, status = -1;
    for (int mode : {kModeReadWrite, kModeReadOnly}) {
        catalog.open((root / "NoSuchTypes").string(), mode, handle, status);
        EXPECT_EQ(status, status::kNoSuchFolder);
        EXPECT_EQ(handle, 0);
        EXPECT_NE(catalog.lastError().find("NoSuchTypes"), std::string::npos);
    }
    catalog.open(types.string(), 2, handle, status);
    EXPECT_EQ(status, status::kInvalidArgument);
    catalog.open("", kModeReadOnly, handle, status);
    EXPECT_EQ(status, status::kNoSuchFolder);

    // Read-only: nothing may change and no index file is written.
    catalog.open(types.string(), kModeReadOnly, handle, status);
    ASSERT_EQ(status, status::kOk);
    EXPECT_EQ(findTemplate(catalog, handle), status::kNotPresent) << "no index yet: empty";
    catalog.addFolder(handle, (types / "User").string(), status);
    EXPECT_EQ(status, status::kReadOnly);
    catalog.refresh(handle, status);
    EXPECT_EQ(status, status::kReadOnly);
    EXPECT_FALSE(fs::exists(types / kCatalogFileName));

    std::string name;
    int32_t revision, scope;
    struct Case {
        const char* programId;
        int scope, kinds, option;
    } bad[] = {{"9FFF", 3, 3, 0},     {"9FFF3C000000000G", 3, 3, 0}, {kTemplate, 7, 3, 0},
               {kTemplate, -1, 3, 0}, {kTemplate, 3, 0, 0},          {kTemplate, 3, 8, 0},
               {kTemplate, 3, 3, 1}};
    for (const auto& c : bad) {
        catalog.find(handle, c.programId, c.scope, c.kinds, c.option, name, revision, scope,
                     status);
        EXPECT_EQ(status, status::kInvalidArgument) << c.programId << " " << c.scope;
    }
    catalog.close(handle, status);
    EXPECT_EQ(status, status::kOk);
    catalog.close(handle, status);
    EXPECT_EQ(status, status::kInvalidHandle) << "closed twice";
    catalog.find(handle, kTemplate, 3, 3, 0, name, revision, scope, status);
    EXPECT_EQ(status, status::kInvalidHandle);
    catalog.refresh(99, status);
    EXPECT_EQ(status, status::kInvalidHandle);

    catalog.open(types.string(), kModeReadWrite, handle, status);
    catalog.addFolder(handle, (types / "User/Missing").string(), status);
    EXPECT_EQ(status, status::kNoSuchFolder);
    catalog.close(handle, status);
}

TEST_F(CatalogTest, AMalformedResourceFileFailsTheRefreshNamingFileAndFaultAndKeepsTheIndex) {
    addAndRefresh(types / "User");
    fs::path bad = types / "User/Other/other.resources.json";
    struct Case {
        std::string text;
        const char* fault;
    } cases[] = {
        {"{\"format\": \"qbx-resources\",\n \"version\": 1,\n", "parse error at line 3"},
        {resourceJson(kTemplate, 9, {1}), "scope must be a whole number 0-6, not 9"},
        {resourceJson("9FFF3C", 3, {1}), "programIdTemplate must be 16 hexadecimal digits"},
        {resourceJson(kTemplate, 3, {20010, 20010}), "profile key 20010 is defined twice"},
        {resourceJson(kTemplate, 3, {70000}), "profiles[0].key must be a whole number 0-65535"},
        {R"({"format": "qbx-resources", "version": 2})", "version 2 is not supported"},
        {R"({"format": "qbx-resources", "version": 1, "programIdTemplate": "9FFF3C0000000000",
            "scope": 3, "profiles": [{"key": 1}]})",
         "profiles[0].name is missing"},
        {"[]", "must hold one JSON object"},
    };
    for (const auto& c : cases) {
        writeFile(bad, c.text);
        ResourceCatalog catalog;
        int32_t handle = 0, status = -1;
        catalog.open(types.string(), kModeReadWrite, handle, status);
        catalog.refresh(handle, status);
        EXPECT_EQ(status, status::kMalformed) << c.fault;
        EXPECT_NE(catalog.lastError().find(bad.string()), std::string::npos) << catalog.lastError();
        EXPECT_NE(catalog.lastError().find(c.fault), std::string::npos) << catalog.lastError();
        EXPECT_EQ(findTemplate(catalog, handle), status::kOk) << "the previous index stays";

        ResourceFileSet fileSet;
        fileSet.open(bad.string(), kProfiles, 0, 0, status);
        EXPECT_EQ(status, status::kMalformed);
        EXPECT_NE(fileSet.lastError().find(c.fault), std::string::npos) << fileSet.lastError();
        EXPECT_FALSE(fileSet.isOpen());
        catalog.close(handle, status);
    }
    EXPECT_EQ(readCatalogIndex(types).entries.size(), 1u) << "the stored index is unchanged";

    writeFile(types / kCatalogFileName, "{\"format\": \"qbx-catalog\"");
    ResourceCatalog catalog;
    int32_t handle = 0, status = -1;
    catalog.open(types.string(), kModeReadOnly, handle, status);
    EXPECT_EQ(status, status::kMalformed);
    EXPECT_NE(catalog.lastError().find(kCatalogFileName), std::string::npos) << catalog.lastError();
}

TEST_F(CatalogTest, FileSetsCheckTheirRevisionAndTheReaderNeedsAnOpenSetWithProfiles) {
    addAndRefresh(types / "User");
    ResourceCatalog catalog;
    int32_t handle = 0, status = -1, revision = 0, scope = 0;
    std::string name;
    catalog.open(types.string(), kModeReadOnly, handle, status);
    catalog.find(handle, "9FFF3C4600860409", 3, kProfiles, 0, name, revision, scope, status);
    ASSERT_EQ(status, status::kOk);
    EXPECT_EQ(revision, 1);
    EXPECT_EQ(scope, 3);
    catalog.close(handle, status);

    ResourceFileSet fileSet;
    ProfileReader reader;
    reader.find(fileSet, 20010, status);
    EXPECT_EQ(status, status::kNotOpen);
    fileSet.close(status);
    EXPECT_EQ(status, status::kOk) << "closing a closed set is harmless";

    fileSet.open(name, kConfigTypes, revision, 0, status);
    ASSERT_EQ(status, status::kOk) << fileSet.lastError();
    EXPECT_EQ(fileSet.resources().configTypes.size(), 14u);
    reader.find(fileSet, 20010, status);
    EXPECT_EQ(status, status::kNotOpen) << "opened without profiles";

    fileSet.open(name, kProfiles, revision, 0, status);
    reader.find(fileSet, 20010, status);
    EXPECT_EQ(status, status::kOk);
    EXPECT_EQ(reader.profile().name, "mbxSensor");
    reader.find(fileSet, 70000, status);
    EXPECT_EQ(status, status::kInvalidArgument);

    // A newer file installed without a refresh no longer matches the catalogue's revision.
    writeFile(name, resourceJson(kTemplate, 3, {20000, 20010}, 2));
    fileSet.open(name, kProfiles, revision, 0, status);
    EXPECT_EQ(status, status::kStale);
    EXPECT_NE(fileSet.lastError().find("refresh"), std::string::npos);
    fileSet.open(name, kProfiles, 0, 0, status);
    EXPECT_EQ(status, status::kOk) << "revision 0 accepts any";
    addAndRefresh(types / "User");
    catalog.open(types.string(), kModeReadOnly, handle, status);
    catalog.find(handle, "9FFF3C4600860409", 3, kProfiles, 0, name, revision, scope, status);
    EXPECT_EQ(revision, 2);
    catalog.close(handle, status);

    fileSet.open((types / "User/none.resources.json").string(), kProfiles, 0, 0, status);
    EXPECT_EQ(status, status::kNoSuchFolder);
    fileSet.open(name, kProfiles, 0, 1, status);
    EXPECT_EQ(status, status::kInvalidArgument);
}

}  // namespace
