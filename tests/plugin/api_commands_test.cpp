// SendCommand: command matching, the device look-up from the object path, and the errors the
// director gets.

#include <gtest/gtest.h>

#include "editor/forms.h"
#include "editor/fprogress.h"
#include "platform/netdb/netdb.h"
#include "platform/ui/screen.h"
#include "plugin/qbx_plugin_api.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin {
namespace {

using testing::errorOf;

class SendCommandTest : public testing::PlugInTest {
  protected:
    SendCommandTest() { api.setNetworkName("Demo"); }
    QBXPlugInAPI api;
};

TEST_F(SendCommandTest, ConfigureAndCustomCommandOpenTheDeviceOfTheLastTwoComponents) {
    for (int32_t command : {13, 10000}) {
        state().CurrentDevice.reset();
        api.SendCommand(command, 7, "Demo/Floor 1/MBX 1");
        ASSERT_TRUE(state().CurrentDevice) << command;
        EXPECT_EQ(state().CurrentDevice->Name(), "MBX 1");
        EXPECT_EQ(state().CurrentCommand, command);
    }
    // Only the last two components count.
    api.SendCommand(13, 7, "Elsewhere/Floor 1/Dev:");
    EXPECT_EQ(state().CurrentDevice->Name(), "Dev:");
}

TEST_F(SendCommandTest, PrefixesOfComponentsAreStrippedUnlessNothingFollows) {
    api.SendCommand(13, 7, "Demo/S:Floor 1/X:MBX 1");
    EXPECT_EQ(state().CurrentDevice->Name(), "MBX 1");
    api.SendCommand(13, 7, "Demo/Floor 1/Dev:");
    EXPECT_EQ(state().CurrentDevice->Name(), "Dev:");
}

TEST_F(SendCommandTest, UnknownCommandsAndObjectTypes) {
    auto e = errorOf([&] { api.SendCommand(13, 5, "Demo/Floor 1/MBX 1"); });
    EXPECT_EQ(e.number, 20004);
    EXPECT_EQ(e.source, "Korvane_MBX-440");
    EXPECT_EQ(e.description, "Object type not supported for this command");

    e = errorOf([&] { api.SendCommand(14, 7, "Demo/Floor 1/MBX 1"); });
    EXPECT_EQ(e.number, 20003);
    EXPECT_EQ(e.description, "Command not supported");
    EXPECT_FALSE(state().CurrentDevice);
}

TEST_F(SendCommandTest, PathsThatNameNoDeviceGiveObjectNotFound) {
    for (const char* path : {"MBX 1", "", "/Demo/Floor 1/MBX 1", "Demo/Floor 1//MBX 1",
                             "Demo/Floor 2/MBX 1", "Demo/Floor 1/MBX 2", "Demo/Floor 1/X:Dev"}) {
        auto e = errorOf([&] { api.SendCommand(13, 7, path); });
        EXPECT_EQ(e.number, 20005) << path;
        EXPECT_EQ(e.description, "Object not found") << path;
    }
    EXPECT_FALSE(state().CurrentDevice);
}

TEST_F(SendCommandTest, RegistrationCommandsSucceedAndNeedNoObject) {
    EXPECT_NO_THROW(api.SendCommand(50, 0, ""));
    EXPECT_NO_THROW(api.SendCommand(51, 0, ""));
}

TEST_F(SendCommandTest, TheProgressWindowIsGoneAfterEveryCommand) {
    api.SendCommand(51, 0, "");
    EXPECT_FALSE(editor::progressForm().isLoaded());
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);

    errorOf([&] { api.SendCommand(14, 7, "x"); });
    EXPECT_FALSE(editor::progressForm().isLoaded());
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
}

}  // namespace
}  // namespace plugin
