#include "tests/platform/netdb/sim/sim_fixture.h"

namespace netdb::sim::testing {

namespace {
std::string layoutXif(int variant) {
    std::string x = "xif 1\nprogram-id 9FFF3C46008604" + std::string(variant == 8 ? "08" : "09") +
                    "\nmodel \"MBX-440 test layout\"\nblock 0 NodeObject 0\n";
    for (int k = 0; k < 9; ++k)
        x += "block " + std::to_string(k + 1) + " Sensor[" + std::to_string(k) + "] 20010\n";
    x += "nv 1 nviLearn input SNVT_state 0\nnv 4 nvoAlarm_Sensor output SNVT_state 0\n";
    auto nvs = [&](int first, const std::string& stem, const std::string& dir,
                   const std::string& type) {
        for (int k = 0; k < 9; ++k)
            x += "nv " + std::to_string(first + k) + " " + stem + std::to_string(k + 1) + " " +
                 dir + " " + type + " " + std::to_string(k + 1) + "\n";
    };
    nvs(5, "nvoHVACTemp_", "output", "SNVT_temp_p");
    nvs(14, "nvoSetpoint_", "output", "SNVT_temp_p");
    nvs(23, "nvoMultiOut_1_", "output", "SNVT_setting");
    nvs(32, "nvoMultiOut_2_", "output", "SNVT_switch");
    nvs(41, "nviMultiOut_1_Fb_", "input", "SNVT_temp_p");
    if (variant != 8) x += "nv 59 nvoLearnID output UNVT_str_hex4 0\n";
    x += "cp block:0 3 43 UCPTenoceanRcvTm SNVT_time_min default 60\n";
    for (int k = 0; k < 9; ++k) {
        std::string block = "cp block:" + std::to_string(k + 1);
        x += block + " 3 39 UCPTenoceanID UNVT_str_hex4 default 0,0,0,0\n";
        x += block + " 3 42 UCPTdeviceType SNVT_count default 0\n";  // a kind of sensor not known
    }
    return x;
}
}  // namespace

std::shared_ptr<AppDevice> SimTest::addDevice(const std::string& name, int variant) {
    std::string file = "layout_" + std::to_string(variant) + ".xif";
    auto xif = home.writeFile(file, layoutXif(variant));
    return home.addDevice("Net", "Floor", name, xif);
}

std::string stateText(std::initializer_list<int> bits) {
    std::string s = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    for (int b : bits) s[static_cast<size_t>(b) * 2] = '1';
    return s;
}

}  // namespace netdb::sim::testing
