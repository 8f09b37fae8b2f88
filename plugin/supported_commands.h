#pragma once
// The commands the plug-in serves, with the data they are registered with on the platform.

#include <array>
#include <cstdint>
#include <string>

namespace plugin {

// Where a command is registered: the service's own command list, the system's, the device
// template's, or one functional block of the device template.
inline constexpr int32_t kRegisterOnService = 1;
inline constexpr int32_t kRegisterOnSystem = 2;
inline constexpr int32_t kRegisterOnTemplate = 3;
inline constexpr int32_t kRegisterOnBlock = 4;

inline constexpr int16_t kObjectTypeAppDevice = 7;
inline constexpr int16_t kObjectTypeSubsystem = 5;

inline constexpr int32_t kCommandRegister = 50;
inline constexpr int32_t kCommandUnregister = 51;
inline constexpr int32_t kCommandConfigure = 13;
inline constexpr int32_t kCommandCustom = 10000;

struct SupportedCommand {
    int32_t CommandId = 0;
    int32_t ObjectType = 0;
    std::string Name;
    std::string Detail;
    int16_t AskDefault = 0;  // -1 true, 0 false
    int32_t RegisterLevel = 0;
    std::string UnifexObjectName;  // the block's name with RegisterLevel 4 only
};

using SupportedCommandTable = std::array<SupportedCommand, 2>;

// Row 0 "Configure" (13), row 1 the plug-in's own command (10000), both for application devices.
SupportedCommandTable BuildSupportedCommands();

// Where the plug-in's resource files live in the resource catalogue, and what they apply to.
struct ResourceFolder {
    std::string folder;
    std::string programIdTemplate;
    int scope = 0;
};

ResourceFolder BuildResourceFolderRecord();

}  // namespace plugin
