// The XIF parser and template import: a good file, every kind of malformed file (each names the
// file and the line), and an import that fails changing nothing.
#include "platform/netdb/xif_parser.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "tests/platform/netdb/test_home.h"

using netdb::testing::TestHome;

TEST(XifParser, ReadsRecordsQuotesCommentsAndCrLf) {
    auto prog = netdb::parseXif(
        "# comment\r\n"
        "\r\n"
        "xif 1\r\n"
        "program-id 9FFF3C4600860408\r\n"
        "model \"A \\\"quoted\\\" name \\\\ here\"\r\n"
        "block 1 Sensor[0] 20010\n"
        "block 0 NodeObject 0\n"
        "  # indented comment\n"
        "nv 5 nvoHVACTemp_1\toutput   SNVT_temp_p 1 value 21.5\n"
        "cp nv:5 0 23 SCPTminRnge SNVT_temp_p default 0.0\n"
        "cp block:0 3 71 UCPTlongPressTime SNVT_time_sec elements 4 default \"1.0;2.0;2.0;2.0\"\n"
        "cp device 3 40 UCPTspMinValue SNVT_temp_p default -3.0",
        "t.xif");
    EXPECT_EQ(prog.programId, "9FFF3C4600860408");
    EXPECT_EQ(prog.model, "A \"quoted\" name \\ here");
    ASSERT_EQ(prog.blocks.size(), 2u);
    EXPECT_EQ(prog.blocks[0].name, "NodeObject") << "blocks come in position order";
    ASSERT_EQ(prog.nvs.size(), 1u);
    EXPECT_TRUE(prog.nvs[0].output);
    EXPECT_EQ(prog.nvs[0].block, 1);
    ASSERT_EQ(prog.cps.size(), 3u);
    EXPECT_EQ(prog.cps[0].owner, netdb::CpOwner::Nv);
    EXPECT_EQ(prog.cps[0].ownerRef, 5);
    EXPECT_EQ(prog.cps[1].elements, 4);
    EXPECT_EQ(prog.cps[2].owner, netdb::CpOwner::Device);
}

TEST(XifParser, MalformedFilesNameFileLineAndFault) {
    const std::string head =
        "xif 1\nprogram-id 9FFF3C4600860408\nblock 0 NodeObject 0\n";  // lines 1-3
    struct Case {
        std::string text;
        std::string expected;  // the start of the description
    } cases[] = {
        {"", "bad.xif:1: the file has no header"},
        {"# only\nblock 0 N 0\n", "bad.xif:2: the file must begin with the header"},
        {"xif 2\n", "bad.xif:1: unsupported XIF version"},
        {"xif 1\nblock 0 N 0\n", "bad.xif:3: the file has no program-id"},
        {"xif 1\nprogram-id 9fff3c4600860408\n", "bad.xif:2: program-id"},
        {"xif 1\nprogram-id 9FFF3C46008604\n", "bad.xif:2: program-id"},
        {head + "blok 1 X 0\n", "bad.xif:4: unknown record \"blok\""},
        {head + "block 1 X\n", "bad.xif:4: block needs 3 fields"},
        {head + "block one X 0\n", "bad.xif:4: block position \"one\" is not a decimal number"},
        {head + "block 1 X 70000\n", "bad.xif:4: profile key 70000 is out of range"},
        {head + "block 0 Again 0\n", "bad.xif:4: block position 0 is already declared on line 3"},
        {head + "block 2 Gap 0\n", "bad.xif:4: block position 2 leaves a gap"},
        {head + "nv 1 a input SNVT_state 1\n", "bad.xif:4: nv names the undeclared block 1"},
        {head + "nv 1 a sideways SNVT_state 0\n", "bad.xif:4: nv direction"},
        {head + "nv 1 a input XNVT_foo 0\n", "bad.xif:4: unknown value type \"XNVT_foo\""},
        {head + "nv 1 a input SNVT_state 0\nnv 1 b input SNVT_state 0\n",
         "bad.xif:5: nv index 1 is already declared on line 4"},
        {head + "nv 1 a input SNVT_state 0 initial 0\n", "bad.xif:4: nv needs 5 fields"},
        {head + "cp block:1 3 40 X SNVT_temp_p default 0\n",
         "bad.xif:4: cp names the undeclared block 1"},
        {head + "cp nv:9 0 23 X SNVT_temp_p default 0\n",
         "bad.xif:4: cp names the undeclared nv 9"},
        {head + "cp room 3 40 X SNVT_temp_p default 0\n", "bad.xif:4: cp owner \"room\""},
        {head + "cp device 7 40 X SNVT_temp_p default 0\n", "bad.xif:4: scope 7 is out of range"},
        {head + "cp device 3 40 X SNVT_temp_p 0\n", "bad.xif:4: cp needs"},
        {head + "cp device 3 40 X SNVT_temp_p elements 1 default 0\n",
         "bad.xif:4: elements 1 is out of range"},
        {head + "cp device 3 40 X SNVT_time_sec elements 4 default \"1;2\"\n",
         "bad.xif:4: "},  // the wording is the value formats' or the parser's
        {head + "cp device 3 40 X SNVT_temp_p default 0\ncp device 3 40 Y SNVT_temp_p default 1\n",
         "bad.xif:5: the property device 3:40 is already declared on line 4"},
        {head + "model \"open\n", "bad.xif:4: unterminated quoted field"},
        {head + "model \"a\"b\n", "bad.xif:4: a blank must follow a quoted field"},
    };
    for (const auto& c : cases) {
        try {
            netdb::parseXif(c.text, "bad.xif");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.description.substr(0, c.expected.size()), c.expected) << c.text;
        }
    }
}

