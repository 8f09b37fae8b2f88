#include "platform/automation/script_runner.h"

#include <sstream>

#include "platform/core/error.h"
#include "test_home.h"

using automation::Value;

namespace {
std::string lines(std::initializer_list<const char*> ls) {
    std::string s;
    for (const char* l : ls) s += std::string(l) + "\n";
    return s;
}
}  // namespace

using ScriptRunner = AutomationHome;

TEST_F(ScriptRunner, EachCommandPrintsOneLineAndTheStatusCountsTheFailures) {
    automation::registerInprocServer("Test.InprocEcho", AUTOMATION_TEST_CLASSES);
    std::istringstream in(lines({
        "# a comment and a blank line print nothing",
        "",
        "create c Test.Counter",
        "put c Value 5",
        "get c value",
        "call c Add 2 3",
        "call c Fail",
        "get nobody Value",
        "create e Test.InprocEcho",
        "call e Upper \"a b\"",
        "ui forms",
        "ui get fMain txtnci(3)",
        "bogus",
        "put c Value 1 2",
        "release c",
        "get c Value",
    }));
    std::ostringstream out;
    automation::ScriptOptions opts;
    opts.activation = options;
    int status = automation::runScript(in, out, opts);
    EXPECT_EQ(
        out.str(),
        lines({
            "ok",
            "ok",
            "ok 5",
            "ok 5",
            "error 20003 Korvane_MBX-440|Command not supported",
            "error 1001 qbx|No object named \"nobody\"; create it first",
            "ok",
            "ok \"A B\"",
            "ok [\"fTest\"]",
            "error 1002 qbx|Missing PROPERTY; usage: ui get FORM CONTROL[(INDEX)] PROPERTY",
            "error 1002 qbx|Unknown command \"bogus\"; use create, get, put, call, release or ui",
            "error 1002 qbx|put takes one JSON value; usage: put NAME MEMBER JSON",
            "ok",
            "error 1001 qbx|No object named \"c\"; create it first",
        }));
    EXPECT_EQ(status, 6);
}

TEST_F(ScriptRunner, UiLinesGoToTheLocalHandlerWhileOnlyInProcessObjectsExist) {
    automation::registerInprocServer("Test.InprocEcho", AUTOMATION_TEST_CLASSES);
    std::vector<Value> requests;
    automation::ScriptOptions opts;
    opts.activation = options;
    opts.localUi = [&](const Value& r) -> Value {
        requests.push_back(r);
        if (r["op"] == "boxes") throw platform::Error(7, "ui", "two\nlines");
        return "local";
    };
    std::istringstream in(
        lines({"create e Test.InprocEcho", "ui click fMain cmdApply", "ui boxes"}));
    std::ostringstream out;
    EXPECT_EQ(automation::runScript(in, out, opts), 1);
    EXPECT_EQ(out.str(), lines({"ok", "ok \"local\"", "error 7 ui|two lines"}));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], Value::parse(R"({"op":"click","form":"fMain","control":"cmdApply"})"));

    // Without a handler a ui line has nowhere to go.
    std::istringstream again("ui forms\n");
    std::ostringstream out2;
    EXPECT_EQ(automation::runScript(again, out2, {}), 1);
    EXPECT_EQ(out2.str().rfind("error 1004 qbx|No process to send ui requests to", 0), 0u)
        << out2.str();
}

TEST_F(ScriptRunner, TheStatusIsCappedAt125) {
    std::string script;
    for (int i = 0; i < 130; ++i) script += "nonsense\n";
    std::istringstream in(script);
    std::ostringstream out;
    EXPECT_EQ(automation::runScript(in, out, {}), 125);
    std::ostringstream missing;
    EXPECT_EQ(automation::runScriptFile((home / "none.qbx").string(), missing, {}), 1);
    EXPECT_EQ(missing.str().rfind("error 1003 qbx|Cannot read the script", 0), 0u) << missing.str();
}
