#pragma once
// A form with one control of every kind, laid out like a small editor window, for the
// renderer tests and for screenshots.

#include "platform/ui/ui.h"

class fSample : public ui::Form {
  public:
    fSample();

    ui::Menu mnuFile{this, "mnuFile"};
    ui::Menu mnuOpen{this, "mnuOpen"};
    ui::Menu mnuSep{this, "mnuSep"};
    ui::Menu mnuExit{this, "mnuExit"};
    ui::TabStrip tabData{this, "tabData"};
    ui::Frame Frame1{this, "Frame1"};
    ui::Label lblName{this, "lblName"};
    ui::TextBox txtName{this, "txtName"};
    ui::UpDown UpD_name{this, "UpD_name"};
    ui::ComboBox cmbType{this, "cmbType"};
    ui::CheckBox chkMonitor{this, "chkMonitor"};
    ui::OptionButton optA{this, "optA"};
    ui::OptionButton optB{this, "optB"};
    ui::TreeView tvwDevices{this, "tvwDevices"};
    ui::PictureBox picLogo{this, "picLogo"};
    ui::Image imgOk{this, "imgOk"};
    ui::Label lblInfo{this, "lblInfo"};
    ui::RichTextBox RTHinweis{this, "RTHinweis"};
    ui::ImageList ImageList1{this, "ImageList1"};
    ui::ListView lstLog{this, "lstLog"};
    ui::ProgressBar Progr{this, "Progr"};
    ui::CommandButton cmdApply{this, "cmdApply"};
    ui::CommandButton cmdCancel{this, "cmdCancel"};
    ui::StatusBar PlugInStatus{this, "PlugInStatus"};
    ui::Timer Timer1{this, "Timer1"};
    ui::ControlArray<ui::TextBox> txtnci{this, "txtnci"};
};

// A small dialog that can be shown modally.
class fDialog : public ui::Form {
  public:
    fDialog();
    ui::Label lblText{this, "lblText"};
    ui::CommandButton cmdOk{this, "cmdOk"};
};
