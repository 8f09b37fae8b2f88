// Writing networkName: the open of the service and the network, the remote settings, the
// failure the director gets, and the language of the texts.

#include <gtest/gtest.h>

#include "platform/netdb/netdb.h"
#include "platform/ui/screen.h"
#include "plugin/qbx_plugin_api.h"
#include "tests/plugin/plugin_fixture.h"
#include "text/texts.h"

namespace plugin {
namespace {

using testing::errorOf;

class NetworkTest : public testing::PlugInTest {
  protected:
    QBXPlugInAPI api;
    netdb::ObjectServer& server() { return *state().Server; }
};

TEST_F(NetworkTest, OpensTheNetworkAndItsFirstSystemOnce) {
    api.setNetworkName("Demo");
    auto& s = state();
    EXPECT_EQ(api.networkName(), "Demo");
    EXPECT_TRUE(s.ServerOpen);
    EXPECT_TRUE(s.NetworkOpen);
    EXPECT_TRUE(server().IsOpen());
    ASSERT_TRUE(s.CurrentNetwork && s.CurrentSystem);
    EXPECT_TRUE(s.CurrentNetwork->IsOpen());
    EXPECT_TRUE(s.CurrentSystem->IsOpen());
    EXPECT_EQ(s.CurrentSystem->NumericSetting(), 200);
    EXPECT_FALSE(server().RemoteClient());

    // The same name again keeps the open network and system objects.
    const auto network = s.CurrentNetwork;
    const auto system = s.CurrentSystem;
    api.setNetworkName("Demo");
    QBXPlugInAPI other;
    other.setNetworkName("Demo");
    EXPECT_EQ(s.CurrentNetwork, network);
    EXPECT_EQ(s.CurrentSystem, system);
}

TEST_F(NetworkTest, AnUnknownNetworkGives20006WithTheName) {
    api.setNetworkName("Demo");
    auto e = errorOf([&] { api.setNetworkName("Nowhere"); });
    EXPECT_EQ(e.number, 20006);
    EXPECT_EQ(e.source, "Korvane_MBX-440");
    EXPECT_EQ(e.description, "Cannot open the network Nowhere");
    EXPECT_EQ(api.networkName(), "");
    EXPECT_FALSE(state().NetworkOpen);
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
    // A later good name opens again.
    api.setNetworkName("Demo");
    EXPECT_EQ(api.networkName(), "Demo");
}

TEST_F(NetworkTest, AnUnknownInterfaceFailsTheOpen) {
    api.setNetworkInterfaceName("Modem");
    auto e = errorOf([&] { api.setNetworkName("Demo"); });
    EXPECT_EQ(e.number, 20006);
    EXPECT_EQ(e.description, "Cannot open the network Demo");
}

TEST_F(NetworkTest, RemoteSettingsFollowTheInterfaceName) {
    // Already a remote client: the connection flags choose the Internet or a named interface.
    const struct {
        const char* interfaceName;
        uint32_t flags;
        const char* active;
        bool systemOptionsSet;
    } cases[] = {
        {"Internet", 0x10 | 0x1, "Local", true},
        {"Local", 0x20 | 0x1, "Local", false},
    };
    for (const auto& c : cases) {
        state().NetworkOpen = false;
        state().ServerOpen = false;
        server().SetRemoteClient(true);
        server().SetConnectionFlags(0x30 | 0x1);
        api.setNetworkInterfaceName(c.interfaceName);
        api.setNetworkName("Demo");
        EXPECT_TRUE(api.Remote()) << c.interfaceName;
        EXPECT_EQ(server().ConnectionFlags(), c.flags) << c.interfaceName;
        EXPECT_EQ(server().ActiveNetworkInterface()->Name(), c.active) << c.interfaceName;
        EXPECT_FALSE(server().OpenOption());
        EXPECT_FALSE(state().CurrentSystem->BoolOption());
    }

    // Not yet a remote client: the flag is set from the name, the flags stay, the interface of
    // that name becomes the active one.
    state().NetworkOpen = false;
    server().SetRemoteClient(false);
    server().SetConnectionFlags(0);
    api.setNetworkInterfaceName("Internet");
    api.setNetworkName("Demo");
    EXPECT_TRUE(server().RemoteClient());
    EXPECT_EQ(server().ConnectionFlags(), 0u);
    EXPECT_EQ(server().ActiveNetworkInterface()->Name(), "Internet");

    // No name: back to a local client.
    state().NetworkOpen = false;
    api.setNetworkInterfaceName("");
    api.setNetworkName("Demo");
    EXPECT_FALSE(server().RemoteClient());
    EXPECT_TRUE(server().IsOpen());
}

TEST_F(NetworkTest, WritingRemoteReopensAnOpenService) {
    api.setRemote(true);
    EXPECT_TRUE(api.Remote());
    EXPECT_FALSE(server().IsOpen());
    EXPECT_FALSE(state().ServerOpen);

    api.setNetworkInterfaceName("Local");
    api.setNetworkName("Demo");
    api.setRemote(false);
    EXPECT_FALSE(api.Remote());
    EXPECT_TRUE(server().IsOpen());
    EXPECT_TRUE(state().ServerOpen);
}

// The director's messages follow the installation's language.
class LanguageTest : public ::testing::WithParamInterface<const char*>, public testing::PlugInTest {
  protected:
    LanguageTest() : PlugInTest(GetParam()) {}
};

TEST_P(LanguageTest, MessagesInTheInstallationsLanguage) {
    QBXPlugInAPI api;
    const std::string language = GetParam();
    auto type = errorOf([&] { api.SendCommand(13, 5, "x"); });
    auto command = errorOf([&] { api.SendCommand(14, 7, "x"); });
    auto network = errorOf([&] { api.setNetworkName("Nowhere"); });
    auto found = errorOf([&] { api.SendCommand(13, 7, "x"); });
    EXPECT_EQ(found.description, "Object not found");
    EXPECT_EQ(network.number, 20006);
    if (language == "german") {
        EXPECT_EQ(type.description, text::PlugInTexts[4]);
        EXPECT_NE(type.description, "Object type not supported for this command");
        EXPECT_FALSE(type.description.empty());
        EXPECT_EQ(command.description, text::PlugInTexts[5]);
        EXPECT_EQ(network.description, text::PlugInTexts[6] + "Nowhere");
    } else {
        // Neither "english" nor "german" (case counts): every table text is empty.
        EXPECT_EQ(type.description, "");
        EXPECT_EQ(command.description, "");
        EXPECT_EQ(network.description, "Nowhere");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values("german", "English", ""));

}  // namespace
}  // namespace plugin
