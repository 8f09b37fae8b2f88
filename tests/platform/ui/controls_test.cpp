// The controls with items and the rarer ones: spinners, list and tree views, status bars,
// rich text, menus, progress bars, tabs, and loading array elements like the first.

#include <string>
#include <vector>

#include "ui_fixture.h"

namespace {

struct Host : ui::Form {
    Host() : ui::Form("Host") {
        UpD_nci.load(9).setHeight(400);
        UpD_nci.on(&ui::UpDown::onUpClick,
                   [this](int i) { log.push_back("up" + std::to_string(i)); });
        UpD_nci.on(&ui::UpDown::onDownClick,
                   [this](int i) { log.push_back("down" + std::to_string(i)); });
        UpD_nci.on(&ui::UpDown::onMouseDown, [this](int i, int, int, double, double y) {
            log.push_back("mouse" + std::to_string(i) + "@" + std::to_string(static_cast<int>(y)));
        });
        ImageList1.add("ERR", "err.png");
        ImageList1.add("REQ", "req.png");
        lstLog.setSmallIcons(&ImageList1);
        lstLog.addColumn("Value", "Value", 500);
        lstLog.addColumn("TimeStamp", "TimeStamp", 200);
        lstLog.onDblClick = [this] {
            log.push_back("dbl" + std::to_string(lstLog.selectedItem()));
        };
        tvw.setCheckboxes(true);
        tvw.onNodeCheck = [this](int node) { log.push_back("check " + tvw.node(node).key); };
        sts.addPanel("Device");
        sts.addPanel("State", "", 2000);
        sts.onPanelClick = [this](int panel) { log.push_back("panel " + sts.panel(panel).key); };
    }
    ui::ControlArray<ui::UpDown> UpD_nci{this, "UpD_nci"};
    ui::ImageList ImageList1{this, "ImageList1"};
    ui::ListView lstLog{this, "lstLog"};
    ui::TreeView tvw{this, "tvw"};
    ui::StatusBar sts{this, "sts"};
    ui::RichTextBox RTHinweis{this, "RTHinweis"};
    std::vector<std::string> log;
};

class Controls : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        f.show();
    }
    Host f;
};

TEST_F(Controls, SpinnerStepsByTheHalfThatIsPressed) {
    auto& spin = f.UpD_nci[9];
    ui::mouseDown(spin, 100, 150);  // upper half of 400 twips
    ui::mouseUp(spin, 100, 150);
    ui::mouseDown(spin, 100, 250);
    ui::click(spin);  // a plain click is the upper button
    EXPECT_EQ(f.log, (std::vector<std::string>{"mouse9@150", "up9", "mouse9@250", "down9",
                                               "mouse9@100", "up9"}));
    spin.setMax(1);
    spin.setValue(5);
    EXPECT_EQ(spin.value(), 1);
}

TEST_F(Controls, ListViewKeepsItemsWithSubItemsIconsAndSelection) {
    auto& lv = f.lstLog;
    int first = lv.addItem("writing Parameters...", "", "REQ");
    lv.setSubItem(first, 1, "14:05:09");
    int second = lv.addItem("failed", "", "ERR");
    lv.setSelectedItem(second);
    EXPECT_EQ(lv.itemCount(), 2);
    EXPECT_EQ(lv.subItem(first, 1), "14:05:09");
    EXPECT_EQ(lv.subItem(second, 1), "");
    EXPECT_EQ(lv.column(lv.columnByKey("TimeStamp")).width, 200);
    EXPECT_EQ(errorNumber([&] { lv.addItem("x", "", "NOPE"); }), 35601);
    EXPECT_EQ(errorNumber([&] { lv.item(3); }), 35600);
    ui::clickListItem(lv, first, true);
    EXPECT_EQ(f.log.back(), "dbl1");
    lv.clearItems();
    EXPECT_EQ(lv.selectedItem(), 0);
}

TEST_F(Controls, TreeViewNodesCheckByTheUserAndStatusBarPanelsByKey) {
    f.tvw.addNode("", "net", "Network");
    f.tvw.addNode("net", "dev1", "Device 1");
    f.tvw.addNode("net", "dev2", "Device 2");
    EXPECT_EQ(errorNumber([&] { f.tvw.addNode("", "dev1", "again"); }), 35602);
    ui::checkNode(f.tvw, "dev2", true);
    ui::checkNode(f.tvw, "dev2", true);  // already checked: no event
    f.tvw.setChecked("dev1", true);      // the program's change raises nothing
    EXPECT_EQ(f.tvw.children("net"), (std::vector<int>{2, 3}));
    f.tvw.removeNode("net");
    EXPECT_EQ(f.tvw.nodeCount(), 0);

    f.sts.setPanelText("State", "Cnfg Online");
    EXPECT_EQ(f.sts.panel(2).text, "Cnfg Online");
    EXPECT_EQ(f.sts.panel(2).left, 1440);
    ui::clickPanel(f.sts, 1);
    EXPECT_EQ(f.log, (std::vector<std::string>{"check dev2", "panel Device"}));
}

