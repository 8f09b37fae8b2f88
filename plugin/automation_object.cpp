#include "plugin/automation_object.h"

namespace plugin {

const automation::Members<PlugInObject>& PlugInObject::members() {
    using A = QBXPlugInAPI;
    // Errors of the member table itself (unknown member, bad arguments) name the plug-in.
    static const auto table =
        automation::Members<PlugInObject>("Korvane_MBX-440")
            .method("SendCommand", &A::SendCommand)
            .property("Visible", &A::Visible, &A::setVisible)
            .property("networkName", &A::networkName, &A::setNetworkName)
            .property("NetworkInterfaceName", &A::NetworkInterfaceName, &A::setNetworkInterfaceName)
            .property("Remote", &A::Remote, &A::setRemote)
            .property("Height", &A::Height, &A::setHeight)
            .property("Width", &A::Width, &A::setWidth)
            .property("Left", &A::Left, &A::setLeft)
            .property("Minimized", &A::Minimized, &A::setMinimized)
            .property("ManufacturerID", &A::ManufacturerID, &A::setReadOnly)
            .property("ManufacturerName", &A::ManufacturerName, &A::setReadOnly)
            .property("WcxVersion", &A::WcxVersion, &A::setReadOnly)
            .property("Version", &A::Version, &A::setReadOnly)
            .property("Top", &A::Top, &A::setTop)
            .property("Name", &A::Name, &A::setReadOnly)
            .property("DevelopmentProgramId", &A::DevelopmentProgramId,
                      &A::setDevelopmentProgramId);
    return table;
}

}  // namespace plugin
