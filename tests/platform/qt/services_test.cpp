// Qt message boxes and file dialogs behind the toolkit's services.

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "tests/platform/qt/qt_fixture.h"

namespace {
template <class D>
D* openDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) return d;
    return nullptr;
}
}  // namespace

TEST_F(QtTest, MessageBoxShowsTheModelsBoxAndReturnsTheChosenButton) {
    QString title, text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    platform::EventLoop::instance().post([&] {
        QMessageBox* box = openDialog<QMessageBox>();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        defaultButton = box->defaultButton()->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QMessageBox::tr("&Yes")) b->click();
    });
    const int answer =
        ui::msgBox("Are you sure that you want to exit?",
                   ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, "Korvane_MBX-440");
    EXPECT_EQ(answer, ui::vbYes);
    EXPECT_EQ(title, "Korvane_MBX-440");
    EXPECT_EQ(text, "Are you sure that you want to exit?");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons.size(), 2);
    EXPECT_EQ(defaultButton, QMessageBox::tr("&No"));
}

TEST_F(QtTest, ScriptedAnswersTakePrecedenceOverTheQtBox) {
    ui::headless().answer(ui::vbRetry);
    EXPECT_EQ(ui::msgBox("failed", ui::vbAbortRetryIgnore + ui::vbCritical, "fMain"), ui::vbRetry);
    // An answer that arrives while the Qt box is open closes it.
    platform::EventLoop::instance().post([] { ui::headless().answer(ui::vbIgnore); });
    EXPECT_EQ(ui::msgBox("failed", ui::vbAbortRetryIgnore + ui::vbCritical, "fMain"), ui::vbIgnore);
    EXPECT_EQ(openDialog<QMessageBox>(), nullptr);
}

TEST_F(QtTest, FileDialogTakesTitleFilterFolderAndReturnsTheChoice) {
    const auto dir = std::filesystem::temp_directory_path() / "qbx_qt_files";
    std::filesystem::create_directories(dir);
    QString title, directory;
    QStringList filters;
    platform::EventLoop::instance().post([&] {
        auto* d = openDialog<QFileDialog>();
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        directory = d->directory().absolutePath();
        filters = d->nameFilters();
        d->selectFile(QString::fromStdString((dir / "report").string()));
        QMetaObject::invokeMethod(d, "accept");
    });
    ui::FileDialogRequest r;
    r.kind = ui::FileDialogKind::Save;
    r.title = "Save Log As";
    r.filter = "Text (*.txt)|*.txt|All files (*.*)|*.*";
    r.initDir = dir.string();
    r.defaultExt = ".txt";
    r.flags = ui::cdlOFNHideReadOnly;
    ui::FileDialogResult result = ui::showFileDialog(r);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.fileName, (dir / "report.txt").string());
    EXPECT_EQ(title, "Save Log As");
    EXPECT_EQ(directory.toStdString(), dir.string());
    EXPECT_EQ(filters, (QStringList{"Text (*.txt)", "All files (*.*)"}));

    platform::EventLoop::instance().post([] { openDialog<QFileDialog>()->reject(); });
    EXPECT_TRUE(ui::showFileDialog(r).cancelled);
}
