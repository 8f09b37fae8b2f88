#include "devctrls/arv_sts_bar.h"

#include <exception>

#include "devctrls/library_texts.h"
#include "platform/core/log.h"
#include "platform/ui/recovery.h"
#include "platform/ui/services.h"

namespace devctrls {

namespace {
constexpr const char* kOnline = "Cnfg Online";
constexpr int kPollMs = 5000;
constexpr int kPicture = 180;
struct PanelSpec {
    const char* key;
    int width;
};
constexpr PanelSpec kPanels[] = {{"Device", 2400},
                                 {"State", 1500},
                                 {"MonitorEnabled", 500},
                                 {"UnifexObject", 2000},
                                 {"Status", 2000}};
}  // namespace

std::string stateCodeText(int code) {
    switch (code) {
        case 2:
            return "Uncnfg";
        case 3:
            return "App'less";
        case 4:
            return "Online";
        case 6:
            return "Offline";
        case 12:
            return "Soft Offline";
        case 140:
            return "CnfgBypass";
        default:
            return "?";
    }
}

struct ArvStsBar::Parts {
    Parts(ui::Form& host, const std::string& name)
        : box(&host, name),
          stsBar(&host, "stsBar"),
          imgMonitor(&host, "imgMonitor"),
          imgStatus(&host, "imgStatus"),
          imglst(&host, "imglst"),
          Timer1(&host, "Timer1"),
          mnuObject(&host, "mnuObject"),
          smnuObjects(&host, "smnuObjects"),
          mnuView(&host, "mnuView"),
          smnuView(&host, "smnuView") {}
    ui::PictureBox box;
    ui::StatusBar stsBar;
    ui::Image imgMonitor, imgStatus;
    ui::ImageList imglst;
    ui::Timer Timer1;
    ui::Menu mnuObject;
    ui::ControlArray<ui::Menu> smnuObjects;
    ui::Menu mnuView;
    ui::ControlArray<ui::Menu> smnuView;
};

ArvStsBar::ArvStsBar() { build(makeSurface("ArvStsBar"), "ArvStsBar1"); }

ArvStsBar::ArvStsBar(ui::Form& host, const std::string& name) { build(host, name); }

ArvStsBar::~ArvStsBar() {
    // The viewers go before the parts of the host they were opened from.
    status_.reset();
    alarms_.reset();
}

void ArvStsBar::build(ui::Form& host, const std::string& name) {
    parts_ = std::make_unique<Parts>(host, name);
    Parts& p = *parts_;
    p.box.setBorderStyle(0);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&p.stsBar, &p.imgMonitor,
                                                              &p.imgStatus, &p.imglst, &p.Timer1})
        c->setContainer(p.box);
    for (const PanelSpec& panel : kPanels) p.stsBar.addPanel(panel.key, "", panel.width);
    p.imglst.add("MonitorEnabled", "devctrls:monitor");
    p.imglst.add("InNormal", "devctrls:normal");
    p.imglst.add("InException", "devctrls:exception");
    p.Timer1.setInterval(0);
    p.Timer1.onTimer = [this] { Timer1_Timer(); };
    p.stsBar.onPanelClick = [this](int panel) { stsBar_PanelClick(panel); };

    // Pop-up menus: hidden at the top, shown only where a panel pops them up.
    p.mnuObject.setCaption("Objects");
    p.mnuObject.setVisible(false);
    p.smnuObjects.on(&ui::Menu::onClick, [this](int index) { smnuObjects_Click(index); });
    p.smnuObjects.load(0).setParentMenu(p.mnuObject);
    p.mnuView.setCaption("Actions");
    p.mnuView.setVisible(false);
    p.smnuView.on(&ui::Menu::onClick, [this](int index) { smnuView_Click(index); });
    p.smnuView.load(0).setCaption("Status");
    p.smnuView.load(1).setCaption("Alarm");
    for (int i : {0, 1}) p.smnuView[i].setParentMenu(p.mnuView);

    p.box.move(0, 0, 8400, 375);
    p.stsBar.move(0, 0, 8400, 375);
    layout();
}

