#pragma once
// Where the MBX-440's simulated behaviour lives on the device: network variable indices, the
// property references it reads, and the program IDs of the three device variants.

#include <string>
#include <string_view>

namespace netdb::sim {

inline constexpr int kChannels = 9;

// Network variable indices on the device.
inline constexpr int kNviLearn = 1;
inline constexpr int kNvoAlarmSensor = 4;
inline constexpr int kNvoLearnId = 59;
inline int nvoHvacTemp(int channel) { return 5 + channel; }
inline int nvoSetpoint(int channel) { return 14 + channel; }
inline int nvoMultiOut1(int channel) { return 23 + channel; }
inline int nvoMultiOut2(int channel) { return 32 + channel; }

// Properties of blocks (block position, scope, type index): the node object's receive time
// (minutes without a telegram until a channel reports its sensor silent, 0 = never) and each
// channel block's sensor ID (block = channel + 1).
struct BlockProperty {
    int block;
    int scope;
    int typeIndex;
};
inline constexpr BlockProperty kRcvTime{0, 3, 43};
inline BlockProperty sensorIdProperty(int channel) { return {channel + 1, 3, 39}; }
// The kind of sensor on a channel: 7 temperature, 6 window contact, 5 push-button, ...
inline BlockProperty deviceTypeProperty(int channel) { return {channel + 1, 3, 42}; }
// The property reference text, "F:1/C:3:39".
inline std::string referenceOf(const BlockProperty& p) {
    return "F:" + std::to_string(p.block) + "/C:" + std::to_string(p.scope) + ":" +
           std::to_string(p.typeIndex);
}
inline std::string sensorIdRef(int channel) { return referenceOf(sensorIdProperty(channel)); }

// Every MBX-440 program ID starts so; the last byte is the variant (08, 09, 0D).
inline constexpr std::string_view kProgramIdStem = "9FFF3C46008604";
inline bool isMbx440(std::string_view programId) { return programId.starts_with(kProgramIdStem); }

}  // namespace netdb::sim
