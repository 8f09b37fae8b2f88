// Property look-ups by reference on devices of the real database, made from the XIF files.
#include "model/cp_lookup.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/netdb/netdb.h"
#include "platform/ui/headless.h"
#include "platform/ui/observer.h"
#include "tests/platform/netdb/test_home.h"

namespace model {
namespace {

using netdb::testing::TestHome;

class CpLookup : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!TestHome::hasRealXif(9)) GTEST_SKIP() << "data/xif has no file for variant 9";
        ui::resetToolkit();
        device = home.addVariantDevice("Net", "Sub", "MBX A", 9);
    }
    void TearDown() override { ui::resetToolkit(); }

    std::shared_ptr<netdb::ConfigProperty> lookup(std::string_view ref) {
        return GetCpByTypeIndex(ref, device, transfer);
    }
    const std::vector<ui::ShownMessageBox>& boxes() { return ui::headless().boxes(); }

    TestHome home;
    std::shared_ptr<netdb::AppDevice> device;
    TransferState transfer;
};

TEST_F(CpLookup, BothFormsResolveInTheNamedList) {
    struct Case {
        const char* ref;
        const char* name;
    } cases[] = {
        {"F:0/C:3:40", "UCPTspMinValue"},   // first block of the list
        {"F:9/C:0:49", "SCPTmaxSendTime"},  // tenth block
        {"F:0/C:0:49", "SCPTmaxSendTime"},  // the same type in the node object
        {"F:1/C:3:39", "UCPTenoceanID"},    {"N:5/C:0:23", "SCPTminRnge"},
        {"N:13/C:0:227", "SCPTtempOffset"}, {"N:40/C:0:254", "SCPTnvType"},
    };
    for (const Case& t : cases) {
        auto cp = lookup(t.ref);
        ASSERT_TRUE(cp) << t.ref;
        EXPECT_EQ(cp->Name(), t.name) << t.ref;
        EXPECT_EQ(cp->Reference(), t.ref) << "found in another list";
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(CpLookup, UnmatchedKeysGiveNoPropertyWithoutABox) {
    // The real device has no properties of its own, so the second form finds nothing there.
    ASSERT_EQ(device->Interface().ConfigProperties().Count(), 0);
    for (const char* ref :
         {"C:3:40", "F:0/C:40:3", "N:5/C:23:0", "F:0/C:3:4", "F:0/C:3:400", "F:1/C:3:40"})
        EXPECT_FALSE(lookup(ref)) << ref;
    EXPECT_TRUE(boxes().empty());
}

TEST_F(CpLookup, SecondFormResolvesAmongTheDevicesOwnPropertiesOnly) {
    // The fixture program has "UCPTspMinValue" both on the device (preset 5.0) and in the node
    // object (preset -3.0).
    auto mini = home.addDevice("Net", "Sub", "Mini", TestHome::miniXif());
    auto own = GetCpByTypeIndex("C:3:40", mini, transfer);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->Reference(), "C:3:40");
    EXPECT_EQ(own->Value(), "5,00");
    auto inBlock = GetCpByTypeIndex("F:0/C:3:40", mini, transfer);
    ASSERT_TRUE(inBlock);
    EXPECT_EQ(inBlock->Value(), "-3,00");
    EXPECT_FALSE(GetCpByTypeIndex("C:40:3", mini, transfer));
}

TEST_F(CpLookup, FailingStepAsksAndAbortOrIgnoreGiveNoProperty) {
    struct Case {
        const char* ref;
        int answer;
    } cases[] = {
        {"X:0/C:3:40", ui::vbAbort},                                 // unknown kind letter
        {"X:0/C:3:40", ui::vbIgnore},  {"f:0/C:3:40", ui::vbAbort},  // kind letters are upper case
        {"F:10/C:0:49", ui::vbAbort},                                // no eleventh block
        {"F:10/C:0:49", ui::vbIgnore}, {"N:60/C:0:23", ui::vbIgnore},  // no NV 60
        {"F:x/C:3:40", ui::vbAbort},
    };
    for (const Case& t : cases) {
        ui::headless().clear();
        ui::headless().answer(t.answer);
        EXPECT_FALSE(lookup(t.ref)) << t.ref;
        // One box per failure: a step left without its property list asks no more.
        ASSERT_EQ(boxes().size(), 1u) << t.ref;
        const ui::ShownMessageBox& box = boxes()[0];
        EXPECT_TRUE(box.queued) << t.ref;
        EXPECT_EQ(box.request.buttons, ui::vbAbortRetryIgnore);
        EXPECT_EQ(box.request.icon, ui::vbCritical);
        // The error's description, then its number.
        EXPECT_TRUE(std::regex_match(box.request.text, std::regex(".+ \\(\\d+\\)")))
            << box.request.text;
    }
    ui::headless().clear();
    lookup("X:0/C:3:40");
    EXPECT_EQ(boxes().at(0).request.text,
              "Invalid property reference \"X:0/C:3:40\": the kind is not F, N or C (" +
                  std::to_string(platform::errc::kInvalidValue) + ")");
}

TEST_F(CpLookup, RetryRepeatsTheFailingStep) {
    // Retry twice on a lasting failure: the step runs three times, then Abort ends it.
    for (int a : {ui::vbRetry, ui::vbRetry, ui::vbAbort}) ui::headless().answer(a);
    EXPECT_FALSE(lookup("F:10/C:0:49"));
    EXPECT_EQ(boxes().size(), 3u);

    // A failure that is gone when the user retries: the selected device 2 of the template does
    // not exist yet and is added while the box is up.
    ui::headless().clear();
    transfer.SelectedDevices = {{"MBX A", 1}, {"MBX B", 2}};
    transfer.SelectedDeviceCount = 2;
    transfer.TransferActive = true;
    transfer.TransferDeviceNumber = 2;
    std::shared_ptr<netdb::AppDevice> added;
    ui::ObserverId watch = ui::addObserver([&](const ui::Change& c) {
        if (c.kind == ui::Change::Kind::MessageBox && !added)
            added = home.addVariantDevice("Net", "Sub", "MBX B", 9);
    });
    ui::headless().answer(ui::vbRetry);
    auto cp = lookup("N:5/C:0:23");
    ui::removeObserver(watch);
    EXPECT_EQ(boxes().size(), 1u);
    ASSERT_TRUE(cp);
    ASSERT_TRUE(added);
    cp->SetValue("4,5");
    EXPECT_EQ(netdb::propertyByReference(*added, "N:5/C:0:23")->Value(), "4,50");
}

TEST_F(CpLookup, TransferResolvesOnTheDeviceBeingWritten) {
    auto b = home.addVariantDevice("Net", "Sub2", "MBX B", 9);
    auto c = home.addVariantDevice("Net", "Sub2", "MBX C", 9);
    auto position = [&](const std::string& name) -> int16_t {
        auto all = device->Template()->AppDevices().All();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i]->Name() == name) return static_cast<int16_t>(i + 1);
        return 0;
    };
    netdb::propertyByReference(*device, "N:5/C:0:23")->SetValue("1,0");
    netdb::propertyByReference(*b, "N:5/C:0:23")->SetValue("2,0");
    netdb::propertyByReference(*c, "N:5/C:0:23")->SetValue("3,0");
    transfer.SelectedDevices = {{"MBX B", position("MBX B")}, {"MBX C", position("MBX C")}};
    transfer.SelectedDeviceCount = 2;

    struct Case {
        bool active;
        int16_t number;
        const char* value;
    } cases[] = {{false, 2, "1,00"}, {true, 1, "2,00"}, {true, 2, "3,00"}};
    for (const Case& t : cases) {
        transfer.TransferActive = t.active;
        transfer.TransferDeviceNumber = t.number;
        auto cp = lookup("N:5/C:0:23");
        ASSERT_TRUE(cp) << t.number;
        EXPECT_EQ(cp->Value(), t.value) << t.number;
    }

    // A number outside the selection is a failing step like any other.
    transfer.TransferDeviceNumber = 3;
    EXPECT_FALSE(lookup("N:5/C:0:23"));
    EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(CpLookup, NoDeviceAsksOnce) {
    EXPECT_FALSE(GetCpByTypeIndex("F:0/C:3:40", nullptr, transfer));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_FALSE(boxes()[0].queued);  // nothing queued: the default button, Abort
    EXPECT_EQ(boxes()[0].answer, ui::vbAbort);
}

}  // namespace
}  // namespace model
