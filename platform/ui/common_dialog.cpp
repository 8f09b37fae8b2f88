#include "platform/ui/common_dialog.h"

#include <filesystem>

#include "platform/ui/props.h"

namespace ui {

CommonDialog::CommonDialog(Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {
    setVisible(false);
}

std::string CommonDialog::fileTitle() const {
    return std::filesystem::path(request_.fileName).filename().string();
}

bool CommonDialog::cancelled() {
    if (cancelError_) raiseUi(uierr::kCancel, "Cancel was selected.");
    return false;
}

bool CommonDialog::showFile(FileDialogKind kind) {
    FileDialogRequest request = request_;
    request.kind = kind;
    FileDialogResult result = showFileDialog(request);
    if (result.cancelled) return cancelled();
    request_.fileName = result.fileName;
    changed("FileName", request_.fileName);
    return true;
}

bool CommonDialog::showOpen() { return showFile(FileDialogKind::Open); }
bool CommonDialog::showSave() { return showFile(FileDialogKind::Save); }

bool CommonDialog::showPrinter() {
    PrinterDialogRequest request;
    request.flags = request_.flags;
    request.copies = copies_;
    request.printerName = printer_;
    PrinterDialogResult result = showPrinterDialog(request);
    if (result.cancelled) return cancelled();
    printer_ = result.printerName;
    copies_ = result.copies;
    return true;
}

bool CommonDialog::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "DialogTitle"))
        out = request_.title;
    else if (iequals(n, "Filter"))
        out = request_.filter;
    else if (iequals(n, "FilterIndex"))
        out = request_.filterIndex;
    else if (iequals(n, "InitDir"))
        out = request_.initDir;
    else if (iequals(n, "DefaultExt"))
        out = request_.defaultExt;
    else if (iequals(n, "FileName"))
        out = request_.fileName;
    else if (iequals(n, "FileTitle"))
        out = fileTitle();
    else if (iequals(n, "Flags"))
        out = request_.flags;
    else if (iequals(n, "CancelError"))
        out = cancelError_;
    else if (iequals(n, "Copies"))
        out = copies_;
    else if (iequals(n, "PrinterName"))
        out = printer_;
    else
        return Control::getProperty(n, out);
    return true;
}

bool CommonDialog::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "DialogTitle"))
        setDialogTitle(asString(v));
    else if (iequals(n, "Filter"))
        setFilter(asString(v));
    else if (iequals(n, "FilterIndex"))
        setFilterIndex(asInt(v));
    else if (iequals(n, "InitDir"))
        setInitDir(asString(v));
    else if (iequals(n, "DefaultExt"))
        setDefaultExt(asString(v));
    else if (iequals(n, "FileName"))
        setFileName(asString(v));
    else if (iequals(n, "Flags"))
        setFlags(asInt(v));
    else if (iequals(n, "CancelError"))
        setCancelError(asBool(v));
    else
        return Control::setProperty(n, v);
    return true;
}

std::vector<std::string> CommonDialog::propertyNames() const {
    return {"Name",        "Index",      "DialogTitle", "Filter",    "FilterIndex",
            "InitDir",     "DefaultExt", "FileName",    "FileTitle", "Flags",
            "CancelError", "Copies",     "PrinterName", "Tag"};
}

}  // namespace ui
