// The properties of QBXPlugInAPI that concern the main window and the fixed identification.

#include <gtest/gtest.h>

#include "editor/fmain.h"
#include "editor/forms.h"
#include "plugin/qbx_plugin_api.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin {
namespace {

using testing::errorOf;

class PropertiesTest : public testing::PlugInTest {
  protected:
    QBXPlugInAPI api;
    editor::fMain& form = editor::mainForm();
};

TEST_F(PropertiesTest, GeometryIsInPixels) {
    form.move(1500, 3000, 9000, 6000);
    EXPECT_EQ(api.Left(), 100);
    EXPECT_EQ(api.Top(), 200);
    EXPECT_EQ(api.Width(), 600);
    EXPECT_EQ(api.Height(), 400);
    form.setHeight(4507);  // 300.47 pixels
    EXPECT_EQ(api.Height(), 300);

    api.setHeight(300);
    api.setWidth(500);
    api.setLeft(10);
    api.setTop(20);
    EXPECT_EQ(form.height(), 4500);
    EXPECT_EQ(form.width(), 7500);
    EXPECT_EQ(form.left(), 150);
    EXPECT_EQ(form.top(), 300);
}

TEST_F(PropertiesTest, SizeAndPositionRulesByBorderAndWindowState) {
    form.setWindowState(ui::vbMinimized);
    for (auto set : {&QBXPlugInAPI::setHeight, &QBXPlugInAPI::setWidth, &QBXPlugInAPI::setLeft,
                     &QBXPlugInAPI::setTop}) {
        auto e = errorOf([&] { (api.*set)(300); });
        EXPECT_EQ(e.number, 20006);
        EXPECT_EQ(e.description, "Plug-in can't be moved or sized while minimized or maximized");
    }
    form.setWindowState(ui::vbMaximized);
    EXPECT_EQ(errorOf([&] { api.setLeft(3); }).number, 20006);

    // A fixed border refuses sizing before the window state is looked at; moving still works.
    for (int border : {ui::vbFixedSingle, ui::vbFixedDialog, ui::vbFixedToolWindow}) {
        form.setBorderStyle(border);
        form.setWindowState(ui::vbMaximized);
        auto e = errorOf([&] { api.setHeight(300); });
        EXPECT_EQ(e.number, 20002) << border;
        EXPECT_EQ(e.description, "Attempt to write to read-only property");
        EXPECT_EQ(errorOf([&] { api.setWidth(300); }).number, 20002);
        form.setWindowState(ui::vbNormal);
        api.setTop(7);
        EXPECT_EQ(form.top(), 105);
    }
    form.setBorderStyle(ui::vbSizableToolWindow);
    api.setHeight(300);
    EXPECT_EQ(api.Height(), 300);
}

TEST_F(PropertiesTest, PixelsBeyondTheWindowsRangeAreRefused) {
    const int before = form.height();
    EXPECT_NE(errorOf([&] { api.setHeight(2000000000); }).number, 0);
    EXPECT_EQ(form.height(), before);
}

TEST_F(PropertiesTest, MinimizedWhileHiddenSetsTheStateAndFails) {
    ASSERT_FALSE(form.visible());
    auto e = errorOf([&] { api.setMinimized(true); });
    EXPECT_EQ(e.number, 20006);
    EXPECT_EQ(e.description,
              "Can not modify the minimzed property when invisble. The property will be applied "
              "the next time the plug-in is made visible");
    EXPECT_TRUE(api.Minimized());

    api.setVisible(true);
    EXPECT_TRUE(api.Visible());
    api.setMinimized(false);
    EXPECT_FALSE(api.Minimized());
    EXPECT_EQ(form.windowState(), ui::vbNormal);
}

TEST_F(PropertiesTest, DevelopmentProgramIdKeepsOnlySixteenCharacters) {
    api.setDevelopmentProgramId("9FFF3C4600860408");
    EXPECT_EQ(api.DevelopmentProgramId(), "9FFF3C4600860408");
    api.setDevelopmentProgramId("ABC");
    EXPECT_EQ(api.DevelopmentProgramId(), "");
    api.setDevelopmentProgramId("9FFF3C46008604081");
    EXPECT_EQ(api.DevelopmentProgramId(), "");
    // The value is the process's: another object sees it.
    api.setDevelopmentProgramId("0123456789ABCDEF");
    QBXPlugInAPI other;
    EXPECT_EQ(other.DevelopmentProgramId(), "0123456789ABCDEF");
}

TEST_F(PropertiesTest, IdentificationIsFixedAndReadOnly) {
    EXPECT_EQ(api.ManufacturerID(), "1048380");
    EXPECT_EQ(api.ManufacturerName(), "Korvane Controls Ltd");
    EXPECT_EQ(api.WcxVersion(), "3.0");
    EXPECT_EQ(api.Version(), "1.4");
    EXPECT_EQ(api.Name(), "Korvane_MBX-440");
    auto e = errorOf([&] { api.setReadOnly("x"); });
    EXPECT_EQ(e.number, 20002);
    EXPECT_EQ(e.source, "Korvane_MBX-440");
}

}  // namespace
}  // namespace plugin
