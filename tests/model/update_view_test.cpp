// The view update: environment from the registry of a temporary platform home, program table,
// documentation files, the refresh hook and the help display.
#include "model/update_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "model/help_display.h"
#include "platform/registry/registry.h"
#include "platform/ui/form.h"
#include "platform/ui/rich_text_box.h"
#include "tests/platform/netdb/test_home.h"
#include "text/apply_language.h"
#include "text/help_texts.h"
#include "text/texts.h"

namespace model {
namespace {

using netdb::testing::TestHome;
using platform::Hive;

struct Window : ui::Form {
    Window() : ui::Form("fHelpTest") {}
    ui::RichTextBox RTHinweis{this, "RTHinweis"};
};

class UpdateViewTest : public ::testing::Test {
  protected:
    void setRegistry(Hive hive, std::string_view key, std::string_view name,
                     std::string_view value) {
        platform::Registry::instance().setString(hive, key, name, value);
    }
    void setLanguage(std::string_view language) {
        setRegistry(Hive::Machine, text::kPlugInKey, "Language", language);
    }
    // A device command's call: environment and documentation files.
    void deviceCommand() {
        settings.environment.EnvironmentPending = true;
        UpdateView(settings, window.RTHinweis, {}, 100, false, "", 0);
    }

    TestHome home{"."};
    Window window;
    ViewSettings settings;
};

TEST_F(UpdateViewTest, DeviceCommandReadsTheEnvironmentOnce) {
    setLanguage("German");  // neither name: the documentation files stay empty
    deviceCommand();
    EXPECT_FALSE(settings.environment.EnvironmentPending);
    EXPECT_EQ(settings.environment.PlatformPath, home.platformFolder().string());
    EXPECT_EQ(settings.environment.DecimalSeparator, ".");
    EXPECT_EQ(settings.documentation.DescriptionFile, "");
    EXPECT_EQ(settings.documentation.ReadmeFile, "");
    EXPECT_EQ(settings.ProductName, "MBX-440");
    EXPECT_TRUE(settings.variants.ProgramIdPrefix.empty());

    setLanguage("german");
    setRegistry(Hive::User, kInternationalKey, kDecimalValue, "");
    UpdateView(settings, window.RTHinweis, {}, 100, false, "", 0);  // nothing pending: no read
    EXPECT_EQ(settings.environment.DecimalSeparator, ".");
    EXPECT_EQ(settings.documentation.ReadmeFile, "");

    deviceCommand();
    EXPECT_EQ(settings.environment.DecimalSeparator, ",");  // empty setting
    EXPECT_EQ(settings.documentation.DescriptionFile, "\\Dokumentation\\mbxn_9_1_02.pdf");
    EXPECT_EQ(settings.documentation.ReadmeFile, "\\readme_ger.txt");

    platform::Registry::instance().deleteValue(Hive::User, kInternationalKey, kDecimalValue);
    platform::Registry::instance().deleteValue(Hive::Machine, text::kPlugInKey, "Language");
    deviceCommand();
    EXPECT_EQ(settings.environment.DecimalSeparator, ",");             // missing setting
    EXPECT_EQ(settings.documentation.ReadmeFile, "\\readme_ger.txt");  // no language: kept

    setLanguage("english");
    deviceCommand();
    EXPECT_EQ(settings.documentation.DescriptionFile, "\\Dokumentation\\mbxn_9_1_02_eng.pdf");
    EXPECT_EQ(settings.documentation.ReadmeFile, "\\readme_eng.txt");
}

TEST_F(UpdateViewTest, OnlyVariantSetZeroFillsTheProgramTable) {
    UpdateView(settings, window.RTHinweis, {}, 1, false, "", 0);
    EXPECT_TRUE(settings.variants.ProgramIdPrefix.empty());
    EXPECT_TRUE(settings.variants.VariantProgramNames[8].empty());
    UpdateView(settings, window.RTHinweis, {}, 0, false, "", 0);
    EXPECT_EQ(settings.variants.ProgramIdPrefix, "9FFF3C46008604");
    EXPECT_EQ(settings.variants.VariantXifPaths[9], "MBX-440\\mbxn_9_1_02\\mbxn_9_1_02.XIF");
    EXPECT_EQ(settings.variants.LastVariant, 9);
}

TEST_F(UpdateViewTest, RefreshHookRunsOnlyWhenAskedAndItsFailureIsSkipped) {
    int refreshed = 0;
    auto refresh = [&] { ++refreshed; };
    UpdateView(settings, window.RTHinweis, refresh, 100, false, "", 0);
    EXPECT_EQ(refreshed, 0);
    UpdateView(settings, window.RTHinweis, refresh, 100, true, "", 0);
    EXPECT_EQ(refreshed, 1);

    // A failing refresh skips only itself: the help is shown after it.
    text::applyLanguage("english");
    UpdateView(
        settings, window.RTHinweis,
        [] { throw platform::Error(platform::errc::kGeneric, "test", "refresh failed"); }, 100,
        true, "Nci", 0);
    EXPECT_EQ(window.RTHinweis.text(), text::CpHelpTexts[0]);
    text::applyLanguage("");
}

// Ranges (start, length) of emphasised characters; emphasis is bold and underline together.
std::vector<std::pair<int, int>> emphasised(const ui::RichTextBox& box) {
    std::vector<std::pair<int, int>> out;
    for (const ui::FormatRun& r : box.runs()) {
        EXPECT_EQ(r.format.bold, r.format.underline) << "run at " << r.start;
        if (r.format.bold) out.emplace_back(r.start, r.length);
    }
    return out;
}

int charPosition(const std::string& text, const std::string& part) {
    return ui::utf8Length(std::string_view(text).substr(0, text.find(part)));
}

TEST_F(UpdateViewTest, HelpShowsTheEntryWithHeadingAndFunctionEmphasised) {
    ui::RichTextBox& box = window.RTHinweis;
    for (const char* language : {"english", "german"}) {
        text::applyLanguage(language);
        const std::string function = text::MainTexts[8];
        struct Case {
            const char* kind;
            int index;
            const std::string& entry;
            int headingLength;  // "SCPT Type:", "SNVT Type:" (German "... Typ:"), none for tabs
        } cases[] = {
            {"Nci", 0, text::CpHelpTexts[0], ui::utf8Length(text::MainTexts[37])},
            {"Nci", 3, text::CpHelpTexts[3], ui::utf8Length(text::MainTexts[37])},
            {"Nci", 97, text::CpHelpTexts[97], ui::utf8Length(text::MainTexts[37])},
            {"Nvi", 1, text::NviHelpTexts[1], ui::utf8Length(text::MainTexts[36])},
            {"Nvo", 36, text::NvoHelpTexts[36], ui::utf8Length(text::MainTexts[36])},
            {"Tab", 0, text::TabHelpTexts[0], 0},
        };
        for (const Case& t : cases) {
            ASSERT_FALSE(t.entry.empty()) << t.kind << t.index;
            UpdateView(settings, box, {}, 100, false, t.kind, static_cast<int16_t>(t.index));
            EXPECT_EQ(box.text(), t.entry);
            std::vector<std::pair<int, int>> expected;
            if (t.headingLength > 0) expected.emplace_back(0, t.headingLength);
            if (t.entry.find(function) != std::string::npos)
                expected.emplace_back(charPosition(t.entry, function), ui::utf8Length(function));
            EXPECT_EQ(emphasised(box), expected) << language << " " << t.kind << t.index;
            EXPECT_EQ(box.selStart(), std::min(130, ui::utf8Length(t.entry)));
            EXPECT_EQ(box.selLength(), 0);
        }
        // An entry without help empties the box; the caret cannot go beyond the text.
        showHelp(box, "Nvi", 0);
        EXPECT_EQ(box.text(), "");
        EXPECT_EQ(box.selStart(), 0);
    }
    text::applyLanguage("");
}

TEST_F(UpdateViewTest, HelpOutsideTheTableOrOfUnknownKindKeepsTheText) {
    text::applyLanguage("english");
    ui::RichTextBox& box = window.RTHinweis;
    showHelp(box, "Nvo", 36);
    const std::string shown = box.text();
    for (auto [kind, index] : {std::pair{"Nvo", 41}, {"Nvo", -1}, {"Tab", 11}, {"nci", 0}}) {
        showHelp(box, kind, index);
        EXPECT_EQ(box.text(), shown) << kind << index;
    }
    showHelp(box, "", 3);  // no kind: nothing at all
    EXPECT_EQ(box.text(), shown);

    // "Function:" is looked for in the first 1000 characters only.
    box.setText(std::string(992, 'x') + "Function:");
    showHelp(box, "Other", 0);
    EXPECT_TRUE(emphasised(box).empty());
    box.setText(std::string(991, 'x') + "Function:");
    showHelp(box, "Other", 0);
    EXPECT_EQ(emphasised(box), (std::vector<std::pair<int, int>>{{991, 9}}));
    text::applyLanguage("");
}

}  // namespace
}  // namespace model
