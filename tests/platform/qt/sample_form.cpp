#include "tests/platform/qt/sample_form.h"

fSample::fSample() : ui::Form("fSample") {
    setCaption("Sample form");
    move(0, 0, 9600, 7800);
    mnuFile.setCaption("&File");
    for (ui::Menu* m : {&mnuOpen, &mnuSep, &mnuExit}) m->setParentMenu(mnuFile);
    mnuOpen.setCaption("&Open...");
    mnuSep.setCaption("-");
    mnuExit.setCaption("E&xit");

    tabData.move(120, 120, 5400, 3600);
    tabData.addTab("General settings");
    tabData.addTab("Sensor 1");
    Frame1.setContainer(tabData, 0);
    Frame1.move(120, 480, 5100, 1800);
    Frame1.setCaption("Frame1");
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&lblName, &txtName, &UpD_name, &cmbType, &chkMonitor})
        c->setContainer(Frame1);
    lblName.move(120, 300, 1200, 255);
    lblName.setCaption("Name:");
    txtName.move(1440, 270, 1800, 315);
    txtName.setText("21,5");
    UpD_name.move(3240, 270, 255, 315);
    cmbType.move(1440, 720, 3000, 315);
    for (const char* s : {"SNVT_switch", "SNVT_setting", "SNVT_lev_percent", "SNVT_lux"})
        cmbType.addItem(s);
    cmbType.setListIndex(1);
    chkMonitor.move(120, 1200, 2000, 315);
    chkMonitor.setCaption("Monitoring");
    chkMonitor.setValue(ui::vbChecked);
    optA.setContainer(tabData, 0);
    optA.move(240, 2400, 1500, 315);
    optA.setCaption("Option A");
    optA.setValue(true);
    optB.setContainer(tabData, 0);
    optB.move(1800, 2400, 1500, 315);
    optB.setCaption("Option B");
    tvwDevices.setContainer(tabData, 1);
    tvwDevices.move(120, 480, 3000, 2000);

    ImageList1.add("OK", "");
    ImageList1.add("ERR", "");
    ImageList1.add("REQ", "");
    tvwDevices.setCheckboxes(true);
    tvwDevices.addNode("", "net", "Network");
    tvwDevices.addNode("net", "dev1", "MBX-440 #1");
    tvwDevices.addNode("net", "dev2", "MBX-440 #2");
    tvwDevices.setExpanded("net", true);

    picLogo.move(5640, 120, 1800, 900);
    picLogo.setPicture("info");
    imgOk.move(7560, 120, 480, 480);
    imgOk.setPicture("LEDON");
    lblInfo.move(5640, 1080, 3600, 255);
    lblInfo.setCaption("Information:");
    RTHinweis.move(5640, 1380, 3720, 2340);
    RTHinweis.setText("Welcome. Bold words stand out.");
    RTHinweis.setSelStart(9);
    RTHinweis.setSelLength(4);
    RTHinweis.setSelBold(true);
    RTHinweis.setSelStart(0);
    RTHinweis.setSelLength(0);

    lstLog.move(120, 3840, 9240, 1500);
    lstLog.setSmallIcons(&ImageList1);
    lstLog.addColumn("Value", "Value", 6000);
    lstLog.addColumn("TimeStamp", "TimeStamp", 2400);
    int i = lstLog.addItem("writing Parameters...", "", "REQ");
    lstLog.setSubItem(i, 1, "14:05:09");
    lstLog.addItem("Device not online", "", "ERR");
    lstLog.addItem("OK", "", "OK");

    Progr.move(120, 5460, 4000, 255);
    Progr.setValue(40);
    cmdApply.move(6600, 5400, 1300, 375);
    cmdApply.setCaption("Apply");
    cmdApply.setForeColor(ui::vbRed);
    cmdCancel.move(8000, 5400, 1300, 375);
    cmdCancel.setCaption("Cancel");
    cmdCancel.setEnabled(false);

    PlugInStatus.move(0, 6000, 9480, 315);
    PlugInStatus.addPanel("dev", "MBX-440 #1", 2400);
    PlugInStatus.addPanel("type", "MBX-440", 1800);
    PlugInStatus.addPanel("state", "Cnfg Online", 1800);
    PlugInStatus.addPanel("mon", "Monitor", 1800);

    txtnci.load(0);
    txtnci[0].setVisible(false);
}

fDialog::fDialog() : ui::Form("fDialog") {
    setCaption("Dialog");
    setBorderStyle(ui::vbFixedDialog);
    move(1000, 1000, 3600, 1800);
    lblText.move(120, 120, 3000, 255);
    lblText.setCaption("Close me");
    cmdOk.move(1200, 600, 1200, 375);
    cmdOk.setCaption("OK");
    cmdOk.onClick = [this] { unload(); };
}
