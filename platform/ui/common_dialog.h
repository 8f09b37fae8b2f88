#pragma once
// CommonDialog: the file open/save and printer dialog as a (never visible) control of a form,
// with the dialog's properties. showOpen()/showSave()/showPrinter() ask the installed service
// (services.h) and return false when the user cancelled; with CancelError set, a cancel raises
// Error 32755 "Cancel was selected." instead, as the toolkit it models does.

#include <string>

#include "platform/ui/property_table.h"
#include "platform/ui/services.h"

namespace ui {

class CommonDialog : public WithProperties<CommonDialog> {
  public:
    CommonDialog(Form* form, std::string name, int index = -1);
    static const PropertyTable<CommonDialog>& propertyTable();
    const char* kind() const override { return "CommonDialog"; }

    const std::string& dialogTitle() const { return request_.title; }
    void setDialogTitle(const std::string& v) { request_.title = v; }
    const std::string& filter() const { return request_.filter; }
    void setFilter(const std::string& v) { request_.filter = v; }
    int filterIndex() const { return request_.filterIndex; }
    void setFilterIndex(int v) { request_.filterIndex = v; }
    const std::string& initDir() const { return request_.initDir; }
    void setInitDir(const std::string& v) { request_.initDir = v; }
    const std::string& defaultExt() const { return request_.defaultExt; }
    void setDefaultExt(const std::string& v) { request_.defaultExt = v; }
    const std::string& fileName() const { return request_.fileName; }
    void setFileName(const std::string& v) { request_.fileName = v; }
    std::string fileTitle() const;  // the file name without its folder
    int flags() const { return request_.flags; }
    void setFlags(int v) { request_.flags = v; }
    bool cancelError() const { return cancelError_; }
    void setCancelError(bool v) { cancelError_ = v; }
    int copies() const { return copies_; }
    const std::string& printerName() const { return printer_; }

    bool showOpen();
    bool showSave();
    bool showPrinter();

  private:
    bool showFile(FileDialogKind kind);
    bool cancelled();
    FileDialogRequest request_;
    bool cancelError_ = false;
    int copies_ = 1;
    std::string printer_;
};

}  // namespace ui
