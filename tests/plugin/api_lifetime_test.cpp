// Objects of several directors share one process; the last one released with the main window
// hidden ends the run.

#include <gtest/gtest.h>

#include <memory>

#include "editor/fmain.h"
#include "editor/forms.h"
#include "platform/core/event_loop.h"
#include "platform/netdb/netdb.h"
#include "platform/ui/input.h"
#include "plugin/end_plugin.h"
#include "plugin/qbx_plugin_api.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin {
namespace {

class LifetimeTest : public testing::PlugInTest {};

TEST_F(LifetimeTest, ObjectsShareTheProcessAndCountThemselves) {
    auto first = std::make_unique<QBXPlugInAPI>();
    EXPECT_TRUE(editor::mainForm().isLoaded());
    EXPECT_EQ(state().SupportedCommands[0].Name, "Configure");
    auto second = std::make_unique<QBXPlugInAPI>();
    EXPECT_EQ(state().InstanceCount, 2);

    first->setNetworkName("Demo");
    EXPECT_EQ(second->networkName(), "Demo");
    // The interface name is the object's own.
    first->setNetworkInterfaceName("Local");
    EXPECT_EQ(second->NetworkInterfaceName(), "");

    first.reset();
    EXPECT_EQ(state().InstanceCount, 1);
    EXPECT_FALSE(state().processEnded);
    EXPECT_TRUE(editor::mainForm().isLoaded());
    EXPECT_TRUE(state().NetworkOpen);
}

TEST_F(LifetimeTest, TheLastReleaseWithTheWindowHiddenEndsTheRun) {
    int ended = 0;
    state().endProcess = [&] { ++ended; };
    auto api = std::make_unique<QBXPlugInAPI>();
    api->setNetworkName("Demo");
    api->SendCommand(13, 7, "Demo/Floor 1/MBX 1");
    auto system = state().CurrentSystem;
    auto network = state().CurrentNetwork;
    auto server = state().Server;

    api.reset();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(state().processEnded);
    EXPECT_FALSE(state().CurrentDevice);
    EXPECT_FALSE(state().CurrentSystem);
    EXPECT_FALSE(state().CurrentNetwork);
    EXPECT_FALSE(state().ServerOpen);
    EXPECT_FALSE(state().NetworkOpen);
    EXPECT_FALSE(system->IsOpen());
    EXPECT_FALSE(network->IsOpen());
    EXPECT_FALSE(server->IsOpen());
    EXPECT_FALSE(editor::mainForm().isLoaded());
}

TEST_F(LifetimeTest, TheLastReleaseWithTheWindowVisibleKeepsTheRun) {
    auto api = std::make_unique<QBXPlugInAPI>();
    api->setVisible(true);
    api.reset();
    EXPECT_EQ(state().InstanceCount, 0);
    EXPECT_FALSE(state().processEnded);
    EXPECT_TRUE(editor::mainForm().visible());

    // A new first object starts over: the network is opened again.
    QBXPlugInAPI again;
    EXPECT_FALSE(state().NetworkOpen);
    EXPECT_EQ(state().InstanceCount, 1);
}

TEST_F(LifetimeTest, ClosingTheLastWindowEndsTheRunOnlyWhenNoDirectorHoldsAnObject) {
    int ended = 0;
    state().endProcess = [&] { ++ended; };
    const auto watch = endWhenTheLastWindowCloses();
    auto api = std::make_unique<QBXPlugInAPI>();
    api->setNetworkName("Demo");
    api->SendCommand(13, 7, "Demo/Floor 1/MBX 1");
    api->setVisible(true);
    auto network = state().CurrentNetwork;

    // A director still holds its object: the window goes, the run stays.
    ui::closeForm(editor::mainForm());
    platform::doEvents();
    EXPECT_EQ(ended, 0);
    api->setVisible(true);
    api.reset();
    EXPECT_EQ(ended, 0);

    ui::closeForm(editor::mainForm());
    platform::doEvents();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(network->IsOpen());
    ui::removeObserver(watch);
}

TEST_F(LifetimeTest, EndPlugInSkipsFailingStepsAndStillEnds) {
    QBXPlugInAPI api;
    api.setNetworkName("Demo");
    // A network already closed behind the plug-in's back: nothing fails, everything is let go.
    state().CurrentNetwork->Close();
    state().Server->Close();
    EndPlugIn();
    EXPECT_TRUE(state().processEnded);
    EXPECT_FALSE(state().CurrentSystem);
    EXPECT_FALSE(state().CurrentNetwork);
}

}  // namespace
}  // namespace plugin
