#include "devctrls/arv_sts_bar.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "platform/core/event_loop.h"
#include "platform/ui/headless.h"
#include "platform/ui/input.h"

using devctrls::ArvStsBar;
using devctrls::DeviceRecord;
using devctrls_test::ControlsTest;
using devctrls_test::statusWith;

namespace {

const std::string kNormal = statusWith({});
const std::string kFault = statusWith({devctrls::comm_failure});
const std::string kAlarm = statusWith({devctrls::in_alarm});

class ArvStsBarTest : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        bar = std::make_unique<ArvStsBar>(*host);
        bar->move(0, 5500, 8400, 375);
        device = std::make_shared<DeviceRecord>();
        device->deviceName = "MBX-440 Room 12";
        device->blocks = {{"NodeObject", kNormal, {}},
                          {"Sensor[0]", kFault, {11, "30.00", "Room 12", 1, 9, "t", "31.20"}}};
    }
    void TearDown() override {
        bar.reset();
        ControlsTest::TearDown();
    }
    std::string panel(const char* key) { return bar->stsBar().panel(key).text; }
    int panelIndex(const char* key) { return bar->stsBar().panelIndex(key); }
    void tick() { platform::EventLoop::instance().advance(5000); }
    void online() {
        bar->setDeviceState("Cnfg Online");
        bar->setTheAppDevice(device);
    }

    std::unique_ptr<ArvStsBar> bar;
    std::shared_ptr<DeviceRecord> device;
};

TEST_F(ArvStsBarTest, CreatedEmptyAndStopped) {
    std::vector<std::string> keys;
    for (int i = 1; i <= bar->stsBar().panelCount(); ++i) {
        keys.push_back(bar->stsBar().panel(i).key);
        EXPECT_EQ(bar->stsBar().panel(i).text, "");
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Device", "State", "MonitorEnabled", "UnifexObject",
                                              "Status"}));
    EXPECT_FALSE(bar->timer().running());
    EXPECT_FALSE(bar->MonitorEnabled());
    const ui::Panel& monitor = bar->stsBar().panel("MonitorEnabled");
    EXPECT_EQ(bar->imgMonitor().left(), monitor.left + 40);
    EXPECT_EQ(bar->imgMonitor().top(), 60);
    EXPECT_EQ(bar->imgStatus().width(), 180);
}

TEST_F(ArvStsBarTest, DeviceWithoutBlocksShowsItsNameOnly) {
    device->blocks.clear();
    bar->setCommandObjectName("Net/Sub/MBX-440 Room 12");
    online();
    EXPECT_EQ(panel("Device"), "MBX-440 Room 12");
    EXPECT_EQ(bar->stsBar().panel("Device").toolTipText, "Net/Sub/MBX-440 Room 12");
    EXPECT_EQ(panel("UnifexObject"), "");
    EXPECT_FALSE(bar->timer().running());
    ui::clickPanel(bar->stsBar(), panelIndex("UnifexObject"));
    ui::clickPanel(bar->stsBar(), panelIndex("Status"));
    EXPECT_EQ(host->lastPopupMenu(), nullptr);
}

TEST_F(ArvStsBarTest, DeviceWithBlocksShowsTheFirstAndPollsWhileMonitoring) {
    online();
    EXPECT_EQ(panel("UnifexObject"), "NodeObject");
    EXPECT_EQ(panel("Status"), "    Normal");
    EXPECT_EQ(bar->imgStatus().picture(), "imglst:InNormal");
    EXPECT_EQ(bar->smnuObjects()[1].caption(), "Sensor[0]");
    EXPECT_EQ(bar->timer().interval(), 5000);

    tick();  // monitoring off: the tick does nothing
    EXPECT_EQ(panel("State"), "Cnfg Online");
    bar->setMonitorEnabled(true);
    EXPECT_EQ(panel("MonitorEnabled"), "M");
    EXPECT_EQ(bar->imgMonitor().picture(), "imglst:MonitorEnabled");
    struct Case {
        int code;
        const char* text;
    };
    for (Case c : {Case{2, "Uncnfg"}, Case{3, "App'less"}, Case{4, "Online"}, Case{5, "?"},
                   Case{6, "Offline"}, Case{12, "Soft Offline"}, Case{140, "CnfgBypass"}}) {
        device->state = c.code;
        tick();
        EXPECT_EQ(panel("State"), c.text) << c.code;
    }
    EXPECT_EQ(bar->DeviceState(), "Cnfg Online");  // the tick writes the panel only
    device->stateReadable = false;
    tick();
    EXPECT_EQ(panel("State"), "?");

    device->block("NodeObject").statusText = kFault;
    tick();
    EXPECT_EQ(panel("Status"), "    In Exception");
    bar->setMonitorEnabled(false);
    EXPECT_FALSE(bar->timer().running());
    EXPECT_EQ(panel("MonitorEnabled"), "");
    EXPECT_EQ(bar->imgMonitor().picture(), "");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ArvStsBarTest, StatusStaysWhileTheDeviceIsNotConfiguredOnline) {
    bar->setDeviceState("Offline");
    bar->setTheAppDevice(device);
    bar->setMonitorEnabled(true);
    device->block("NodeObject").statusText = kFault;
    tick();
    tick();
    EXPECT_EQ(panel("Status"), "");
    EXPECT_EQ(bar->imgStatus().picture(), "");
    EXPECT_EQ(bar->objectStatus(), nullptr);
}

