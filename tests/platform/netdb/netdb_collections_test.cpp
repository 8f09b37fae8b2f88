// Collections, look-ups, identity and the open/closed state of the network database service.
#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "platform/core/error.h"
#include "platform/netdb/schema.h"
#include "tests/platform/netdb/test_home.h"

using netdb::testing::TestHome;
namespace errc = platform::errc;

namespace {
template <class Fn>
platform::Error errorOf(Fn fn) {
    try {
        fn();
    } catch (const platform::Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return platform::Error(0, "", "");
}
}  // namespace

TEST(NetdbCollections, ItemByPositionAndNameAndFailedLookUpsThrowNamingWhatWasMissing) {
    TestHome home;
    home.addDevice("Net", "Floor 1", "Dev A", TestHome::miniXif());
    home.addDevice("Net", "Floor 1", "Dev B", TestHome::miniXif());
    home.addDevice("Net", "Floor 2", "Dev C", TestHome::miniXif());
    auto sys = home.system("Net");

    auto subs = sys->Subsystems();
    ASSERT_EQ(subs.Count(), 2);
    EXPECT_EQ(subs.Item(2)->Name(), "Floor 2");
    auto devs = subs.Item("Floor 1")->AppDevices();
    EXPECT_EQ(devs.Count(), 2);
    EXPECT_EQ(devs.Item(1)->Name(), "Dev A");
    EXPECT_EQ(devs.Item("Dev B")->Name(), "Dev B");
    EXPECT_EQ(sys->AppDevices().Count(), 3);

    struct Case {
        std::function<void()> lookUp;
        std::string mentions;
    } cases[] = {
        {[&] { subs.Item(3); }, "position 3"},
        {[&] { subs.Item(0); }, "position 0"},
        {[&] { subs.Item("Floor 9"); }, "\"Floor 9\""},
        {[&] { devs.Item("dev a"); }, "\"dev a\""},  // names compare exactly
        {[&] { home.server().Networks().Item("Other"); }, "\"Other\""},
        {[&] { sys->TemplateLibrary().deviceTemplates().Item("9FFF3C4600000002"); },
         "9FFF3C4600000002"},
        {[&] { devs.Item(1)->Interface().NetworkVariables().Item(2); }, "index 2"},
        {[&] { devs.Item(1)->Interface().UnifexObjects().Item(4); }, "position 4"},
    };
    for (auto& c : cases) {
        auto e = errorOf(c.lookUp);
        EXPECT_EQ(e.number, errc::kNotFound) << e.description;
        EXPECT_NE(e.description.find(c.mentions), std::string::npos) << e.description;
    }
}

TEST(NetdbCollections, TheSameObjectFetchedTwiceIsTheSameObject) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto sys = home.system("Net");
    auto again = sys->Subsystems().Item("Sub")->AppDevices().Item("Dev");
    EXPECT_EQ(dev.get(), again.get());
    EXPECT_EQ(sys->AppDevices().Item(1).get(), dev.get());
    auto nv = dev->Interface().NetworkVariables().Item(5);
    EXPECT_EQ(nv.get(), again->Interface().NetworkVariables().Item("nvoHVACTemp_1").get());
    EXPECT_EQ(home.server().Networks().Item("Net").get(), home.network("Net").get());
}

TEST(NetdbCollections, DeviceIdentityStateAndSubsystems) {
    TestHome home;
    auto a = home.addDevice("Net", "Sub 1", "A", TestHome::miniXif());
    auto b = home.addDevice("Net", "Sub 1", "B", TestHome::miniXif());
    EXPECT_TRUE(std::regex_match(a->NodeId(), std::regex("[0-9A-F]{12}"))) << a->NodeId();
    EXPECT_NE(a->NodeId(), b->NodeId());
    EXPECT_EQ(a->ProgramId(), "9FFF3C4600000001");
    EXPECT_EQ(a->StateCode(), 4);
    EXPECT_TRUE(a->Commissioned());
    EXPECT_FALSE(a->StateUnavailable());
    a->SetStateCode(6);
    a->SetCommissioned(false);
    a->SetStateUnavailable(true);
    EXPECT_EQ(a->StateCode(), 6);
    EXPECT_FALSE(a->Commissioned());
    EXPECT_TRUE(a->StateUnavailable());

    // A device may belong to several subsystems; its first is where it was created.
    auto sys = home.system("Net");
    sys->Subsystems().Add("Sub 2")->AppDevices().Include(a);
    ASSERT_EQ(a->Subsystems().Count(), 2);
    EXPECT_EQ(a->Subsystems().Item(1)->Name(), "Sub 1");
    EXPECT_EQ(sys->Subsystems().Item("Sub 2")->AppDevices().Item(1).get(), a.get());

    // Duplicate names are refused and change nothing.
    auto dup =
        errorOf([&] { sys->Subsystems().Item("Sub 1")->AppDevices().Add("A", a->Template()); });
    EXPECT_NE(dup.description.find("\"A\" already exists"), std::string::npos) << dup.description;
    EXPECT_EQ(sys->AppDevices().Count(), 2);

    // Removing a subsystem keeps devices that are also in another one.
    sys->Subsystems().Remove("Sub 1");
    EXPECT_EQ(sys->AppDevices().Count(), 1);
    EXPECT_EQ(a->Subsystems().Item(1)->Name(), "Sub 2");
}

