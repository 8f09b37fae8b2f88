#include "platform/ui/common_dialog.h"

#include <filesystem>

#include "platform/ui/props.h"

namespace ui {

CommonDialog::CommonDialog(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
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

const PropertyTable<CommonDialog>& CommonDialog::propertyTable() {
    using C = CommonDialog;
    // The dialog is never shown: it lists none of the geometry, colours and fonts.
    static const auto table =
        PropertyTable<C>()
            .add("DialogTitle", &C::dialogTitle, &C::setDialogTitle)
            .add("Filter", &C::filter, &C::setFilter)
            .add("FilterIndex", &C::filterIndex, &C::setFilterIndex)
            .add("InitDir", &C::initDir, &C::setInitDir)
            .add("DefaultExt", &C::defaultExt, &C::setDefaultExt)
            .add("FileName", &C::fileName, &C::setFileName)
            .add("FileTitle", &C::fileTitle)
            .add("Flags", &C::flags, &C::setFlags)
            .add("CancelError", &C::cancelError, &C::setCancelError)
            .add("Copies", &C::copies)
            .add("PrinterName", &C::printerName)
            .listOnly({"Name", "Index", "DialogTitle", "Filter", "FilterIndex", "InitDir",
                       "DefaultExt", "FileName", "FileTitle", "Flags", "CancelError", "Copies",
                       "PrinterName", "Tag"});
    return table;
}

}  // namespace ui
