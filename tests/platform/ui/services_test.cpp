// Message boxes, file and printer dialogs of the headless toolkit, and the busy pointer.

#include <stdexcept>
#include <string>

#include "ui_fixture.h"

namespace {

TEST_F(UiTest, MessageBoxesAnswerFromTheQueueOrTakeTheDefaultButtonAndAreRecorded) {
    struct Case {
        int style;
        int queued;  // 0: nothing queued
        int answer;
    } cases[] = {
        {ui::vbOKOnly, 0, ui::vbOK},
        {ui::vbYesNo | ui::vbQuestion, ui::vbNo, ui::vbNo},
        {ui::vbYesNoCancel | ui::vbDefaultButton3, 0, ui::vbCancel},
        {ui::vbAbortRetryIgnore | ui::vbCritical | ui::vbDefaultButton2, 0, ui::vbRetry},
        {ui::vbRetryCancel, ui::vbRetry, ui::vbRetry},
        {ui::vbOKCancel, ui::vbYes, ui::vbOK},  // an answer the box cannot give is refused
    };
    for (const auto& c : cases) {
        if (c.queued) ui::answer(c.queued);
        EXPECT_EQ(ui::msgBox("text", c.style, "title"), c.answer) << c.style;
    }
    const auto& boxes = ui::headless().boxes();
    ASSERT_EQ(boxes.size(), std::size(cases));
    EXPECT_EQ(boxes[3].request.buttons, ui::vbAbortRetryIgnore);
    EXPECT_EQ(boxes[3].request.icon, ui::vbCritical);
    EXPECT_EQ(boxes[3].request.defaultButton, 1);
    EXPECT_EQ(boxes[3].request.title, "title");
    EXPECT_FALSE(boxes[3].queued);
    EXPECT_TRUE(boxes[1].queued);
    EXPECT_EQ(boxes[5].rejected, ui::vbYes);
    EXPECT_EQ(ui::headless().pendingAnswers(), 0u);
}

TEST_F(UiTest, AnotherMessageBoxServiceCanBeInstalled) {
    struct Always : ui::MessageBoxService {
        int show(const ui::MessageBoxRequest& r) override {
            seen = r.text;
            return ui::vbIgnore;
        }
        std::string seen;
    };
    auto service = std::make_shared<Always>();
    ui::installMessageBoxService(service);
    EXPECT_EQ(ui::msgBox("x", ui::vbAbortRetryIgnore), ui::vbIgnore);
    EXPECT_EQ(service->seen, "x");
    EXPECT_TRUE(ui::headless().boxes().empty());
    ui::installMessageBoxService(nullptr);  // back to headless
    ui::msgBox("y");
    EXPECT_EQ(ui::headless().boxes().size(), 1u);
}

struct LogHost : ui::Form {
    LogHost() : ui::Form("ArvLog") {
        dlgSaveAs.setFilter("Text (*.txt)|*.txt");
        dlgSaveAs.setDefaultExt(".txt");
        dlgSaveAs.setInitDir("/home/user/Documents");
        dlgSaveAs.setFlags(ui::cdlOFNHideReadOnly);
    }
    ui::CommonDialog dlgSaveAs{this, "dlgSaveAs"};
};

TEST_F(UiTest, FileDialogsAnswerFromTheQueueAddTheDefaultExtensionAndCancelByDefault) {
    LogHost f;
    ui::answerFile("/tmp/log");
    EXPECT_TRUE(f.dlgSaveAs.showSave());
    EXPECT_EQ(f.dlgSaveAs.fileName(), "/tmp/log.txt");
    EXPECT_EQ(f.dlgSaveAs.fileTitle(), "log.txt");

    ui::answerFile("/tmp/other.log");
    EXPECT_TRUE(f.dlgSaveAs.showOpen());
    EXPECT_EQ(f.dlgSaveAs.fileName(), "/tmp/other.log");

    EXPECT_FALSE(f.dlgSaveAs.showSave());  // nothing queued: cancelled, name kept
    EXPECT_EQ(f.dlgSaveAs.fileName(), "/tmp/other.log");
    f.dlgSaveAs.setCancelError(true);
    ui::cancelFile();
    EXPECT_EQ(errorNumber([&] { f.dlgSaveAs.showSave(); }), 32755);

    const auto& shown = ui::headless().fileDialogs();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].request.kind, ui::FileDialogKind::Save);
    EXPECT_EQ(shown[0].request.initDir, "/home/user/Documents");
    EXPECT_EQ(shown[0].request.filter, "Text (*.txt)|*.txt");
    EXPECT_EQ(shown[0].request.flags, ui::cdlOFNHideReadOnly);
    EXPECT_EQ(shown[1].request.kind, ui::FileDialogKind::Open);
    EXPECT_FALSE(shown[2].queued);
}

TEST_F(UiTest, PrinterDialogAnswersFromTheQueue) {
    LogHost f;
    EXPECT_FALSE(f.dlgSaveAs.showPrinter());
    ui::headless().answerPrinter("Office", 2);
    EXPECT_TRUE(f.dlgSaveAs.showPrinter());
    EXPECT_EQ(f.dlgSaveAs.printerName(), "Office");
    EXPECT_EQ(f.dlgSaveAs.copies(), 2);
}

TEST_F(UiTest, HourglassGuardRestoresThePointerOnEveryExit) {
    auto busy = [](bool fail) {
        ui::HourglassGuard guard;
        EXPECT_EQ(ui::screen().mousePointer(), ui::vbHourglass);
        if (fail) throw std::runtime_error("failed");
    };
    busy(false);
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
    EXPECT_THROW(busy(true), std::runtime_error);
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
    {
        ui::HourglassGuard outer;
        busy(false);
        EXPECT_EQ(ui::screen().mousePointer(), ui::vbHourglass);  // the outer one still holds
    }
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
}

}  // namespace
