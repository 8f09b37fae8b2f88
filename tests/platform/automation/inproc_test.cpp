#include "platform/automation/factories.h"
#include "platform/automation/members.h"
#include "platform/core/error.h"
#include "test_home.h"

using automation::Value;

namespace {
class Local : public automation::Automatable<Local> {
  public:
    static const automation::Members<Local>& members() {
        static const auto table =
            automation::Members<Local>("Test.Local").readOnly("Answer", [](Local&) { return 42; });
        return table;
    }
};
}  // namespace

using Inproc = AutomationHome;

TEST_F(Inproc, ClassesRegisteredInTheProcessOrInALibraryAreCreatedByIdentifier) {
    automation::FactoryRegistry::instance().add("Test.Local",
                                                [] { return std::make_shared<Local>(); });
    auto local = automation::createObject("TEST.LOCAL");
    EXPECT_EQ(local->get("answer"), 42);
    EXPECT_EQ(automation::connectionOf(local), nullptr);
    automation::FactoryRegistry::instance().remove("Test.Local");

    automation::registerInprocServer("Test.InprocEcho", AUTOMATION_TEST_CLASSES);
    auto echo = automation::createObject("Test.InprocEcho");
    EXPECT_EQ(echo->call("upper", "abc"), "ABC");
    EXPECT_EQ(automation::connectionOf(echo), nullptr);

    automation::registerInprocServer("Test.Broken", home / "libmissing.so");
    try {
        automation::createObject("Test.Broken");
        ADD_FAILURE() << "created";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, automation::errc::kCannotCreate);
        EXPECT_NE(e.description.find("libmissing.so"), std::string::npos);
    }
}
