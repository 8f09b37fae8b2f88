// Form lifecycle, modal forms driven by queued steps, control arrays and timers.

#include <string>
#include <vector>

#include "ui_fixture.h"

namespace {

struct Dialog : ui::Form {
    explicit Dialog(std::vector<std::string>& log) : ui::Form("Einlernen"), log(log) {
        onLoad = [this] { this->log.push_back("Load"); };
        onResize = [this] { this->log.push_back("Resize"); };
        onActivate = [this] { this->log.push_back("Activate"); };
        onQueryUnload = [this](int& cancel, int mode) {
            this->log.push_back("QueryUnload" + std::to_string(mode));
            cancel = refuse;
        };
        onUnload = [this](int&) { this->log.push_back("Unload"); };
        Abbrechen.onClick = [this] { unload(); };
        Ok.onClick = [this] { hide(); };
    }
    std::vector<std::string>& log;
    ui::CommandButton Ok{this, "Ok"};
    ui::CommandButton Abbrechen{this, "Abbrechen"};
    int refuse = 0;
};

TEST_F(UiTest, ModalShowReturnsWhenAQueuedStepHidesOrUnloadsTheForm) {
    std::vector<std::string> log;
    Dialog dlg(log);
    ui::whenShown("Einlernen", [](ui::Form& f) { ui::click(f.control("Ok")); });
    dlg.show(ui::vbModal);
    EXPECT_FALSE(dlg.visible());
    EXPECT_TRUE(dlg.isLoaded());

    ui::whenShown("Einlernen", [](ui::Form& f) { ui::click(f.control("Abbrechen")); });
    dlg.show(ui::vbModal);
    EXPECT_FALSE(dlg.isLoaded());
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Resize", "Activate", "Activate",
                                             "QueryUnload1", "Unload"}));
}

TEST_F(UiTest, ModalFormWithoutQueuedStepFailsInsteadOfHanging) {
    std::vector<std::string> log;
    Dialog dlg(log);
    try {
        dlg.show(ui::vbModal);
        FAIL() << "the idle modal loop must not return";
    } catch (const platform::Error& e) {
        EXPECT_NE(e.description.find("Einlernen"), std::string::npos);
    }
    EXPECT_FALSE(dlg.isModal());
}

TEST_F(UiTest, NestedModalFormsRunTheStepsOfTheInnermost) {
    std::vector<std::string> log;
    Dialog outer(log);
    struct State : ui::Form {
        State() : ui::Form("frmState") {}
    } state;
    std::vector<std::string> order;
    ui::whenShown("Einlernen", [&](ui::Form& f) {
        order.push_back("outer");
        state.show(ui::vbModal, &f);
        order.push_back("outer after inner");
        f.hide();
    });
    ui::whenShown("frmState", [&](ui::Form& f) {
        order.push_back("inner");
        f.unload();
    });
    outer.show(ui::vbModal);
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "inner", "outer after inner"}));
}

TEST_F(UiTest, QueryUnloadCancelKeepsTheFormAndUserCloseSaysSo) {
    std::vector<std::string> log;
    Dialog dlg(log);
    dlg.show();
    dlg.refuse = 1;
    ui::closeForm(dlg);
    EXPECT_TRUE(dlg.isLoaded());
    EXPECT_TRUE(dlg.visible());
    EXPECT_EQ(log.back(), "QueryUnload0");                        // vbFormControlMenu
    EXPECT_EQ(errorNumber([&] { dlg.show(ui::vbModal); }), 400);  // already shown modeless
}

TEST_F(UiTest, ResizeRunsForSizeAndWindowStateChangesOfALoadedForm) {
    std::vector<std::string> log;
    Dialog dlg(log);
    dlg.setWidth(6000);  // not loaded yet: no event
    dlg.load();
    dlg.setHeight(5000);
    dlg.setWindowState(ui::vbMaximized);
    dlg.setWindowState(ui::vbMaximized);
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Resize", "Resize"}));
    dlg.centerOnScreen();
    EXPECT_EQ(dlg.left(), (1920 * 15 - 6000) / 2);
}

TEST_F(UiTest, FormInstanceStartsFromTheDesignedStateAfterUnload) {
    struct Design : ui::Form {
        Design() : ui::Form("Design") { txt.setText("0"); }
        ui::TextBox txt{this, "txt"};
    };
    ui::FormInstance<Design> instance;
    instance->show();
    instance->txt.setText("7");
    instance->unload();
    EXPECT_EQ(instance->txt.text(), "0");
    platform::EventLoop::instance().doEvents();  // the old instance goes
    EXPECT_EQ(ui::forms().size(), 1u);
}

