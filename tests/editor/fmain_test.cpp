// Loading the main window: caption, centring, the language, the value fields, and the splash
// and progress windows with their placement.

#include "editor/fmain.h"

#include <gtest/gtest.h>

#include "editor/forms.h"
#include "editor/fprogress.h"
#include "editor/fstartbild.h"
#include "platform/core/event_loop.h"
#include "platform/registry/registry.h"
#include "platform/ui/ui.h"
#include "tests/platform/netdb/test_home.h"
#include "text/apply_language.h"
#include "text/texts.h"

namespace editor {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        platform::EventLoop::reset(true);
        ui::resetToolkit();
        resetForms();
    }
    ~MainWindowTest() override {
        resetForms();
        // Unloaded windows are destroyed from the loop; let that happen while the toolkit lives.
        platform::doEvents();
    }

    void setLanguage(const std::string& language) {
        platform::Registry::instance().setString(platform::Hive::Machine, text::kPlugInKey,
                                                 "Language", language);
    }

    netdb::testing::TestHome home;
};

TEST_F(MainWindowTest, LoadSetsCaptionCentresAndShowsSplashAndProgress) {
    setLanguage("english");
    auto& form = mainForm();
    EXPECT_FALSE(form.isLoaded());
    form.wcxOS();  // using the service control loads the window
    ASSERT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(form.caption(), "Korvane Controls Ltd    ");
    const auto& screen = ui::screen();
    EXPECT_EQ(form.left(), (screen.width() - form.width()) / 2);
    EXPECT_EQ(form.top(), (screen.height() - form.height()) / 2);
    EXPECT_EQ(text::tableLanguage(), text::Language::English);
    EXPECT_EQ(text::PlugInTexts[3], "Initializing plug-in . . .");

    // 1920 x 1080 pixels: the splash centred, its top half a pixel lower than centred.
    auto& splash = splashForm();
    EXPECT_TRUE(splash.visible());
    EXPECT_EQ(splash.left(), (28800 - 6000) / 2);
    EXPECT_EQ(splash.top(), 6158);  // (16200 - 3900 + 15) / 2

    // The progress window places itself below the splash.
    auto& progress = progressForm();
    EXPECT_TRUE(progress.visible());
    EXPECT_EQ(progress.owner(), &form);
    EXPECT_EQ(progress.left(), 11961);  // (28800 - (4800 + 3900 / 50.1)) / 2
    EXPECT_EQ(progress.top(), 9423);    // (16200 - (900 - 3900 / 1.1)) / 2
    EXPECT_EQ(screen.mousePointer(), ui::vbHourglass);
}

TEST_F(MainWindowTest, ValueFieldsExistHidden) {
    auto& form = mainForm();
    EXPECT_EQ(form.txtnci.count(), 98);
    EXPECT_EQ(form.txtNvi.count(), 19);
    EXPECT_EQ(form.txtNvo.count(), 38);
    EXPECT_FALSE(form.txtnci[97].visible());
    EXPECT_FALSE(form.txtNvo[37].visible());
    EXPECT_THROW(form.txtnci[98], platform::Error);
    EXPECT_THROW(form.txtNvi[19], platform::Error);
}

TEST_F(MainWindowTest, ProgressWindowPlacesItselfOnEveryNewTextAndRestoresThePointer) {
    auto& progress = progressForm();
    progress.show();
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbHourglass);
    progress.move(0, 0);
    progress.lblStatus.setCaption("reading State...");
    EXPECT_EQ(progress.left(), 11961);
    EXPECT_EQ(progress.top(), 9423);
    progress.unload();
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
}

TEST_F(MainWindowTest, UnloadingTheMainWindowUnloadsTheOthers) {
    mainForm().load();
    ASSERT_TRUE(splashForm().isLoaded());
    mainForm().unload();
    EXPECT_FALSE(splashForm().isLoaded());
    EXPECT_FALSE(progressForm().isLoaded());
}

TEST_F(MainWindowTest, TablesFollowTheLanguageSetting) {
    setLanguage("german");
    mainForm().load();
    EXPECT_EQ(text::tableLanguage(), text::Language::German);
    EXPECT_FALSE(text::PlugInTexts[3].empty());
    EXPECT_NE(text::PlugInTexts[3], "Initializing plug-in . . .");
}

TEST_F(MainWindowTest, ReferencesResolveOnTheDeviceBeingConfiguredAndHelpShowsInTheInfoBox) {
    setLanguage("english");
    auto device = home.addVariantDevice("Demo", "Floor 1", "MBX 1", 9);
    auto& main = mainForm();
    EXPECT_EQ(main.GetCpByTypeIndex("F:0/C:3:40"), nullptr) << "no device yet: not available";
    main.CurrentDevice = device;
    auto cp = main.GetCpByTypeIndex("F:9/C:0:49");
    ASSERT_NE(cp, nullptr);
    EXPECT_EQ(cp->Reference(), "F:9/C:0:49");
    main.load();
    main.UpdateView(0, false, "Nci", 0);
    EXPECT_NE(main.RTHinweis.text().find("UCPTspMinValue"), std::string::npos);
}

}  // namespace
}  // namespace editor
