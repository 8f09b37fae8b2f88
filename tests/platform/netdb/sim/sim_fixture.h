#pragma once
// A temporary platform home on the virtual clock with MBX-440 devices made from a XIF file of
// the full device layout (node object, nine channels, the learn and alarm variables).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/core/event_loop.h"
#include "platform/netdb/netdb.h"
#include "platform/netdb/sim/device_simulator.h"
#include "platform/netdb/sim/sim_settings.h"
#include "tests/platform/netdb/test_home.h"

namespace netdb::sim::testing {

class SimTest : public ::testing::Test {
  protected:
    SimTest() : loop(platform::EventLoop::reset(true)) {}

    // A device of variant 8 (no nvoLearnID) or 9 (with it) in subsystem "Floor".
    std::shared_ptr<AppDevice> addDevice(const std::string& name, int variant);
    // Starts the simulator on the home's service.
    void startSimulator() { sim = DeviceSimulator::start(home.server(), loop); }

    std::shared_ptr<NetworkVariable> nv(const AppDevice& d, int index) {
        return d.Interface().NetworkVariables().Item(index);
    }
    std::string value(const AppDevice& d, int index) { return nv(d, index)->Value(); }
    void setCp(const AppDevice& d, const std::string& ref, const std::string& text) {
        propertyByReference(d, ref)->SetValue(text);
    }
    SimSettings settings() { return SimSettings(home.server().store()->db()); }
    void configure(const AppDevice& d, const std::function<void(DeviceSettings&)>& change) {
        DeviceSettings s = settings().device(d.id());
        change(s);
        settings().setDevice(d.id(), s);
    }

    platform::EventLoop& loop;
    netdb::testing::TestHome home;
    std::shared_ptr<DeviceSimulator> sim;
};

// "0 0 1 0 ..." with the given bits set.
std::string stateText(std::initializer_list<int> bits);

}  // namespace netdb::sim::testing
