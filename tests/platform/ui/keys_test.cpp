// Typing: KeyPress sees each key first and may replace or discard it; the key then takes
// effect at the caret within MaxLength. Focus moves run LostFocus, then GotFocus.

#include <string>
#include <vector>

#include "ui_fixture.h"

namespace {

struct Fields : ui::Form {
    Fields() : ui::Form("Fields") {
        txtnci.loadRange(0, 2);
        txtnci.on(&ui::TextBox::onKeyPress, [this](int index, int& key) {
            log.push_back("press" + std::to_string(index) + ":" + std::to_string(key));
            if (key == 'a') key = 'A';  // replaced
            if (key == '.') key = 0;    // discarded
            if (key == 13) {            // Enter: the handler moves on
                key = 0;
                cmdNext.setFocus();
            }
        });
        txtnci.on(&ui::TextBox::onChange, [this](int index) {
            log.push_back("change" + std::to_string(index) + ":" + txtnci[index].text());
        });
        txtnci.on(&ui::TextBox::onGotFocus,
                  [this](int index) { log.push_back("got" + std::to_string(index)); });
        txtnci.on(&ui::TextBox::onLostFocus,
                  [this](int index) { log.push_back("lost" + std::to_string(index)); });
        cmdNext.onGotFocus = [this] { log.push_back("gotNext"); };
    }
    ui::ControlArray<ui::TextBox> txtnci{this, "txtnci"};
    ui::CommandButton cmdNext{this, "cmdNext"};
    std::vector<std::string> log;
};

class Typing : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        f.show();
    }
    Fields f;
};

TEST_F(Typing, KeyPressReplacesOrDiscardsBeforeTheKeyTakesEffect) {
    ui::typeKeys(f.txtnci[0], "1a.b");
    EXPECT_EQ(f.txtnci[0].text(), "1Ab");
    EXPECT_EQ(f.log,
              (std::vector<std::string>{"got0", "press0:49", "change0:1", "press0:97", "change0:1A",
                                        "press0:46", "press0:98", "change0:1Ab"}));
}

TEST_F(Typing, MaxLengthHoldsForTypingAndBackspaceDeletesBeforeTheCaret) {
    auto& t = f.txtnci[1];
    t.setMaxLength(3);
    ui::typeKeys(t, "12345");
    EXPECT_EQ(t.text(), "123");
    t.setSelStart(1);
    ui::typeKeys(t, "{BACKSPACE}9");
    EXPECT_EQ(t.text(), "923");
    EXPECT_EQ(t.selStart(), 1);
    ui::typeKeys(t, "{BACKSPACE}{BACKSPACE}{BS}");  // nothing before the caret at the start
    EXPECT_EQ(t.text(), "23");
}

TEST_F(Typing, TypingInsertsAtTheCaretAndReplacesTheSelection) {
    auto& t = f.txtnci[2];
    t.setText("2,5");
    EXPECT_EQ(t.selStart(), 3);  // the end after the program set the text
    t.setSelStart(0);
    ui::typeKeys(t, "1");
    EXPECT_EQ(t.text(), "12,5");
    t.setSelStart(0);
    t.setSelLength(4);
    ui::typeKeys(t, "7");
    EXPECT_EQ(t.text(), "7");
    t.setText("Außen");  // positions count characters
    t.setSelStart(3);
    ui::typeKeys(t, "{BACKSPACE}");
    EXPECT_EQ(t.text(), "Auen");
}

TEST_F(Typing, EnterIsLeftToTheHandlerAndLaterKeysFollowTheFocus) {
    ui::typeKeys(f.txtnci[0], "5{ENTER}");
    EXPECT_EQ(f.txtnci[0].text(), "5");
    EXPECT_TRUE(f.cmdNext.hasFocus());
    EXPECT_EQ(f.log, (std::vector<std::string>{"got0", "press0:53", "change0:5", "press0:13",
                                               "lost0", "gotNext"}));
}

TEST_F(Typing, FocusMovesRunLostFocusThenGotFocusAndTabFollowsTabIndex) {
    f.txtnci[2].setTabIndex(0);
    f.txtnci[0].setTabIndex(5);
    f.txtnci[1].setVisible(false);
    ui::focus(f.txtnci[2]);
    ui::typeKeys("{TAB}");
    EXPECT_TRUE(f.txtnci[0].hasFocus());
    EXPECT_EQ(f.log, (std::vector<std::string>{"got2", "lost2", "got0"}));
    // A hidden control cannot take the focus (the toolkit's Error 5).
    EXPECT_EQ(errorNumber([&] { f.txtnci[1].setFocus(); }), 5);
}

TEST_F(UiTest, KeyPreviewGivesTheFormEscapeFirst) {
    struct Viewer : ui::Form {
        Viewer() : ui::Form("Viewer") {
            setKeyPreview(true);
            onKeyDown = [this](int& keyCode, int) {
                if (keyCode == ui::vbKeyEscape) unload();
            };
        }
        ui::ListView lstStatus{this, "lstStatus"};
    } f;
    f.show();
    ui::typeKeys(f.lstStatus, "{ESC}");
    EXPECT_FALSE(f.isLoaded());
}

TEST_F(UiTest, InputToAControlTheUserCannotReachIsRefused) {
    Fields f;  // never shown
    EXPECT_EQ(errorNumber([&] { ui::typeKeys(f.txtnci[0], "1"); }), platform::errc::kState);
    f.show();
    f.txtnci[0].setEnabled(false);
    EXPECT_EQ(errorNumber([&] { ui::click(f.txtnci[0]); }), platform::errc::kState);
}

}  // namespace
