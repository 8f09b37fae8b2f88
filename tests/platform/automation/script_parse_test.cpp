#include "platform/automation/script_parse.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"

using automation::Value;
namespace script = automation::script;

TEST(ScriptParse, ArgumentsAreBlankSeparatedJsonValues) {
    EXPECT_EQ(script::parseValues(R"(13 7 "/Sub 1/Dev 2" [1, "a b"] {"k": [2]} true null -1.5)"),
              Value::parse(R"([13, 7, "/Sub 1/Dev 2", [1, "a b"], {"k": [2]}, true, null, -1.5])"));
    EXPECT_EQ(script::parseValues("   "), Value::array());
    EXPECT_EQ(script::parseValues(R"("say \"hi\"")"), Value::array({"say \"hi\""}));
    for (const char* bad : {"12x", "abc", "\"open", "[1,2", "[1]2", "'single'"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(script::parseValues(bad), platform::Error);
    }
}

TEST(ScriptParse, UiLinesBecomeTheirRequests) {
    struct Case {
        const char* line;
        const char* request;
    };
    const Case cases[] = {
        {"forms", R"({"op":"forms"})"},
        {"boxes", R"({"op":"boxes"})"},
        {"get fMain txtnci(3) Text",
         R"({"op":"get","form":"fMain","control":"txtnci","index":3,"property":"Text"})"},
        {"get fMain cmdApply Enabled",
         R"({"op":"get","form":"fMain","control":"cmdApply","property":"Enabled"})"},
        {"set fMain txtnci(0) Text \"25\"",
         R"({"op":"set","form":"fMain","control":"txtnci","index":0,"property":"Text","value":"25"})"},
        {"set fMain chkMonitor Value 1",
         R"({"op":"set","form":"fMain","control":"chkMonitor","property":"Value","value":1})"},
        {"set fMain txtName Text Room 12",
         R"({"op":"set","form":"fMain","control":"txtName","property":"Text","value":"Room 12"})"},
        {"key fMain txtnci(17) 2{BACKSPACE}5{ENTER}",
         R"({"op":"key","form":"fMain","control":"txtnci","index":17,"text":"2{BACKSPACE}5{ENTER}","keys":[50,8,53,13]})"},
        {"key fMain txtA {{}x{}}{TAB}ä",
         R"({"op":"key","form":"fMain","control":"txtA","text":"{{}x{}}{TAB}ä","keys":[123,120,125,9,228]})"},
        {"click fMain cmd_display(2)",
         R"({"op":"click","form":"fMain","control":"cmd_display","index":2})"},
        {"focus Einlernen txtID", R"({"op":"focus","form":"Einlernen","control":"txtID"})"},
        {"answer Yes", R"({"op":"answer","button":"Yes"})"},
        {"answer-file /tmp/my params.par", R"({"op":"answer-file","path":"/tmp/my params.par"})"},
        {"answer-file CANCEL", R"({"op":"answer-file","cancel":true})"},
        {"advance 5000", R"({"op":"advance","ms":5000})"},
        {"screenshot /tmp/shots", R"({"op":"screenshot","dir":"/tmp/shots"})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(script::parseUiLine(c.line), Value::parse(c.request));
    }
}

TEST(ScriptParse, BadUiLinesNameWhatIsWrong) {
    struct Case {
        const char* line;
        const char* message;  // part of the description
    };
    const Case cases[] = {
        {"frobnicate", "Unknown ui request \"frobnicate\""},
        {"get fMain txtnci(3)", "Missing PROPERTY"},
        {"get fMain txtnci(x) Text", "Bad control \"txtnci(x)\""},
        {"get fMain txtnci(3 Text", "Bad control"},
        {"click fMain", "Missing CONTROL"},
        {"click fMain cmdOK extra", "Unexpected \"extra\""},
        {"key fMain txtA 1{F1}", "Unknown key {F1}"},
        {"key fMain txtA 1{ENTER", "Unclosed"},
        {"advance -5", "Bad milliseconds"},
        {"answer", "Missing BUTTON"},
        {"forms now", "Unexpected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            script::parseUiLine(c.line);
            ADD_FAILURE() << "accepted";
        } catch (const platform::Error& e) {
            EXPECT_NE(e.description.find(c.message), std::string::npos) << e.description;
            EXPECT_EQ(e.source, "qbx");
        }
    }
}