ui::PictureBox& ArvStsBar::box() const { return parts_->box; }
ui::StatusBar& ArvStsBar::stsBar() const { return parts_->stsBar; }
ui::Image& ArvStsBar::imgMonitor() const { return parts_->imgMonitor; }
ui::Image& ArvStsBar::imgStatus() const { return parts_->imgStatus; }
ui::Timer& ArvStsBar::timer() const { return parts_->Timer1; }
ui::Menu& ArvStsBar::mnuObject() const { return parts_->mnuObject; }
ui::ControlArray<ui::Menu>& ArvStsBar::smnuObjects() const { return parts_->smnuObjects; }
ui::Menu& ArvStsBar::mnuView() const { return parts_->mnuView; }
ui::ControlArray<ui::Menu>& ArvStsBar::smnuView() const { return parts_->smnuView; }

void ArvStsBar::move(int left, int top, int width, int height) {
    // The height follows the status bar.
    box().move(left, top, width, stsBar().height());
    (void)height;
    stsBar().move(0, 0, width, stsBar().height());
    layout();
}

void ArvStsBar::layout() {
    ui::StatusBar& bar = stsBar();
    auto place = [&](ui::Image& img, const char* key) {
        img.move(bar.left() + bar.panel(key).left + 40, bar.top() + 60, kPicture, kPicture);
    };
    place(imgMonitor(), "MonitorEnabled");
    place(imgStatus(), "Status");
}

void ArvStsBar::setContainer(ui::Form& host) {
    if (&host == &hostForm()) return;
    // The parts are built anew on the host and the state is set again.
    status_.reset();
    alarms_.reset();
    std::unique_ptr<Parts> old = std::move(parts_);
    build(host, old->box.name());
    move(old->box.left(), old->box.top(), old->box.width(), old->box.height());
    box().setVisible(old->box.visible());
    old.reset();
    dropSurface();
    std::string state = deviceState_;
    deviceState_.clear();
    setDeviceState(state);
    setCommandObjectName(commandObjectName_);
    if (device_) setTheAppDevice(device_);
    setMonitorEnabled(monitorEnabled_);
}

void ArvStsBar::setMonitorEnabled(bool on) {
    monitorEnabled_ = on;
    if (on) {
        imgMonitor().setPicture("imglst:MonitorEnabled");
        stsBar().setPanelText("MonitorEnabled", "M");
        if (objectStatus_) timer().setInterval(kPollMs);
    } else {
        imgMonitor().setPicture("");
        stsBar().setPanelText("MonitorEnabled", "");
        timer().setInterval(0);
    }
}

void ArvStsBar::setDeviceState(const std::string& state) {
    deviceState_ = state;
    stsBar().setPanelText("State", state);
}

void ArvStsBar::setCommandObjectName(const std::string& name) {
    commandObjectName_ = name;
    stsBar().setPanelText("Device", name);
}

void ArvStsBar::setTheAppDevice(std::shared_ptr<StatusBarDevice> device) {
    device_ = std::move(device);
    if (!device_) return;
    ui::StatusBar& bar = stsBar();
    int devicePanel = bar.panelIndex("Device");
    bar.setPanelText(devicePanel, device_->name());
    bar.setPanelToolTipText(devicePanel, commandObjectName_);
    objectList_ = device_->blockNames();
    hasObjectList_ = true;
    // Items of an earlier device go; item 0 always exists.
    for (int i : smnuObjects().indices())
        if (i > 0) smnuObjects().unload(i);
    if (objectList_.empty()) return;
    smnuObjects()[0].setCaption(objectList_[0]);
    bar.setPanelText("UnifexObject", objectList_[0]);
    for (size_t i = 1; i < objectList_.size(); ++i) {
        ui::Menu& item = smnuObjects().load(static_cast<int>(i));
        item.setParentMenu(mnuObject());
        item.setCaption(objectList_[i]);
    }
    if (UpdateObjectStatus()) timer().setInterval(kPollMs);
}

