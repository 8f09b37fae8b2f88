// Mirroring of the model into widgets, modal forms and screenshots.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QTreeWidget>
#include <filesystem>

#include "tests/platform/qt/qt_fixture.h"
#include "tests/platform/qt/sample_form.h"

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libgobject\nleak:libdbus\n"
           "leak:libqoffscreen\n";
}

TEST_F(QtTest, WidgetsSitAtTheModelPositionsInsideTheirContainers) {
    fSample f;
    f.show();
    pump();
    QLineEdit* edit = widgetOf<QLineEdit>(f.txtName);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "21,5");
    EXPECT_EQ(edit->geometry(), QRect(1440 / 15, 270 / 15, 1800 / 15, 315 / 15));
    EXPECT_EQ(edit->parentWidget(), widgetOf<QGroupBox>(f.Frame1));
    // A control on the second tab page is hidden until that page is selected.
    QTreeWidget* tree = widgetOf<QTreeWidget>(f.tvwDevices);
    ASSERT_NE(tree, nullptr);
    EXPECT_FALSE(tree->isVisible());
    f.tabData.setTab(1);
    EXPECT_TRUE(tree->isVisible());
    EXPECT_EQ(tree->topLevelItem(0)->child(1)->text(0), "MBX-440 #2");
    EXPECT_FALSE(widgetOf<QLineEdit>(f.txtnci[0])->isVisible());
}

TEST_F(QtTest, ModelChangesShowInTheWidgetAtOnce) {
    fSample f;
    f.show();
    QLineEdit* edit = widgetOf<QLineEdit>(f.txtName);
    ASSERT_NE(edit, nullptr);
    f.txtName.setText("22,0");
    EXPECT_EQ(edit->text(), "22,0");
    f.txtName.setForeColor(ui::vbRed);
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
    f.txtName.setForeColor(ui::vbButtonText);  // system colour: the palette's button text
    EXPECT_EQ(edit->palette().color(QPalette::Text),
              QApplication::palette().color(QPalette::ButtonText));
    f.txtName.setEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    f.txtName.setVisible(false);
    EXPECT_FALSE(edit->isVisible());
    f.txtName.move(0, 0, 1500, 300);
    EXPECT_EQ(edit->geometry(), QRect(0, 0, 100, 20));

    f.cmbType.addItem("SNVT_scene");
    f.cmbType.setListIndex(4);
    auto* combo = widgetOf<QComboBox>(f.cmbType);
    EXPECT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->currentText(), "SNVT_scene");
    f.chkMonitor.setValue(ui::vbUnchecked);
    EXPECT_FALSE(widgetOf<QCheckBox>(f.chkMonitor)->isChecked());
    f.Progr.setValue(75);
    EXPECT_EQ(widgetOf<QProgressBar>(f.Progr)->value(), 7500);
    f.PlugInStatus.setPanelText(3, "Soft Offline");
    bool found = false;
    for (auto* l : widgetOf<QWidget>(f.PlugInStatus)->findChildren<QLabel*>())
        found = found || l->text() == "Soft Offline";
    EXPECT_TRUE(found);
    int row = f.lstLog.addItem("reading State...", "", "REQ");
    auto* log = widgetOf<QTreeWidget>(f.lstLog);
    EXPECT_EQ(log->topLevelItem(row - 1)->text(0), "reading State...");
    EXPECT_FALSE(log->topLevelItem(row - 1)->icon(0).isNull());
    f.cmdApply.setCaption("Übertragen");
    EXPECT_EQ(widgetOf<QPushButton>(f.cmdApply)->text(), "Übertragen");
    f.mnuOpen.setEnabled(false);
    auto* open = windowOf(f)->findChild<QAction*>("fSample.mnuOpen");
    ASSERT_NE(open, nullptr);
    EXPECT_FALSE(open->isEnabled());
    // Formatting of the rich-text box: the bold word of the sample stays bold.
    auto* rich = widgetOf<QTextEdit>(f.RTHinweis);
    QTextCursor cur(rich->document());
    cur.setPosition(11);
    EXPECT_EQ(cur.charFormat().fontWeight(), QFont::Bold);
    // A control array element loaded at run time gets its widget.
    f.txtnci.load(5).setText("new");
    EXPECT_EQ(widgetOf<QLineEdit>(f.txtnci[5])->text(), "new");
}

