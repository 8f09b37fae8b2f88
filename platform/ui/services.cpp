#include "platform/ui/services.h"

#include <filesystem>

#include "platform/ui/headless.h"
#include "platform/ui/observer.h"

namespace ui {
namespace {
// The headless toolkit is owned here and handed out as a shared_ptr without ownership, so
// that reinstalling it never destroys it.
template <class S>
std::shared_ptr<S> headlessAs() {
    return std::shared_ptr<S>(std::shared_ptr<S>{}, static_cast<S*>(&headless()));
}

struct Installed {
    std::shared_ptr<MessageBoxService> boxes = headlessAs<MessageBoxService>();
    std::shared_ptr<FileDialogService> files = headlessAs<FileDialogService>();
    std::shared_ptr<PrinterDialogService> printers = headlessAs<PrinterDialogService>();
};
Installed& installed() {
    static auto* i = new Installed;  // never destroyed (see the form registry)
    return *i;
}
}  // namespace

MessageBoxRequest MessageBoxRequest::fromStyle(std::string text, int style, std::string title) {
    MessageBoxRequest r;
    r.text = std::move(text);
    r.title = std::move(title);
    r.buttons = style & 0x7;
    r.icon = style & 0x70;
    r.defaultButton = (style & 0x300) >> 8;
    return r;
}

std::vector<int> MessageBoxRequest::answers() const {
    switch (buttons) {
        case vbOKCancel:
            return {vbOK, vbCancel};
        case vbAbortRetryIgnore:
            return {vbAbort, vbRetry, vbIgnore};
        case vbYesNoCancel:
            return {vbYes, vbNo, vbCancel};
        case vbYesNo:
            return {vbYes, vbNo};
        case vbRetryCancel:
            return {vbRetry, vbCancel};
        default:
            return {vbOK};
    }
}

int MessageBoxRequest::defaultAnswer() const {
    auto a = answers();
    size_t i = defaultButton >= 0 && static_cast<size_t>(defaultButton) < a.size()
                   ? static_cast<size_t>(defaultButton)
                   : 0;
    return a[i];
}

bool MessageBoxRequest::accepts(int answer) const {
    for (int a : answers())
        if (a == answer) return true;
    return false;
}

MessageBoxService& messageBoxService() { return *installed().boxes; }
FileDialogService& fileDialogService() { return *installed().files; }
PrinterDialogService& printerDialogService() { return *installed().printers; }

void installMessageBoxService(std::shared_ptr<MessageBoxService> service) {
    installed().boxes = service ? std::move(service) : headlessAs<MessageBoxService>();
}
void installFileDialogService(std::shared_ptr<FileDialogService> service) {
    installed().files = service ? std::move(service) : headlessAs<FileDialogService>();
}
void installPrinterDialogService(std::shared_ptr<PrinterDialogService> service) {
    installed().printers = service ? std::move(service) : headlessAs<PrinterDialogService>();
}

int msgBox(const MessageBoxRequest& request) {
    if (hasObservers())
        notify(Change{Change::Kind::MessageBox,
                      nullptr,
                      nullptr,
                      {},
                      Value{{"text", request.text},
                            {"title", request.title},
                            {"buttons", request.buttons},
                            {"icon", request.icon},
                            {"defaultButton", request.defaultButton}}});
    return messageBoxService().show(request);
}

int msgBox(const std::string& text, int style, const std::string& title) {
    return msgBox(MessageBoxRequest::fromStyle(text, style, title));
}

FileDialogResult showFileDialog(const FileDialogRequest& request) {
    if (hasObservers())
        notify(Change{Change::Kind::FileDialog,
                      nullptr,
                      nullptr,
                      {},
                      Value{{"kind", request.kind == FileDialogKind::Open ? "open" : "save"},
                            {"title", request.title},
                            {"filter", request.filter},
                            {"initDir", request.initDir},
                            {"defaultExt", request.defaultExt},
                            {"fileName", request.fileName},
                            {"flags", request.flags}}});
    FileDialogResult result = fileDialogService().show(request);
    if (!result.cancelled && !request.defaultExt.empty() &&
        !std::filesystem::path(result.fileName).has_extension()) {
        std::string ext = request.defaultExt;
        if (ext.front() != '.') ext.insert(ext.begin(), '.');
        result.fileName += ext;
    }
    return result;
}

PrinterDialogResult showPrinterDialog(const PrinterDialogRequest& request) {
    if (hasObservers())
        notify(Change{Change::Kind::PrinterDialog,
                      nullptr,
                      nullptr,
                      {},
                      Value{{"flags", request.flags}, {"copies", request.copies}}});
    return printerDialogService().show(request);
}

}  // namespace ui