bool ArvStsBar::UpdateObjectStatus() {
    try {
        if (objectList_.empty() || deviceState_ != kOnline) return true;
        ui::StatusBar& bar = stsBar();
        std::string block = bar.panel("UnifexObject").text;
        objectStatus_ = device_->blockStatus(block);
        StatusFlags status = objectStatus_->read();
        ui::Menu& alarmItem = smnuView()[1];
        if (status.inException()) {
            imgStatus().setPicture("imglst:InException");
            bar.setPanelText("Status", "    " + libraryText(kTextInException));
            // Without an alarm no alarm object is kept: an earlier one would be stale.
            objectAlarm_ = status.alarmPresent() ? device_->blockAlarm(block) : nullptr;
            alarmItem.setEnabled(objectAlarm_ != nullptr);
        } else {
            imgStatus().setPicture("imglst:InNormal");
            bar.setPanelText("Status", "    " + libraryText(kTextNormal));
            objectAlarm_ = nullptr;
            alarmItem.setEnabled(false);
        }
        return true;
    } catch (const std::exception& e) {
        ui::msgBox(ui::asError(e).description, ui::vbCritical, "Status Bar Unifex Status");
        return false;
    }
}

void ArvStsBar::Timer1_Timer() {
    if (!monitorEnabled_) return;
    // Each step on its own: a failure of one does not keep the next from running.
    try {
        UpdateObjectStatus();
    } catch (const std::exception& e) {
        platform::logLine("WcxDevCtrs", std::string("ArvStsBar status poll: ") + e.what());
    }
    if (!device_) return;
    std::string text = "?";
    try {
        text = stateCodeText(device_->stateCode());
    } catch (const std::exception& e) {
        platform::logLine("WcxDevCtrs", std::string("ArvStsBar state poll: ") + e.what());
    }
    stsBar().setPanelText("State", text);
}

void ArvStsBar::stsBar_PanelClick(int panel) {
    ui::Form& host = hostForm();
    const ui::Panel& p = stsBar().panel(panel);
    popupLeft_ = host.left() + p.left;
    popupBottom_ = host.top() + host.height();
    double x = stsBar().left() + p.left, y = stsBar().top();
    if (p.key == "Device") {
        if (!commandObjectName_.empty())
            ui::msgBox(commandObjectName_, ui::vbInformation, "Device Name");
    } else if (p.key == "UnifexObject") {
        if (hasObjectList_ && !objectList_.empty()) host.popupMenu(mnuObject(), x, y);
    } else if (p.key == "Status") {
        if (objectStatus_) host.popupMenu(mnuView(), x, y);
    }
}

void ArvStsBar::smnuObjects_Click(int index) {
    stsBar().setPanelText("UnifexObject", smnuObjects()[index].caption());
    UpdateObjectStatus();
}

template <class Viewer, class Source>
void ArvStsBar::openViewer(ui::FormInstance<Viewer>& viewer,
                           bool (Viewer::*parse)(std::shared_ptr<Source>),
                           std::shared_ptr<Source> object, const std::string& caption) {
    Viewer& form = viewer.get();
    form.load();
    if (!(form.*parse)(std::move(object))) {
        // A viewer that cannot show its object is closed, which stops its refresh.
        form.unload();
        return;
    }
    form.move(popupLeft_, popupBottom_ - form.height());
    form.setCaption(caption + " [" + stsBar().panel("UnifexObject").text + "]");
    form.show(ui::vbModal, &hostForm());
}

void ArvStsBar::smnuView_Click(int index) {
    if (index == 0)
        openViewer(status_, &frmStatus::ParseStatus, objectStatus_, "Unifex Status");
    else if (index == 1 && objectAlarm_)
        openViewer(alarms_, &frmAlarms::ParseAlarm, objectAlarm_, "Unifex Alarm");
}

automation::Value ArvStsBar::invoke(std::string_view member, automation::Kind kind,
                                    const automation::Value& args) {
    return members().invoke(*this, member, kind, args);
}

const automation::Members<ArvStsBar>& ArvStsBar::members() {
    static const automation::Members<ArvStsBar> table = [] {
        automation::Members<ArvStsBar> t(kProgId);
        t.property("MonitorEnabled", &ArvStsBar::MonitorEnabled, &ArvStsBar::setMonitorEnabled)
            .property("DeviceState", &ArvStsBar::DeviceState, &ArvStsBar::setDeviceState)
            .property("CommandObjectName", &ArvStsBar::CommandObjectName,
                      &ArvStsBar::setCommandObjectName);
        addPlacementMembers(t);
        return t;
    }();
    return table;
}

}  // namespace devctrls
