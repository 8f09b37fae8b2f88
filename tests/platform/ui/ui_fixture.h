#pragma once
// A clean toolkit for each test: a fresh event loop on the virtual clock and empty headless
// queues and records.

#include <gtest/gtest.h>

#include "platform/core/error.h"
#include "platform/core/event_loop.h"
#include "platform/ui/ui.h"

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::EventLoop::reset(true);
        ui::resetToolkit();
    }
    void TearDown() override { ui::resetToolkit(); }
};

// Runs fn and returns the number of the platform::Error it raised (0 when none).
template <class F>
int errorNumber(F&& fn) {
    try {
        fn();
    } catch (const platform::Error& e) {
        return e.number;
    }
    return 0;
}
