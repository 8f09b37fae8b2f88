// Change and Click run for every change of a value, by the user or the program, and never for
// a value the control already has; chains of handlers end once all controls agree.

#include <functional>
#include <string>

#include "ui_fixture.h"

namespace {

struct Editor : ui::Form {
    Editor() : ui::Form("Editor") {
        txt.onChange = [this] { ++events; };
        cmb.onClick = [this] { ++events; };
        chk.onClick = [this] { ++events; };
        opt.onClick = [this] { ++events; };
        for (const char* item : {"a", "b", "c"}) cmb.addItem(item);
    }
    ui::TextBox txt{this, "txt"};
    ui::ComboBox cmb{this, "cmb"};
    ui::CheckBox chk{this, "chk"};
    ui::OptionButton opt{this, "opt"};
    int events = 0;
};

struct Case {
    const char* name;
    std::function<void(Editor&)> change;  // a change to a new value
};

class ValueEvents : public UiTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ValueEvents, RunOncePerChangeAndNotForTheSameValue) {
    Editor f;
    f.show();
    GetParam().change(f);
    EXPECT_EQ(f.events, 1);
    GetParam().change(f);  // the same value again
    EXPECT_EQ(f.events, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ValueEvents,
    ::testing::Values(Case{"TextBoxByProgram", [](Editor& f) { f.txt.setText("21,5"); }},
                      Case{"TextBoxByName", [](Editor& f) { f.txt.set("text", "21,5"); }},
                      Case{"ComboByProgram", [](Editor& f) { f.cmb.setListIndex(2); }},
                      Case{"ComboByUser", [](Editor& f) { ui::selectItem(f.cmb, 2); }},
                      Case{"ComboByText", [](Editor& f) { f.cmb.setText("b"); }},
                      Case{"CheckBoxByProgram", [](Editor& f) { f.chk.setValue(ui::vbChecked); }},
                      Case{"OptionByProgram", [](Editor& f) { f.opt.setValue(true); }},
                      Case{"OptionByUser", [](Editor& f) { ui::click(f.opt); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UiTest, UserClickOnCheckBoxTogglesAndRunsClickEachTime) {
    Editor f;
    f.show();
    ui::click(f.chk);
    ui::click(f.chk);
    EXPECT_EQ(f.chk.value(), ui::vbUnchecked);
    EXPECT_EQ(f.events, 2);
}

// A hidden text field and the list that edits it write each other, as the editor's composite
// values do: the chain must end once both agree.
struct Pair : ui::Form {
    Pair() : ui::Form("Pair") {
        for (const char* item : {"SET_OFF", "SET_ON", "SET_UP"}) list.addItem(item);
        value.onChange = [this] {
            ++changes;
            for (int i = 0; i < list.listCount(); ++i)
                if (list.list(i) == value.text()) list.setListIndex(i);
        };
        list.onClick = [this] {
            ++clicks;
            value.setText(list.text());
        };
    }
    ui::TextBox value{this, "value"};
    ui::ComboBox list{this, "list"};
    int changes = 0, clicks = 0;
};

TEST_F(UiTest, ChainOfHandlersEndsWhenAllAgree) {
    Pair f;
    f.value.setText("SET_ON");
    EXPECT_EQ(f.list.listIndex(), 1);
    EXPECT_EQ(f.changes, 1);
    EXPECT_EQ(f.clicks, 1);

    f.list.setListIndex(2);
    EXPECT_EQ(f.value.text(), "SET_UP");
    EXPECT_EQ(f.changes, 2);
    EXPECT_EQ(f.clicks, 2);
}

TEST_F(UiTest, EndlessChainRaisesOutOfStackSpaceInsteadOfCrashing) {
    struct Loop : ui::Form {
        Loop() : ui::Form("Loop") {
            a.onChange = [this] { b.setText(a.text() + "x"); };
            b.onChange = [this] { a.setText(b.text() + "y"); };
        }
        ui::TextBox a{this, "a"};
        ui::TextBox b{this, "b"};
    } f;
    EXPECT_EQ(errorNumber([&] { f.a.setText("1"); }), 28);
    // The guard unwound: events run again afterwards.
    int runs = 0;
    f.a.onChange = [&] { ++runs; };
    f.a.setText("fresh");
    EXPECT_EQ(runs, 1);
}

TEST_F(UiTest, OptionButtonsExcludeEachOtherPerContainer) {
    struct Dlg : ui::Form {
        Dlg() : ui::Form("Dlg") {
            for (int i = 0; i < 2; ++i) {
                Manuell.load(i);
                Other.load(i).setContainer(frame);
            }
            Manuell.on(&ui::OptionButton::onClick, [this](int index) { clicked.push_back(index); });
        }
        ui::Frame frame{this, "frame"};
        ui::ControlArray<ui::OptionButton> Manuell{this, "Manuell"};
        ui::ControlArray<ui::OptionButton> Other{this, "Other"};
        std::vector<int> clicked;
    } f;
    f.Other[0].setValue(true);
    f.Manuell[1].setValue(true);
    f.Manuell[0].setValue(true);
    EXPECT_TRUE(f.Manuell[0].value());
    EXPECT_FALSE(f.Manuell[1].value());
    EXPECT_TRUE(f.Other[0].value());                 // another container: untouched
    EXPECT_EQ(f.clicked, (std::vector<int>{1, 0}));  // the cleared button raised nothing
}

}  // namespace
