// Properties by name, script lines and change notifications.

#include <string>
#include <vector>

#include "ui_fixture.h"

namespace {

struct Main : ui::Form {
    Main() : ui::Form("fMain") {
        txtnci.loadRange(0, 5);
        cmb_display.load(99);
        for (const char* s : {"Auto,0,1", "Auto,0,1,2", "0,1"}) cmb_display[99].addItem(s);
        tabData.addTab("General settings");
        tabData.addTab("Switch settings");
        Frame3.setContainer(tabData, 1);
        lbl_desc.setContainer(Frame3);
        mnuClearLog.setParentMenu(mnuOptionen);
        mnuClearLog.onClick = [this] { ++cleared; };
        txtnci.on(&ui::TextBox::onChange, [this](int index) { changes.push_back(index); });
        cmdApply.onClick = [this] { ++applied; };
    }
    ui::ControlArray<ui::TextBox> txtnci{this, "txtnci"};
    ui::ControlArray<ui::ComboBox> cmb_display{this, "cmb_display"};
    ui::TabStrip tabData{this, "tabData"};
    ui::Frame Frame3{this, "Frame3"};
    ui::Label lbl_desc{this, "lbl_desc"};
    ui::CommandButton cmdApply{this, "cmdApply"};
    ui::Menu mnuOptionen{this, "mnuOptionen"};
    ui::Menu mnuClearLog{this, "mnuClearLog"};
    std::vector<int> changes;
    int cleared = 0, applied = 0;
};

TEST_F(UiTest, PropertiesByNameReadAndWriteTheControls) {
    Main f;
    struct Case {
        const char* control;
        int index;
        const char* property;
        ui::Value value;
    } cases[] = {
        {"txtnci", 5, "Text", "21,5"},
        {"txtnci", 5, "ForeColor", 255},
        {"txtnci", 5, "forecolor", 0x80000012u},  // names are case-insensitive
        {"txtnci", 0, "MaxLength", 6},
        {"txtnci", 0, "Visible", false},
        {"cmb_display", 99, "ListIndex", 2},
        {"cmdApply", -1, "Enabled", false},
        {"tabData", -1, "Tab", 1},
        {"lbl_desc", -1, "Caption", "Button 4"},
        {"mnuClearLog", -1, "Checked", true},
    };
    for (const auto& c : cases) {
        ui::setProperty("fMain", c.control, c.index, c.property, c.value);
        EXPECT_EQ(ui::getProperty("fMain", c.control, c.index, c.property), c.value) << c.property;
    }
    EXPECT_EQ(f.txtnci[5].text(), "21,5");
    EXPECT_EQ(f.changes, std::vector<int>{5});
    EXPECT_EQ(f.cmb_display[99].text(), "0,1");
    EXPECT_EQ(ui::getProperty("fMain", "cmb_display", 99, "ListCount"), 3);
    EXPECT_EQ(ui::getProperty("fMain", "", -1, "Caption"), "fMain");

    EXPECT_EQ(errorNumber([] { ui::getProperty("fMain", "txtnci", 5, "Bogus"); }), 438);
    EXPECT_EQ(errorNumber([] { ui::setProperty("fMain", "txtnci", 5, "Name", "x"); }), 383);
    EXPECT_EQ(errorNumber([] { ui::setProperty("fMain", "txtnci", 5, "Left", "wide"); }), 13);
    EXPECT_EQ(errorNumber([] { ui::setProperty("fMain", "cmb_display", 99, "ListIndex", 3); }),
              380);
}

TEST_F(UiTest, EachKindListsItsPropertiesAndReadOnlyNamesRefuseWrites) {
    struct Dialog : ui::Form {
        Dialog() : ui::Form("fDialog") {}
        ui::CommandButton cmdOk{this, "cmdOk"};
        ui::ComboBox cmbPort{this, "cmbPort"};
        ui::Timer tmrPoll{this, "tmrPoll"};
    } f;
    auto keys = [](const ui::Value& object) {
        std::vector<std::string> out;
        for (const auto& [key, value] : object.items()) out.push_back(key);
        return out;
    };
    auto button = f.cmdOk.properties();
    EXPECT_EQ(button.size(), 23u);  // 20 of every control, then Caption, Default, Cancel
    EXPECT_TRUE(button.contains("Container") && button.contains("Cancel"));
    EXPECT_FALSE(button.contains("Value"));  // readable, but no property of the design
    EXPECT_EQ(f.cmdOk.get("value"), false);
    EXPECT_EQ(keys(f.tmrPoll.properties()),
              (std::vector<std::string>{"Enabled", "Index", "Interval", "Name", "Tag"}));
    EXPECT_EQ(f.tmrPoll.get("Left"), 0);  // readable though not listed

    EXPECT_EQ(errorNumber([&] { f.cmbPort.set("ListCount", 1); }), 383);
    EXPECT_EQ(errorNumber([&] { f.cmbPort.set("Container", nullptr); }), 383);
    EXPECT_EQ(errorNumber([&] { f.cmbPort.set("Bogus", 1); }), 438);
    EXPECT_EQ(errorNumber([&] { f.set("ScaleWidth", 1); }), 383);
    EXPECT_EQ(errorNumber([&] { f.set("Bogus", 1); }), 438);
    EXPECT_EQ(f.properties().size(), 20u);
}

TEST_F(UiTest, ControlsOnAnUnselectedTabPageAreNotShown) {
    Main f;
    f.show();
    EXPECT_FALSE(f.lbl_desc.isShown());
    ui::selectTab(f.tabData, 1);
    EXPECT_TRUE(f.lbl_desc.isShown());
    f.Frame3.setVisible(false);
    EXPECT_FALSE(f.lbl_desc.isShown());
}

TEST_F(UiTest, ScriptLinesDriveTheModel) {
    Main f;
    f.show();
    using ui::runScriptLine;
    runScriptLine("ui set fMain.txtnci(5) Text \"21,5\"");
    EXPECT_EQ(runScriptLine("ui get fMain.txtnci(5) Text"), "21,5");
    runScriptLine("ui set fMain.txtnci(4) Text bare words");
    EXPECT_EQ(f.txtnci[4].text(), "bare words");
    runScriptLine("ui key fMain.txtnci(3) 12{BACKSPACE}7");
    EXPECT_EQ(f.txtnci[3].text(), "17");
    runScriptLine("ui click fMain.cmdApply");
    EXPECT_EQ(f.applied, 1);
    runScriptLine("ui select fMain.cmb_display(99) \"Auto,0,1,2\"");
    EXPECT_EQ(f.cmb_display[99].listIndex(), 1);
    runScriptLine("ui menu fMain.mnuClearLog");
    EXPECT_EQ(f.cleared, 1);
    runScriptLine("ui tab fMain.tabData 1");
    EXPECT_EQ(f.tabData.tab(), 1);
    runScriptLine("ui answer retry");
    EXPECT_EQ(ui::msgBox("again?", ui::vbAbortRetryIgnore), ui::vbRetry);
    auto boxes = runScriptLine("ui boxes");
    EXPECT_EQ(boxes.at(0).at("text"), "again?");
    EXPECT_EQ(boxes.at(0).at("answer"), ui::vbRetry);
    auto forms = runScriptLine("ui forms");
    EXPECT_EQ(forms.at(0).at("name"), "fMain");
    EXPECT_EQ(forms.at(0).at("visible"), true);
    EXPECT_EQ(runScriptLine("ui get fMain.cmdApply").at("kind"), "CommandButton");

    EXPECT_EQ(errorNumber([] { runScriptLine("ui get fMain.txtnci(77) Text"); }), 340);
    EXPECT_EQ(errorNumber([] { runScriptLine("ui frobnicate fMain"); }),
              platform::errc::kInvalidValue);
    EXPECT_EQ(errorNumber([] { runScriptLine("ui key fMain.txtnci(3) {NOPE}"); }),
              platform::errc::kInvalidValue);
}

TEST_F(UiTest, ObserversHearOfEveryChangeAndNothingForTheSameValue) {
    Main f;
    std::vector<std::string> seen;
    auto id = ui::addObserver([&](const ui::Change& c) {
        using K = ui::Change::Kind;
        switch (c.kind) {
            case K::Property:
                seen.push_back((c.control ? c.control->path() : c.form->name()) + " " + c.property +
                               "=" + c.value.dump());
                break;
            case K::FormShown:
                seen.push_back("shown " + c.form->name());
                break;
            case K::FormHidden:
                seen.push_back("hidden " + c.form->name());
                break;
            case K::ControlCreated:
                seen.push_back("created " + c.value.get<std::string>());
                break;
            case K::MessageBox:
                seen.push_back("box " + c.value.at("text").get<std::string>());
                break;
            default:
                break;
        }
    });
    f.show();
    f.txtnci[1].setForeColor(ui::vbRed);
    f.txtnci[1].setForeColor(ui::vbRed);
    f.cmb_display[99].setListIndex(0);
    f.txtnci.load(50);
    ui::msgBox("hello");
    f.hide();
    ui::removeObserver(id);
    f.setCaption("not seen");
    EXPECT_EQ(seen,
              (std::vector<std::string>{"shown fMain", "fMain.txtnci(1) ForeColor=255",
                                        "fMain.cmb_display(99) ListIndex=0",
                                        "created fMain.txtnci(50)", "box hello", "hidden fMain"}));
}

}  // namespace
