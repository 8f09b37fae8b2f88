// The user's input on widgets reaches the model through its input API.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "tests/platform/qt/qt_fixture.h"
#include "tests/platform/qt/sample_form.h"

TEST_F(QtTest, TypedKeysRunKeyPressBeforeTheTextChanges) {
    fSample f;
    f.show();
    std::vector<std::string> pressedOn;  // the text when each KeyPress ran
    int changes = 0;
    f.txtName.onKeyPress = [&](int& key) {
        pressedOn.push_back(f.txtName.text());
        if (key == '9') key = 0;    // discarded
        if (key == 'x') key = ',';  // replaced
    };
    f.txtName.onChange = [&] { ++changes; };
    f.txtName.setText("");
    changes = 0;
    QLineEdit* edit = widgetOf<QLineEdit>(f.txtName);
    edit->setFocus();
    QTest::keyClicks(edit, "19x5");
    EXPECT_EQ(f.txtName.text(), "1,5");
    EXPECT_EQ(edit->text(), "1,5");
    EXPECT_EQ(pressedOn, (std::vector<std::string>{"", "1", "1", "1,"}));
    EXPECT_EQ(changes, 3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(f.txtName.text(), "1,");
    EXPECT_EQ(pressedOn.size(), 5u);  // Backspace reaches KeyPress too (keyAscii 8)
}

TEST_F(QtTest, PasteReachesTheModelAsChangeWithoutKeyPress) {
    fSample f;
    f.show();
    int keys = 0, changes = 0;
    f.txtName.onKeyPress = [&](int&) { ++keys; };
    f.txtName.onChange = [&] { ++changes; };
    QLineEdit* edit = widgetOf<QLineEdit>(f.txtName);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QApplication::clipboard()->setText("7");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.txtName.text(), "21,57");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(keys, 0);
    edit->selectAll();
    edit->cut();
    EXPECT_EQ(f.txtName.text(), "");
    EXPECT_EQ(changes, 2);
}

TEST_F(QtTest, PickingAListEntryRunsClick) {
    fSample f;
    f.show();
    std::vector<int> clicks;
    f.cmbType.onClick = [&] { clicks.push_back(f.cmbType.listIndex()); };
    auto* combo = widgetOf<QComboBox>(f.cmbType);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(3, 0)).center());
    pump();
    EXPECT_EQ(f.cmbType.listIndex(), 3);
    EXPECT_EQ(clicks, std::vector<int>{3});
    // A handler that refuses the entry puts the list back; the widget follows the model.
    f.cmbType.onClick = [&] { f.cmbType.setListIndex(1); };
    combo->activated(0);
    EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(QtTest, ClicksFocusMouseAndOtherControlsGoThroughTheModel) {
    fSample f;
    f.show();
    std::vector<std::string> events;
    f.cmdApply.onMouseDown = [&](int b, int, double x, double y) {
        events.push_back("down " + std::to_string(b) + " " + std::to_string(int(x)) + "," +
                         std::to_string(int(y)));
    };
    f.cmdApply.onMouseUp = [&](int, int, double, double) { events.push_back("up"); };
    f.cmdApply.onClick = [&] { events.push_back("click"); };
    f.txtName.onLostFocus = [&] { events.push_back("lost txtName"); };
    f.cmdApply.onGotFocus = [&] { events.push_back("got cmdApply"); };
    f.txtName.setFocus();
    QTest::mouseClick(widgetOf<QPushButton>(f.cmdApply), Qt::LeftButton, {}, QPoint(10, 4));
    EXPECT_EQ(events, (std::vector<std::string>{"lost txtName", "got cmdApply", "down 1 150,60",
                                                "up", "click"}));
    EXPECT_EQ(f.activeControl(), &f.cmdApply);

    QTest::mouseClick(widgetOf<QCheckBox>(f.chkMonitor), Qt::LeftButton);
    EXPECT_EQ(f.chkMonitor.value(), ui::vbUnchecked);
    EXPECT_FALSE(widgetOf<QCheckBox>(f.chkMonitor)->isChecked());

    int upClicks = 0, downClicks = 0;
    f.UpD_name.onUpClick = [&] { ++upClicks; };
    f.UpD_name.onDownClick = [&] { ++downClicks; };
    QWidget* spin = widgetOf<QWidget>(f.UpD_name);
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(5, 2));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(5, spin->height() - 2));
    EXPECT_EQ(upClicks, 1);
    EXPECT_EQ(downClicks, 1);

    int tabClicks = 0;
    f.tabData.onClick = [&] { ++tabClicks; };
    widgetOf<QWidget>(f.tabData)->findChild<QTabBar*>()->setCurrentIndex(1);
    EXPECT_EQ(f.tabData.tab(), 1);
    EXPECT_EQ(tabClicks, 1);

    std::vector<std::string> checked;
    f.tvwDevices.onNodeCheck = [&](int node) { checked.push_back(f.tvwDevices.node(node).key); };
    auto* tree = widgetOf<QTreeWidget>(f.tvwDevices);
    tree->topLevelItem(0)->child(0)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(checked, std::vector<std::string>{"dev1"});
    EXPECT_TRUE(f.tvwDevices.node("dev1").checked);

    int chosen = 0;
    f.mnuExit.onClick = [&] { ++chosen; };
    windowOf(f)->findChild<QAction*>("fSample.mnuExit")->trigger();
    EXPECT_EQ(chosen, 1);
}

TEST_F(QtTest, ListItemClicksAndDoubleClicksReachTheModel) {
    fSample f;
    f.show();
    std::vector<int> items;
    int doubles = 0;
    f.lstLog.onItemClick = [&](int item) { items.push_back(item); };
    f.lstLog.onDblClick = [&] { ++doubles; };
    auto* list = widgetOf<QTreeWidget>(f.lstLog);
    const QPoint at = list->visualItemRect(list->topLevelItem(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(items, std::vector<int>{2});
    EXPECT_EQ(f.lstLog.selectedItem(), 2);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(doubles, 1);
}
