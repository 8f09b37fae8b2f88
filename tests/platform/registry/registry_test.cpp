#include "platform/registry/registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/core/error.h"

namespace fs = std::filesystem;
using platform::Hive;
using platform::Registry;

namespace {
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qbx_reg_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        file = dir / "registry.db";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir, file;
};
}  // namespace

TEST_F(RegistryTest, StringValuesAreCutAtNulEmptyWhenMissingAndKeysCaseInsensitive) {
    Registry reg(file);
    const char* key = "SOFTWARE\\Fieldara\\WCX\\Plug-Ins\\Korvane_MBX-440";
    EXPECT_EQ(reg.getString(Hive::Machine, key, "Language"), "");
    reg.setString(Hive::Machine, key, "Language", std::string("german\0junk", 11));
    EXPECT_EQ(reg.getString(Hive::Machine, "software\\fieldara\\wcx\\plug-ins\\KORVANE_MBX-440\\",
                            "LANGUAGE"),
              "german");
    EXPECT_TRUE(reg.keyExists(Hive::Machine, "SOFTWARE\\Fieldara"));  // parents were created
    EXPECT_FALSE(reg.keyExists(Hive::User, key));                     // hives are separate
    reg.setString(Hive::Machine, key, "Count", "7", platform::ValueType::Number);
    EXPECT_EQ(reg.getString(Hive::Machine, key, "Count"), "") << "not a string value";
    reg.setString(Hive::Machine, key, "Language", "english");
    EXPECT_EQ(reg.getString(Hive::Machine, key, "Language"), "english");
}

TEST_F(RegistryTest, KeyWithSubkeysCannotBeDeletedSoDeletionGoesDepthFirst) {
    Registry reg(file);
    reg.setString(Hive::Machine, "A\\B\\C", "v", "1");
    reg.setString(Hive::Machine, "A\\B2", "v", "2");
    EXPECT_EQ(reg.subkeys(Hive::Machine, "A"), (std::vector<std::string>{"B", "B2"}));
    EXPECT_THROW(reg.deleteKey(Hive::Machine, "A"), platform::Error);
    EXPECT_THROW(reg.deleteKey(Hive::Machine, "A\\missing"), platform::Error);
    EXPECT_EQ(reg.getString(Hive::Machine, "A\\B\\C", "v"), "1") << "a refused delete changes nothing";
    reg.deleteKey(Hive::Machine, "A\\B\\C");
    reg.deleteKey(Hive::Machine, "A\\B");
    reg.deleteTree(Hive::Machine, "A");
    EXPECT_FALSE(reg.keyExists(Hive::Machine, "A"));
    EXPECT_FALSE(reg.keyExists(Hive::Machine, "A\\B2"));
}

TEST_F(RegistryTest, TwoProcessesSeeEachOthersWrites) {
    Registry reg(file);
    reg.setString(Hive::User, "Control Panel\\International", "sDecimal", ",");
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int rc = 1;
        {
            Registry other(file);
            if (other.getString(Hive::User, "Control Panel\\International", "sDecimal") == ",") {
                other.setString(Hive::User, "Control Panel\\International", "sDecimal", ".");
                rc = 0;
            }
        }
        ::_exit(rc);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child saw the parent's write";
    EXPECT_EQ(reg.getString(Hive::User, "Control Panel\\International", "sDecimal"), ".");
}
