#pragma once
// A fresh plug-in process for each test: a temporary platform home with a network "Demo" whose
// subsystem "Floor 1" holds the devices "MBX 1" and "Dev:", the virtual clock, the headless
// toolkit answering from its queue, and the plug-in's state and windows as after a start.

#include <gtest/gtest.h>

#include <string>

#include "editor/forms.h"
#include "platform/core/error.h"
#include "platform/core/event_loop.h"
#include "platform/registry/registry.h"
#include "platform/ui/headless.h"
#include "plugin/plugin_state.h"
#include "tests/platform/netdb/test_home.h"
#include "text/apply_language.h"

namespace plugin::testing {

class PlugInTest : public ::testing::Test {
  protected:
    explicit PlugInTest(const std::string& language = "english") {
        platform::EventLoop::reset(true);
        ui::resetToolkit();
        plugin::resetState();
        editor::resetForms();
        setLanguage(language);
        home.addDevice("Demo", "Floor 1", "MBX 1", netdb::testing::TestHome::miniXif());
        home.addDevice("Demo", "Floor 1", "Dev:", netdb::testing::TestHome::miniXif());
    }
    ~PlugInTest() override {
        editor::resetForms();
        plugin::resetState();
        // Unloaded windows are destroyed from the loop; let that happen while the toolkit lives.
        platform::doEvents();
    }

    static void setLanguage(const std::string& language) {
        platform::Registry::instance().setString(platform::Hive::Machine, text::kPlugInKey,
                                                 "Language", language);
    }

    netdb::testing::TestHome home;
};

// Runs fn and returns the automation error it raised (number 0 when it raised none).
template <class F>
platform::Error errorOf(F&& fn) {
    try {
        fn();
    } catch (const platform::Error& e) {
        return e;
    }
    return platform::Error(0, "", "");
}

}  // namespace plugin::testing