TEST(XifImport, TemplateImportAndFailedImportChangesNothing) {
    TestHome home;
    auto templates = home.system("Net")->TemplateLibrary().deviceTemplates();
    auto tmpl = templates.Add("Mini", 1);
    EXPECT_EQ(tmpl->ProgramId(), "");
    EXPECT_THROW(home.system("Net")->Subsystems().Add("Sub")->AppDevices().Add("Dev", tmpl),
                 platform::Error)
        << "an empty template makes no devices";
    tmpl->Import(TestHome::miniXif());
    EXPECT_EQ(tmpl->ProgramId(), "9FFF3C4600000001");
    EXPECT_EQ(tmpl->Model(), "Test device (mini)");
    EXPECT_EQ(tmpl->UnifexObjects().Count(), 3);
    EXPECT_EQ(tmpl->Interface().NetworkVariables().Count(), 4);

    std::string text = platform::readFile(TestHome::miniXif());
    auto bad =
        home.writeFile("broken/MBX-440_8.xif", text + "cp device 3 41 X XNVT_foo default 0\n");
    try {
        tmpl->Import(bad);
        FAIL() << "accepted";
    } catch (const platform::Error& e) {
        EXPECT_NE(e.description.find("MBX-440_8.xif:"), std::string::npos) << e.description;
        EXPECT_NE(e.description.find("XNVT_foo"), std::string::npos) << e.description;
    }
    EXPECT_EQ(tmpl->UnifexObjects().Count(), 3) << "the earlier import stays";
    EXPECT_EQ(tmpl->ProgramId(), "9FFF3C4600000001");
    EXPECT_THROW(tmpl->Import(home.path() / "missing.xif"), platform::Error);

    // A device starts with the template's presets.
    auto dev = home.system("Net")->Subsystems().Item("Sub")->AppDevices().Add("Dev", tmpl);
    EXPECT_EQ(dev->Interface().NetworkVariables().Item(5)->Value(),
              tmpl->Interface().NetworkVariables().Item(5)->Value());
    EXPECT_EQ(netdb::propertyByReference(*dev, "F:0/C:3:71")->Value(),
              tmpl->UnifexObjects().Item(1)->ConfigProperties().Item("UCPTlongPressTime")->Value());
}