TEST(NetdbCollections, TemplatesAreFoundByNameOrProgramIdAndCarryTheirDevices) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto templates = home.system("Net")->TemplateLibrary().deviceTemplates();
    auto byId = templates.Item("9FFF3C4600000001");
    EXPECT_EQ(byId.get(), templates.Item("mini").get());
    EXPECT_EQ(byId->Key(), "9FFF3C4600000001");
    EXPECT_EQ(byId->AppDevices().Item(1).get(), dev.get());
    EXPECT_EQ(byId->UnifexObjects().Item(2)->Name(), "Sensor[0]");
    EXPECT_THROW(templates.Add("mini", 1), platform::Error);
    EXPECT_THROW(templates.Add("other", 2), platform::Error);
    EXPECT_THROW(templates.Remove("mini"), platform::Error) << "a template in use stays";
    home.system("Net")->Subsystems().Item("Sub")->AppDevices().Remove("Dev");
    templates.Remove("mini");
    EXPECT_EQ(templates.Count(), 0);
}

TEST(NetdbCollections, CommandListsOfEveryLevel) {
    TestHome home;
    home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto sys = home.system("Net");
    auto tmpl = sys->TemplateLibrary().deviceTemplates().Item(1);
    for (auto list : {home.server().CommandList(), sys->CommandList(), tmpl->CommandList(),
                      tmpl->UnifexObjects().Item("Sensor[0]")->componentApps()}) {
        auto entry = list.Add("Configure", "Korvane_MBX_440.QBXPlugInAPI", 7);
        entry->SetCommandCode(13);
        entry->SetDetail("details");
        entry->SetVersion("1.4");
        entry->SetManufacturerId("1048380");
        entry->SetDefaultAction(true);
        EXPECT_THROW(list.Add("Configure", "other", 7), platform::Error);
        ASSERT_EQ(list.Count(), 1);
        auto e = list.Item(1);
        EXPECT_EQ(e->AutomationId(), "Korvane_MBX_440.QBXPlugInAPI");
        EXPECT_EQ(e->ObjectType(), 7);
        EXPECT_EQ(e->CommandCode(), 13);
        EXPECT_EQ(e->Detail(), "details");
        EXPECT_EQ(e->Version(), "1.4");
        EXPECT_EQ(e->ManufacturerId(), "1048380");
        EXPECT_TRUE(e->DefaultAction());
    }
    EXPECT_EQ(sys->CommandList().Count(), 1) << "each list is its own";
    sys->CommandList().Remove(1);
    EXPECT_EQ(sys->CommandList().Count(), 0);
    EXPECT_EQ(home.server().CommandList().Count(), 1);
}

TEST(NetdbService, ClosedServiceAndUnopenedNetworkRefuseAccess) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto& server = home.server();
    server.Close();
    EXPECT_FALSE(server.IsOpen());
    EXPECT_EQ(errorOf([&] { dev->Name(); }).number, errc::kState);
    EXPECT_EQ(errorOf([&] { server.Networks().Count(); }).number, errc::kState);
    server.Open();
    EXPECT_EQ(dev->Name(), "Dev") << "objects work again after reopening";

    auto net = server.Networks().Item("Net");
    net->Close();
    EXPECT_EQ(errorOf([&] { net->Systems(); }).number, errc::kState);
    net->Open();
    EXPECT_EQ(net->Systems().Count(), 1);
}

TEST(NetdbService, ClientSettingsAndNetworkInterfaces) {
    TestHome home;
    auto& server = home.server();
    EXPECT_EQ(server.ActiveNetworkInterface()->Name(), "Local");
    server.SetActiveNetworkInterface(server.NetworkInterfaces().Item("Internet"));
    EXPECT_EQ(server.ActiveNetworkInterface()->Name(), "Internet");
    EXPECT_THROW(server.NetworkInterfaces().Item("LON9"), platform::Error);
    server.SetRemoteClient(true);
    server.SetConnectionFlags(0x30);
    server.SetOpenOption(true);
    EXPECT_TRUE(server.RemoteClient());
    EXPECT_EQ(server.ConnectionFlags(), 0x30u);
    EXPECT_TRUE(server.OpenOption());

    auto sys = home.system("Net");
    sys->SetMode(1);
    sys->SetBoolOption(true);
    sys->SetNumericOption(0);
    sys->SetNumericSetting(200);
    EXPECT_EQ(sys->Mode(), 1);
    EXPECT_TRUE(sys->BoolOption());
    EXPECT_EQ(sys->NumericSetting(), 200);
    EXPECT_THROW(home.server().Networks().Add("Net"), platform::Error);
}

TEST(NetdbService, SchemaVersionIsRecordedAndANewerDatabaseIsRefused) {
    TestHome home;
    home.server().Close();
    {
        platform::SqliteDb db(netdb::Store::databaseFile(home.path()));
        auto st = db.prepare("SELECT version FROM schema_version");
        ASSERT_TRUE(st.step());
        EXPECT_EQ(st.integer(0), netdb::currentSchemaVersion());
        db.exec("UPDATE schema_version SET version = 99");
    }
    auto e = errorOf([&] { home.server().Open(); });
    EXPECT_EQ(e.number, errc::kState);
    EXPECT_NE(e.description.find("99"), std::string::npos) << e.description;
    EXPECT_FALSE(home.server().IsOpen());
}