TEST_F(Controls, RichTextSelectionCarriesBoldAndUnderline) {
    auto& rt = f.RTHinweis;
    rt.setText("Title body");
    rt.setSelStart(0);
    rt.setSelLength(5);
    rt.setSelBold(true);
    rt.setSelUnderline(true);
    EXPECT_TRUE(rt.selBold());
    rt.setSelLength(7);
    EXPECT_FALSE(rt.selBold());  // not all of the selection is bold
    rt.setSelStart(rt.text().size());
    rt.setSelBold(false);
    rt.setSelText(" more");
    auto runs = rt.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].length, 5);
    EXPECT_TRUE(runs[0].format.bold && runs[0].format.underline);
    EXPECT_EQ(rt.text(), "Title body more");
    EXPECT_FALSE(runs[1].format.bold);
}

TEST_F(UiTest, MenusRefuseHiddenDisabledAndSeparatorItemsAndLoadLikeTheFirst) {
    struct Bar : ui::Form {
        Bar() : ui::Form("ArvStsBar") {
            smnuObjects.load(0).setParentMenu(mnuObject);
            smnuObjects[0].setCaption("Sensor[0]");
            smnuObjects.on(&ui::Menu::onClick, [this](int i) { chosen.push_back(i); });
            mnuDummy.setCaption("-");
            mnuDummy.setParentMenu(mnuObject);
        }
        ui::Menu mnuObject{this, "mnuObject"};
        ui::ControlArray<ui::Menu> smnuObjects{this, "smnuObjects"};
        ui::Menu mnuDummy{this, "mnuDummy"};
        std::vector<int> chosen;
    } f;
    f.show();
    auto& second = f.smnuObjects.loadLike(1);
    second.setCaption("Sensor[1]");
    EXPECT_EQ(second.parentMenu(), &f.mnuObject);
    EXPECT_EQ(f.mnuObject.items().size(), 3u);
    f.popupMenu(f.mnuObject);
    ui::chooseMenu(second);
    f.smnuObjects[0].setEnabled(false);
    EXPECT_EQ(errorNumber([&] { ui::chooseMenu(f.smnuObjects[0]); }), 5);
    EXPECT_EQ(errorNumber([&] { ui::chooseMenu(f.mnuDummy); }), 5);
    EXPECT_EQ(f.chosen, std::vector<int>{1});
    EXPECT_EQ(f.lastPopupMenu(), &f.mnuObject);
}

TEST_F(UiTest, LoadLikeCopiesTheDesignButStartsHiddenAndRunsNoEvents) {
    struct Page : ui::Form {
        Page() : ui::Form("Page") {
            auto& first = txt.load(0);
            first.setContainer(frame);
            first.move(100, 200, 900, 300);
            first.setMaxLength(6);
            first.setText("0");
            txt.on(&ui::TextBox::onChange, [this](int) { ++changes; });
        }
        ui::Frame frame{this, "frame"};
        ui::ControlArray<ui::TextBox> txt{this, "txt"};
        int changes = 0;
    } f;
    auto& copy = f.txt.loadLike(7);
    EXPECT_EQ(copy.text(), "0");
    EXPECT_EQ(copy.maxLength(), 6);
    EXPECT_EQ(copy.width(), 900);
    EXPECT_EQ(copy.container(), &f.frame);
    EXPECT_FALSE(copy.visible());
    EXPECT_EQ(f.changes, 0);
    copy.setText("1");
    EXPECT_EQ(f.changes, 1);
}

TEST_F(UiTest, ProgressBarValueStaysInItsRange) {
    struct State : ui::Form {
        State() : ui::Form("frmState") { ProgressFile.setMax(10); }
        ui::ProgressBar ProgressFile{this, "ProgressFile"};
    } f;
    f.ProgressFile.setValue(10);
    EXPECT_EQ(errorNumber([&] { f.ProgressFile.setValue(11); }), 380);
    f.ProgressFile.setMax(5);  // pulls the value in
    EXPECT_EQ(f.ProgressFile.value(), 5);
}

TEST_F(UiTest, TypedCharactersOutsideAsciiArriveAsTheirCodePageCode) {
    struct One : ui::Form {
        One() : ui::Form("One") {
            txt.onKeyPress = [this](int& key) { keys.push_back(key); };
        }
        ui::TextBox txt{this, "txt"};
        std::vector<int> keys;
    } f;
    f.show();
    ui::typeKeys(f.txt, "ü€");
    EXPECT_EQ(f.txt.text(), "ü€");
    EXPECT_EQ(f.keys, (std::vector<int>{0xFC, 0x80}));
}

}  // namespace