struct Main : ui::Form {
    Main() : ui::Form("fMain") {
        for (int c = 0; c < 9; ++c) lbl_sensorID.load(22 + 9 * c);
        lbl_sensorID.on(&ui::Label::onChange, [this](int index) { changed.push_back(index); });
    }
    ui::ControlArray<ui::Label> lbl_sensorID{this, "lbl_sensorID"};
    std::vector<int> changed;
};

TEST_F(UiTest, ControlArraysUseSparseIndicesAndPassTheIndexToEvents) {
    Main f;
    EXPECT_EQ(f.lbl_sensorID.count(), 9);
    EXPECT_EQ(f.lbl_sensorID.lBound(), 22);
    EXPECT_EQ(f.lbl_sensorID.uBound(), 94);
    f.lbl_sensorID[31].setCaption("01,02,03,04");
    f.lbl_sensorID.load(200).setCaption("late");  // wired like the others
    EXPECT_EQ(f.changed, (std::vector<int>{31, 200}));
    EXPECT_EQ(&f.control("lbl_sensorID", 31), &f.lbl_sensorID[31]);
    EXPECT_EQ(&f.controlAs<ui::Label>("lbl_sensorID", 31), &f.lbl_sensorID[31]);
    EXPECT_EQ(errorNumber([&] { f.controlAs<ui::TextBox>("lbl_sensorID", 31); }), 13);
}

TEST_F(UiTest, MissingControlArrayElementRaisesError340) {
    Main f;
    for (auto fn : std::vector<std::function<void()>>{
             [&] { f.lbl_sensorID[23]; }, [&] { f.control("lbl_sensorID", 23); },
             [&] { ui::findControl("fMain", "lbl_sensorID", 23); },
             [&] { f.lbl_sensorID.unload(23); }}) {
        try {
            fn();
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number, platform::errc::kNoElement);
            EXPECT_NE(e.description.find("Control array element does not exist"),
                      std::string::npos);
        }
    }
    EXPECT_EQ(errorNumber([&] { f.lbl_sensorID.load(22); }), 360);
    EXPECT_EQ(errorNumber([&] { f.control("nothing"); }), platform::errc::kNotFound);
}

struct Timed : ui::Form {
    Timed() : ui::Form("frmState") {
        Timer1.setInterval(500);
        Timer1.setEnabled(false);
        Timer2SW.setInterval(1000);
        Timer1.onTimer = [this] { ticks.push_back("T1@" + std::to_string(now())); };
        Timer2SW.onTimer = [this] { ticks.push_back("T2@" + std::to_string(now())); };
    }
    static int64_t now() { return platform::EventLoop::instance().nowMs(); }
    ui::Timer Timer1{this, "Timer1"};
    ui::Timer Timer2SW{this, "Timer2SW"};
    std::vector<std::string> ticks;
};

TEST_F(UiTest, TimersTickOnTheVirtualClockWhileLoadedAndEnabled) {
    Timed f;
    ui::advance(2000);  // not loaded: nothing runs
    EXPECT_TRUE(f.ticks.empty());
    f.load();
    ui::advance(1000);
    f.Timer1.setEnabled(true);  // starts its period now
    ui::advance(1000);
    f.Timer2SW.setInterval(300);  // a new interval starts a new period
    ui::advance(300);
    f.unload();
    ui::advance(5000);
    EXPECT_EQ(f.ticks,
              (std::vector<std::string>{"T2@3000", "T1@3500", "T2@4000", "T1@4000", "T2@4300"}));
}

TEST_F(UiTest, StepsOfAModalFormCanAdvanceTimeAndTheFormsTimerEndsTheLoop) {
    struct Waiting : ui::Form {
        Waiting() : ui::Form("frmState") {
            Timer1.setInterval(500);
            Timer1.onTimer = [this] {
                if (++ticks == 3) unload();
            };
        }
        ui::Timer Timer1{this, "Timer1"};
        int ticks = 0;
    } f;
    ui::whenShown("frmState", [](ui::Form&) { ui::advance(1000); });
    ui::whenShown("frmState", [](ui::Form&) { ui::advance(1000); });
    f.show(ui::vbModal);
    EXPECT_EQ(f.ticks, 3);
    EXPECT_EQ(platform::EventLoop::instance().nowMs(), 2000);
    EXPECT_EQ(ui::headless().pendingSteps("frmState"), 0u);
}

}  // namespace
