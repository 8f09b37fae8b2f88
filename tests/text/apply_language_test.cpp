#include "text/apply_language.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/registry/registry.h"
#include "text/texts.h"

namespace fs = std::filesystem;
using platform::Hive;
using text::Language;

namespace {

// A private platform home whose registry holds the language setting under test.
class ApplyLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = fs::temp_directory_path() / ("qbx_text_" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home);
        if (const char* old = std::getenv("QBX_HOME")) oldHome = old;
        ::setenv("QBX_HOME", home.c_str(), 1);
    }
    void TearDown() override {
        text::applyLanguage("");
        if (oldHome.empty())
            ::unsetenv("QBX_HOME");
        else
            ::setenv("QBX_HOME", oldHome.c_str(), 1);
        fs::remove_all(home);
    }
    static void setLanguage(const char* value) {
        platform::Registry::instance().setString(Hive::Machine, text::kPlugInKey, "Language",
                                                 value);
    }
    fs::path home;
    std::string oldHome;
};

TEST_F(ApplyLanguageTest, MainWindowFillsTablesFromTheMachineHiveValueOtherFormsOnlyReadIt) {
    EXPECT_EQ(text::ApplyLanguage(0), Language::None) << "value missing";
    EXPECT_EQ(text::MainTexts[2], "");

    setLanguage("german");
    EXPECT_EQ(text::ApplyLanguage(1), Language::German);
    EXPECT_EQ(text::MainTexts[2], "") << "only the main window fills the tables";
    EXPECT_EQ(text::ApplyLanguage(0), Language::German);
    EXPECT_EQ(text::MainTexts[2], "lese Parameter.....");

    // The same value in the user hive does not count.
    platform::Registry::instance().setString(Hive::User, text::kPlugInKey, "Language", "english");
    EXPECT_EQ(text::ApplyLanguage(0), Language::German);

    setLanguage("English");  // read afresh: now neither language, and the tables are emptied
    EXPECT_EQ(text::ApplyLanguage(0), Language::None);
    EXPECT_EQ(text::MainTexts[2], "");
    EXPECT_EQ(text::LearnTexts[0], "");
}

}  // namespace
