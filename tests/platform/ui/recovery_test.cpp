// Abort/Retry/Ignore for routines with many steps, and automatic retries before asking.

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/steps.h"
#include "ui_fixture.h"

namespace {

ui::Recovery initDevice() {
    return ui::Recovery({.title = "fMain InitDevice", .text = [](const platform::Error& e) {
                             return e.description + " in InitDevice";
                         }});
}

// A routine of three steps; the second fails `failures` times.
struct Routine {
    int failures;
    std::vector<std::string> ran;
    bool operator()(ui::Recovery& rec) {
        return ui::recoverable([&] {
            rec.step([&] { ran.push_back("a"); });
            rec.step([&] {
                ran.push_back("b");
                if (failures-- > 0) throw platform::Error(1005, "dev", "no answer");
            });
            rec.step([&] { ran.push_back("c"); });
        });
    }
};

TEST_F(UiTest, RetryRepeatsIgnoreContinuesAbortEnds) {
    struct Case {
        std::vector<int> answers;
        bool ok;
        std::vector<std::string> ran;
        int ignored;
    } cases[] = {
        {{ui::vbRetry}, true, {"a", "b", "b", "c"}, 0},
        {{ui::vbIgnore}, true, {"a", "b", "c"}, 1},
        {{ui::vbAbort}, false, {"a", "b"}, 0},
        {{ui::vbRetry, ui::vbAbort}, false, {"a", "b", "b"}, 0},
    };
    for (const auto& c : cases) {
        ui::resetToolkit();
        for (int a : c.answers) ui::answer(a);
        auto rec = initDevice();
        Routine routine{static_cast<int>(c.answers.size()), {}};
        EXPECT_EQ(routine(rec), c.ok);
        EXPECT_EQ(routine.ran, c.ran);
        EXPECT_EQ(rec.ignored(), c.ignored);
        ASSERT_EQ(ui::headless().boxes().size(), c.answers.size());
        const auto& box = ui::headless().boxes()[0].request;
        EXPECT_EQ(box.text, "no answer in InitDevice");
        EXPECT_EQ(box.title, "fMain InitDevice");
        EXPECT_EQ(box.buttons, ui::vbAbortRetryIgnore);
        EXPECT_EQ(box.icon, ui::vbCritical);
    }
}

TEST_F(UiTest, StandardExceptionsAreAskedForAndAbortPassesIgnoreStepHelpers) {
    auto rec = initDevice();
    ui::answer(ui::vbAbort);
    bool ok = ui::recoverable([&] {
        // A helper that swallows std::exception must not swallow the abort.
        platform::ignoreStep([&] { rec.step([] { throw std::runtime_error("bad"); }); });
        ADD_FAILURE() << "the routine went on after Abort";
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(ui::headless().boxes().at(0).request.text, "bad in InitDevice");
}

TEST_F(UiTest, AutomaticRetriesComeFirstAndStartAgainAfterAnAnswer) {
    std::vector<std::string> log;
    ui::Recovery rec(
        {.title = "fMain cmdApply_Click",
         .text = [](const platform::Error& e) { return "Error updating \n" + e.description; },
         .icon = ui::vbInformation});
    rec.autoRetry(
        5, [&](const platform::Error& e) { log.push_back(e.description + "  repeating..."); });
    int failures = 7;
    ui::answer(ui::vbRetry);
    bool ok = ui::recoverable([&] {
        rec.step([&] {
            if (failures-- > 0) throw platform::Error(1005, "dev", "timeout");
        });
    });
    EXPECT_TRUE(ok);
    // Five automatic retries, the box (Retry), then the counter starts again: one more automatic.
    EXPECT_EQ(log.size(), 6u);
    ASSERT_EQ(ui::headless().boxes().size(), 1u);
    EXPECT_EQ(ui::headless().boxes()[0].request.icon, ui::vbInformation);
    EXPECT_EQ(rec.autoRetries(), 1);
}

TEST_F(UiTest, TryStepReportsWithoutThrowingAndHooksRun) {
    std::vector<std::string> hooks;
    auto rec = initDevice();
    rec.onFailure([&](const platform::Error& e) { hooks.push_back("failure " + e.description); });
    rec.onAbort([&](const platform::Error&) { hooks.push_back("abort"); });
    ui::answer(ui::vbAbort);
    EXPECT_EQ(rec.tryStep([] { throw platform::Error(1, "", "x"); }), ui::StepResult::Aborted);
    EXPECT_EQ(rec.tryStep([] {}), ui::StepResult::Done);
    EXPECT_EQ(hooks, (std::vector<std::string>{"failure x", "abort"}));
}

}  // namespace
