// The library's windows drawn by the Qt renderer: every part lies inside its window, and the
// screenshots land in <build>/tests/devctrls/screenshots for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "devctrls/arv_log.h"
#include "devctrls/arv_sts_bar.h"
#include "devctrls/status_bar_device.h"
#include "fixture.h"
#include "platform/qt/qt_renderer.h"
#include "platform/ui/input.h"

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libgobject\nleak:libdbus\n"
           "leak:libqoffscreen\n";
}

namespace {

using devctrls_test::statusWith;

class ScreensTest : public devctrls_test::ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        static char arg0[] = "test_devctrls_qt";
        static char* argv[] = {arg0, nullptr};
        qtui::startQtRenderer(1, argv);
        shots = std::filesystem::path(QBX_TEST_BINARY_DIR) / "tests/devctrls/screenshots";
    }
    void TearDown() override {
        qtui::stopQtRenderer();
        ControlsTest::TearDown();
    }

    std::set<std::string> written(const std::string& sub) {
        std::set<std::string> names;
        for (const auto& p : qtui::writeScreenshots((shots / sub).string()))
            names.insert(std::filesystem::path(p).filename().string());
        return names;
    }

    std::filesystem::path shots;
};

TEST_F(ScreensTest, LogStatusBarAndViewersFitTheirWindows) {
    host->setCaption("Korvane Controls Ltd    ");
    devctrls::ArvLog log(*host);
    log.move(120, 2400, host->scaleWidth() - 240, 2700);
    log.setLogCommand("writing Parameters...");
    log.setLogError("Error: not a number");
    log.LogOk();
    devctrls::ArvStsBar bar(*host);
    bar.move(0, host->scaleHeight() - 375, host->scaleWidth(), 375);
    auto device = std::make_shared<devctrls::DeviceRecord>();
    device->deviceName = "MBX-440 Room 12";
    device->blocks = {{"NodeObject", statusWith({}), {}},
                      {"Sensor[0]",
                       statusWith({devctrls::in_alarm}, 1),
                       {11, "30.00", "Room 12", 1, 9, "t", "31.20"}}};
    bar.setDeviceState("Cnfg Online");
    bar.setTheAppDevice(device);
    bar.smnuObjects()[1].click();
    EXPECT_EQ(qtui::controlsOutsideTheirContainers("fMain"), std::vector<std::string>{});
    EXPECT_EQ(written("host"), std::set<std::string>{"fMain.png"});

    // The viewers are modal: they are looked at while they wait for the user.
    std::map<std::string, std::vector<std::string>> faults;
    std::set<std::string> shown;
    for (const char* viewer : {"frmStatus", "frmAlarms"}) {
        ui::whenShown(viewer, [&, viewer](ui::Form& f) {
            faults[viewer] = qtui::controlsOutsideTheirContainers(viewer);
            for (const auto& n : written(viewer))
                if (n == std::string(viewer) + ".png") shown.insert(viewer);
            f.unload();
        });
    }
    ui::clickPanel(bar.stsBar(), bar.stsBar().panelIndex("Status"));
    bar.smnuView()[0].click();
    ui::clickPanel(bar.stsBar(), bar.stsBar().panelIndex("Status"));
    bar.smnuView()[1].click();
    EXPECT_EQ(shown, (std::set<std::string>{"frmAlarms", "frmStatus"}));
    EXPECT_EQ(faults["frmStatus"], std::vector<std::string>{});
    EXPECT_EQ(faults["frmAlarms"], std::vector<std::string>{});
    EXPECT_TRUE(boxes().empty());
}

}  // namespace
