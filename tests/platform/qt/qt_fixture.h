#pragma once
// Fixture of the renderer tests: a fresh real-clock event loop and toolkit, the Qt renderer
// started on the offscreen platform, helpers to find the widget of a control.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/core/event_loop.h"
#include "platform/qt/qt_renderer.h"
#include "platform/ui/ui.h"

class QtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::EventLoop::reset(false);
        ui::resetToolkit();
        static char arg0[] = "test_qt";
        static char* argv[] = {arg0, nullptr};
        qtui::startQtRenderer(1, argv);
    }
    void TearDown() override { qtui::stopQtRenderer(); }

    // The widget of a control (its object name is the control's path).
    template <class W = QWidget>
    static W* widgetOf(const ui::Control& c) {
        for (QWidget* w : QApplication::allWidgets())
            if (w->objectName() == QString::fromStdString(c.path()) && w->isVisibleTo(w->window()))
                if (auto* typed = qobject_cast<W*>(w)) return typed;
        for (QWidget* w : QApplication::allWidgets())
            if (w->objectName() == QString::fromStdString(c.path()))
                if (auto* typed = qobject_cast<W*>(w)) return typed;
        return nullptr;
    }
    static QWidget* windowOf(const ui::Form& f) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QString::fromStdString(f.name())) return w;
        return nullptr;
    }
    static void pump() {
        for (int i = 0; i < 3; ++i) qtui::processQtEvents();
    }
};

// LeakSanitizer: Qt, fontconfig and the offscreen platform keep caches for the life of the
// process; they are not leaks of this system.
extern "C" const char* __lsan_default_suppressions();
