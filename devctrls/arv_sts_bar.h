#pragma once
// ArvStsBar: the status bar of a device plug-in window. Five panels show the device's name, its
// state, whether monitoring is on, the selected functional block and that block's status;
// while monitoring is on the device state and the block status are polled every five seconds.
// Clicking the panels offers the block list and opens the status and alarm viewers.
//
// Its parts on the host form (see hosted_control.h): `stsBar`, `imgMonitor`, `imgStatus`,
// `imglst`, `Timer1`, the pop-up menus `mnuObject` (items `smnuObjects`) and `mnuView` (items
// `smnuView`).

#include <memory>
#include <string>
#include <vector>

#include "devctrls/frm_alarms.h"
#include "devctrls/frm_status.h"
#include "devctrls/hosted_control.h"
#include "devctrls/status_bar_device.h"
#include "platform/ui/control_array.h"
#include "platform/ui/image_list.h"
#include "platform/ui/menu.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/timer.h"

namespace devctrls {

class ArvStsBar : public HostedControl {
  public:
    static constexpr const char* kProgId = "WcxDevCtrs.ArvStsBar";

    ArvStsBar();
    explicit ArvStsBar(ui::Form& host, const std::string& name = "ArvStsBar1");
    ~ArvStsBar() override;
    ArvStsBar(const ArvStsBar&) = delete;
    ArvStsBar& operator=(const ArvStsBar&) = delete;

    // Properties.
    bool MonitorEnabled() const { return monitorEnabled_; }
    void setMonitorEnabled(bool on);
    const std::string& DeviceState() const { return deviceState_; }
    void setDeviceState(const std::string& state);
    const std::string& CommandObjectName() const { return commandObjectName_; }
    void setCommandObjectName(const std::string& name);
    const std::shared_ptr<StatusBarDevice>& TheAppDevice() const { return device_; }
    void setTheAppDevice(std::shared_ptr<StatusBarDevice> device);

    // Reads the selected block's status into the panel; false (after the error box) on failure.
    bool UpdateObjectStatus();

    const std::shared_ptr<ObjectStatus>& objectStatus() const { return objectStatus_; }
    const std::shared_ptr<ObjectAlarm>& objectAlarm() const { return objectAlarm_; }
    // The window position the last clicked panel's menu and viewer use (twips).
    int popupLeft() const { return popupLeft_; }
    int popupBottom() const { return popupBottom_; }

    // Parts.
    ui::PictureBox& box() const override;
    ui::StatusBar& stsBar() const;
    ui::Image& imgMonitor() const;
    ui::Image& imgStatus() const;
    ui::Timer& timer() const;
    ui::Menu& mnuObject() const;
    ui::ControlArray<ui::Menu>& smnuObjects() const;
    ui::Menu& mnuView() const;
    ui::ControlArray<ui::Menu>& smnuView() const;
    // The viewers, while one is open.
    frmStatus* statusViewer() { return status_.exists() ? &status_.get() : nullptr; }
    frmAlarms* alarmViewer() { return alarms_.exists() ? &alarms_.get() : nullptr; }

    void move(int left, int top, int width, int height) override;
    void setContainer(ui::Form& host) override;

    automation::Value invoke(std::string_view member, automation::Kind kind,
                             const automation::Value& args) override;
    static const automation::Members<ArvStsBar>& members();

  private:
    struct Parts;
    void build(ui::Form& host, const std::string& name);
    void layout();
    void Timer1_Timer();
    void stsBar_PanelClick(int panel);
    void smnuObjects_Click(int index);
    void smnuView_Click(int index);
    template <class Viewer, class Source>
    void openViewer(ui::FormInstance<Viewer>& viewer,
                    bool (Viewer::*parse)(std::shared_ptr<Source>), std::shared_ptr<Source> object,
                    const std::string& caption);

    std::unique_ptr<Parts> parts_;
    bool monitorEnabled_ = false;
    std::string deviceState_, commandObjectName_;
    std::shared_ptr<StatusBarDevice> device_;
    std::vector<std::string> objectList_;
    bool hasObjectList_ = false;
    std::shared_ptr<ObjectStatus> objectStatus_;
    std::shared_ptr<ObjectAlarm> objectAlarm_;
    int popupLeft_ = 0, popupBottom_ = 0;
    ui::FormInstance<frmStatus> status_;
    ui::FormInstance<frmAlarms> alarms_;
};

// The state text of a device state code: "Uncnfg", "App'less", "Online", "Offline",
// "Soft Offline", "CnfgBypass", and "?" for any other code.
std::string stateCodeText(int code);

}  // namespace devctrls