TEST_F(ArvStsBarTest, ChoosingABlockAndTheAlarmViewer) {
    online();
    ui::clickPanel(bar->stsBar(), panelIndex("UnifexObject"));
    EXPECT_EQ(host->lastPopupMenu(), &bar->mnuObject());
    // Items of a popped-up menu are chosen as the renderer delivers them: the input API refuses
    // items whose (hidden) pop-up parent is not a visible menu-bar entry.
    bar->smnuObjects()[1].click();
    EXPECT_EQ(panel("UnifexObject"), "Sensor[0]");
    EXPECT_EQ(panel("Status"), "    In Exception");
    EXPECT_EQ(bar->imgStatus().picture(), "imglst:InException");
    // In exception without an alarm: the alarm view is refused.
    EXPECT_FALSE(bar->smnuView()[1].enabled());
    EXPECT_EQ(bar->objectAlarm(), nullptr);
    bar->smnuView()[1].click();
    EXPECT_EQ(ui::findForm("frmAlarms"), nullptr);

    device->block("Sensor[0]").statusText = kAlarm;
    ASSERT_TRUE(bar->UpdateObjectStatus());
    EXPECT_TRUE(bar->smnuView()[1].enabled());
    ui::clickPanel(bar->stsBar(), panelIndex("Status"));
    EXPECT_EQ(host->lastPopupMenu(), &bar->mnuView());
    const ui::Panel& status = bar->stsBar().panel("Status");
    std::string caption, type;
    int left = 0, bottom = 0;
    bool modal = false;
    ui::whenShown("frmAlarms", [&](ui::Form& f) {
        caption = f.caption();
        left = f.left();
        bottom = f.top() + f.height();
        modal = f.isModal();
        auto& list = static_cast<ui::ListView&>(f.control("lstAlarms"));
        type = list.subItem(1, 1);
        ui::typeKeys(list, "{ESC}");
    });
    bar->smnuView()[1].click();
    EXPECT_EQ(caption, "Unifex Alarm [Sensor[0]]");
    EXPECT_EQ(type, "Alarm high limit alarm 1");
    EXPECT_TRUE(modal);
    EXPECT_EQ(left, host->left() + status.left);
    EXPECT_EQ(bottom, host->top() + host->height());
    EXPECT_FALSE(bar->alarmViewer()->isLoaded());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ArvStsBarTest, StatusViewerOpensAndAFailedFirstParseClosesIt) {
    online();
    ui::clickPanel(bar->stsBar(), panelIndex("Status"));
    std::string caption;
    ui::whenShown("frmStatus", [&](ui::Form& f) {
        caption = f.caption();
        f.unload();
    });
    bar->smnuView()[0].click();
    EXPECT_EQ(caption, "Unifex Status [NodeObject]");

    device->block("NodeObject").statusText = "garbled";
    bar->smnuView()[0].click();  // the window is not shown and stops refreshing
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].request.text.find("frmStatus RepeatParseStatus"), std::string::npos);
    EXPECT_FALSE(bar->statusViewer()->isLoaded());
    EXPECT_FALSE(bar->statusViewer()->Timer1.running());
    EXPECT_EQ(ui::headless().pendingSteps("frmStatus"), 0u);
}

TEST_F(ArvStsBarTest, UnreadableBlockStatusShowsTheBoxAndKeepsTheTimerStopped) {
    device->block("NodeObject").statusText = "7";
    online();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].request.title, "Status Bar Unifex Status");
    EXPECT_EQ(boxes()[0].request.icon, ui::vbCritical);
    EXPECT_FALSE(bar->timer().running());
}

TEST_F(ArvStsBarTest, DevicePanelShowsTheCommandObjectName) {
    ui::clickPanel(bar->stsBar(), panelIndex("Device"));  // empty name: nothing
    EXPECT_TRUE(boxes().empty());
    bar->setCommandObjectName("Net/Sub/Dev");
    EXPECT_EQ(panel("Device"), "Net/Sub/Dev");
    ui::clickPanel(bar->stsBar(), panelIndex("Device"));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].request.text, "Net/Sub/Dev");
    EXPECT_EQ(boxes()[0].request.title, "Device Name");
    EXPECT_EQ(boxes()[0].request.icon, ui::vbInformation);
}

TEST_F(ControlsTest, ArvStsBarByIdentifierAndMemberNames) {
    auto bar = create("WcxDevCtrs.ArvStsBar");
    ASSERT_NE(bar, nullptr);
    bar->put("Container", "fMain");
    bar->put("DeviceState", "Cnfg Online");
    bar->put("CommandObjectName", "Dev");
    bar->put("MonitorEnabled", true);
    EXPECT_EQ(bar->get("DeviceState"), "Cnfg Online");
    EXPECT_EQ(bar->get("monitorenabled"), true);
    auto& sts = static_cast<ui::StatusBar&>(host->control("stsBar"));
    EXPECT_EQ(sts.panel("Device").text, "Dev");
    EXPECT_EQ(sts.panel("MonitorEnabled").text, "M");
}

}  // namespace
