#pragma once
// Test fixture of the device controls: a private platform home (registry), a virtual clock,
// the headless toolkit and a visible host form.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "devctrls/unifex_status.h"
#include "platform/automation/activation.h"
#include "platform/automation/class_registry.h"
#include "platform/core/event_loop.h"
#include "platform/ui/form.h"
#include "platform/ui/headless.h"

namespace devctrls_test {

// The status text of object `id` with the given flags set (values of devctrls::StatusFlag).
inline std::string statusWith(std::initializer_list<int> set, int id = 0) {
    std::string text = std::to_string(id);
    for (int f = 0; f < devctrls::kStatusFlagCount; ++f) {
        bool on = false;
        for (int s : set) on = on || s == f;
        text += on ? " 1" : " 0";
    }
    return text;
}

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = std::filesystem::temp_directory_path() /
               ("qbx_devctrls_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        ::setenv("QBX_HOME", home.c_str(), 1);
        platform::EventLoop::reset(true);
        ui::resetToolkit();
        host = std::make_unique<ui::Form>("fMain");
        host->move(1000, 2000, 9000, 6000);
        host->show();
    }
    void TearDown() override {
        host.reset();
        // Forms retired by FormInstance are destroyed from the loop; let that happen while the
        // form model still exists.
        platform::doEvents();
        std::filesystem::remove_all(home);
    }
    // Creates an object the way a host does: by identifier, through the class registry entry
    // that names the library.
    automation::ObjectPtr create(const char* progId) {
        automation::registerInprocServer(progId, WCXDEVCTRS_LIBRARY);
        return automation::createObject(progId);
    }
    const std::vector<ui::ShownMessageBox>& boxes() { return ui::headless().boxes(); }

    std::filesystem::path home;
    std::unique_ptr<ui::Form> host;
};

}  // namespace devctrls_test
