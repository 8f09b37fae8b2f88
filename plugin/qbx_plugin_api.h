#pragma once
// QBXPlugInAPI, the automation object a director drives ("Korvane_MBX_440.QBXPlugInAPI").
// Every object of the process shares the main window, the network database service and the
// open network (plugin_state.h); an object holds only its network interface name.
// Failures reach the director as platform::Error 20000-20006 (api_errors.h).

#include <cstdint>
#include <string>
#include <utility>

namespace plugin {

class QBXPlugInAPI {
  public:
    // The first object of the process builds the command table and loads the main window.
    QBXPlugInAPI();
    // The last object going while the main window is hidden ends the process (EndPlugIn).
    ~QBXPlugInAPI();
    QBXPlugInAPI(const QBXPlugInAPI&) = delete;
    QBXPlugInAPI& operator=(const QBXPlugInAPI&) = delete;

    // 1. Carries out a command for the object of the path (13 "Configure", 10000, 50, 51).
    void SendCommand(int32_t commandId, int16_t objectClassId, std::string objectName);

    // 2. Visibility of the main window.
    bool Visible() const;
    void setVisible(bool bNewValue);

    // 3. The open network: reading gives its name, writing opens the network of that name.
    std::string networkName() const;
    void setNetworkName(std::string sNetworkName);

    // 4. The network interface used by the next write of networkName.
    std::string NetworkInterfaceName() const { return networkInterfaceName_; }
    void setNetworkInterfaceName(std::string sNetworkInterface) {
        networkInterfaceName_ = std::move(sNetworkInterface);
    }

    // 5. The service's remote-client flag; writing it reopens an open service.
    bool Remote() const;
    void setRemote(bool bNewValue);

    // 6-8, 14. Size and position of the main window in pixels.
    int32_t Height() const;
    void setHeight(int32_t lHeight);
    int32_t Width() const;
    void setWidth(int32_t lWidth);
    int32_t Left() const;
    void setLeft(int32_t lLeft);
    int32_t Top() const;
    void setTop(int32_t lTop);

    // 9. Minimized state of the main window; cannot be changed while it is hidden (20006),
    // though the state is still set.
    bool Minimized() const;
    void setMinimized(bool bMinimized);

    // 10-13, 15. Fixed identification; writing any of them fails with 20002.
    std::string ManufacturerID() const { return "1048380"; }
    std::string ManufacturerName() const { return "Korvane Controls Ltd"; }
    std::string WcxVersion() const { return "3.0"; }
    std::string Version() const { return "1.4"; }
    std::string Name() const { return "Korvane_MBX-440"; }
    [[noreturn]] void setReadOnly(std::string newval);

    // 16. Kept when exactly 16 characters long, else cleared.
    std::string DevelopmentProgramId() const;
    void setDevelopmentProgramId(std::string newval);

  private:
    void setSize(bool height, int32_t pixels);
    void setPosition(bool top, int32_t pixels);

    std::string networkInterfaceName_;
};

}  // namespace plugin