TEST_F(QtTest, FormGeometryCaptionAndHiding) {
    fDialog d;
    d.show();
    QWidget* w = windowOf(d);
    ASSERT_NE(w, nullptr);
    // The window appears at the next Qt pass, in the place the form has by then.
    EXPECT_FALSE(w->isVisible());
    d.move(1500, 1200);
    pump();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), QPoint(100, 80));
    EXPECT_EQ(w->windowTitle(), "Dialog");
    EXPECT_EQ(w->size(), QSize(d.scaleWidth() / 15, d.scaleHeight() / 15));
    d.setCaption("Other");
    EXPECT_EQ(w->windowTitle(), "Other");
    d.hide();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(QtTest, ModalFormBlocksItsCallerUntilTheUserClosesIt) {
    fDialog d;
    bool returned = false, sawModalWindow = false;
    platform::EventLoop::instance().post([&] {
        pump();
        QWidget* w = windowOf(d);
        sawModalWindow = w && w->isVisible() && w->isModal() && !returned;
        if (w) w->close();  // the user closes the window: the model unloads the form
    });
    d.show(ui::vbModal);
    returned = true;
    EXPECT_TRUE(sawModalWindow);
    EXPECT_FALSE(d.visible());
    EXPECT_FALSE(windowOf(d) && windowOf(d)->isVisible());
}

TEST_F(QtTest, ScreenshotsOfEveryVisibleForm) {
    fSample f;
    f.show();
    fDialog d;
    d.show();
    const auto dir = std::filesystem::temp_directory_path() / "qbx_qt_shots";
    std::filesystem::remove_all(dir);
    auto paths = qtui::writeScreenshots(dir.string());
    ASSERT_EQ(paths.size(), 2u);
    QImage shot(QString::fromStdString((dir / "fSample.png").string()));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), f.scaleWidth() / 15);
    // Not a blank image: the red caption of the Apply button is somewhere in it.
    bool red = false;
    for (int y = 0; y < shot.height() && !red; ++y)
        for (int x = 0; x < shot.width() && !red; ++x) {
            QColor c = shot.pixelColor(x, y);
            red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_TRUE(red);
    d.hide();
    EXPECT_EQ(qtui::writeScreenshots(dir.string()).size(), 1u);
}

TEST_F(QtTest, ControlsCreatedAfterTheWindowGetTheirWidgets) {
    fDialog d;
    d.show();
    pump();
    // A part a library adds to the shown form, inside a container created with it.
    auto box = std::make_unique<ui::PictureBox>(&d, "picPart");
    box->move(60, 60, 1500, 600);
    auto label = std::make_unique<ui::Label>(&d, "lblPart");
    label->setContainer(*box);
    label->setCaption("added later");
    label->move(30, 30, 1200, 255);
    auto late = std::make_unique<ui::Label>(&d, "lblLate");  // no change before the next pass
    pump();
    auto* l = widgetOf<QLabel>(*label);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->text(), "added later");
    EXPECT_EQ(l->parentWidget(), widgetOf(*box));
    EXPECT_TRUE(l->isVisibleTo(windowOf(d)));
    EXPECT_NE(widgetOf<QLabel>(*late), nullptr);
    // Gone with its control, whether its view was made or not.
    label.reset();
    late.reset();
    auto never = std::make_unique<ui::Label>(&d, "lblNever");
    never.reset();
    pump();
    for (const char* path : {"fDialog.lblPart", "fDialog.lblLate", "fDialog.lblNever"})
        for (QWidget* w : QApplication::allWidgets()) EXPECT_NE(w->objectName(), path);
}
