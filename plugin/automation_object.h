#pragma once
// QBXPlugInAPI as an automation object: its operations by member name, for directors.

#include <string_view>

#include "platform/automation/members.h"
#include "plugin/qbx_plugin_api.h"

namespace plugin {

inline constexpr std::string_view kProgId = "Korvane_MBX_440.QBXPlugInAPI";

class PlugInObject final : public automation::Automatable<PlugInObject>, public QBXPlugInAPI {
  public:
    static const automation::Members<PlugInObject>& members();
};

}  // namespace plugin
