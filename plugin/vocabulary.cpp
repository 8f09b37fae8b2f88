#include "plugin/vocabulary.h"

#include <string_view>

namespace plugin {
namespace {

struct Named {
    int32_t code;
    std::string_view name;
};

constexpr Named kObjectTypes[] = {
    {0, "Object Server"},
    {1, "Network"},
    {2, "Networks"},
    {3, "System"},
    {4, "Systems"},
    {5, "Subsystem"},
    {6, "Subsystems"},
    {7, "Application Device"},
    {8, "Application Devices"},
    {9, "Router"},
    {10, "Routers"},
    {11, "Router Side"},
    {12, "Channel"},
    {13, "Channels"},
    {14, "Network Interface"},
    {15, "Network Interfaces"},
    {16, "Subnet"},
    {17, "Subnets"},
    {18, "Connections"},
    {19, "Interface"},
    {20, "Interfaces"},
    {21, "Template Library"},
    {22, "Network Variable"},
    {23, "Network Variables"},
    {24, "Message Tag"},
    {25, "Message Tags"},
    {26, "Configuration Property"},
    {27, "Configuration Properties"},
    {28, "Unifex Object"},
    {29, "Unifex Objects"},
    {30, "Component Application"},
    {31, "Component Applications"},
    {32, "Hardware Template"},
    {33, "Hardware Templates"},
    {34, "Build Template"},
    {35, "Build Templates"},
    {36, "Device Template"},
    {37, "Device Templates"},
    {38, "Program Template"},
    {39, "Program Templates"},
    {40, "Network Service Device"},
    {41, "Network Service Devices"},
    {42, "Connection Description Template"},
    {43, "Connection Description Templates"},
    {44, "Error"},
    {45, "Unifex Alarm"},
    {46, "Object Status"},
    {47, "Network Variable Field"},
    {48, "Detail Info"},
    {50, "Extension"},
    {51, "Extensions"},
    {52, "Recovery Status"},
};

constexpr Named kCommands[] = {
    {1, "New"},      {2, "Edit Source"},       {10, "Build Image"},    {11, "Commission"},
    {12, "Load"},    {13, "Configure"},        {14, "Calibrate"},      {15, "Connect"},
    {20, "Browse"},  {21, "Monitor"},          {22, "Control"},        {23, "Report"},
    {30, "Online"},  {31, "Offline"},          {32, "Reset"},          {33, "Test"},
    {34, "Wink"},    {40, "Uninstall"},        {41, "Replace"},        {50, "Register"},
    {60, "Recover"}, {61, "Monitor Recovery"}, {70, "Security Level"},
};

template <std::size_t N>
const std::string_view* find(const Named (&table)[N], int32_t code) {
    for (const auto& entry : table)
        if (entry.code == code) return &entry.name;
    return nullptr;
}

}  // namespace

std::string ObjectTypeName(int16_t code) {
    if (const auto* name = find(kObjectTypes, code)) return std::string(*name);
    // A number turned into text keeps a sign position: a blank before 0 and positive codes.
    return "Custom ID = " + std::string(code >= 0 ? " " : "") + std::to_string(code);
}

std::string CommandName(int32_t code) {
    if (const auto* name = find(kCommands, code)) return std::string(*name);
    return "Custom command " + std::to_string(code);
}

}  // namespace plugin
