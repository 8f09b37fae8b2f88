#include "platform/ui/headless.h"

#include "platform/core/log.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"

namespace ui {

Headless& headless() {
    static auto* h = new Headless;  // never destroyed (see the form registry)
    return *h;
}

int Headless::show(const MessageBoxRequest& request) {
    ShownMessageBox shown{request, request.defaultAnswer(), false};
    if (!answers_.empty()) {
        int a = answers_.front();
        answers_.pop_front();
        if (request.accepts(a)) {
            shown.answer = a;
            shown.queued = true;
        } else {
            shown.rejected = a;
            platform::logLine("ui", "queued message box answer " + std::to_string(a) +
                                        " does not fit the box \"" + request.text +
                                        "\"; it takes its default button");
        }
    }
    boxes_.push_back(shown);
    return shown.answer;
}

FileDialogResult Headless::show(const FileDialogRequest& request) {
    ShownFileDialog shown{request, FileDialogResult{}, false};
    if (!files_.empty()) {
        shown.result = files_.front();
        shown.queued = true;
        files_.pop_front();
    }
    fileDialogs_.push_back(shown);
    return shown.result;
}

PrinterDialogResult Headless::show(const PrinterDialogRequest& request) {
    ShownPrinterDialog shown{request, PrinterDialogResult{}, false};
    if (!printers_.empty()) {
        shown.result = printers_.front();
        shown.queued = true;
        printers_.pop_front();
    }
    printerDialogs_.push_back(shown);
    return shown.result;
}

void Headless::answer(int answer) { answers_.push_back(answer); }
void Headless::answerFile(const std::string& path) { files_.push_back({false, path}); }
void Headless::cancelFile() { files_.push_back({true, {}}); }
void Headless::answerPrinter(const std::string& printer, int copies) {
    printers_.push_back({false, printer, copies});
}
void Headless::cancelPrinter() { printers_.push_back({true, {}, 1}); }

void Headless::whenShown(const std::string& formName, std::function<void(Form&)> step) {
    steps_[formName].push_back(std::move(step));
}

size_t Headless::pendingSteps(const std::string& formName) const {
    auto it = steps_.find(formName);
    return it == steps_.end() ? 0 : it->second.size();
}

bool Headless::runNextStep(Form& form) {
    auto it = steps_.find(form.name());
    if (it == steps_.end() || it->second.empty()) return false;
    auto step = std::move(it->second.front());
    it->second.pop_front();
    step(form);
    return true;
}

void Headless::clear() {
    answers_.clear();
    files_.clear();
    printers_.clear();
    boxes_.clear();
    fileDialogs_.clear();
    printerDialogs_.clear();
    steps_.clear();
}

void whenShown(const std::string& formName, std::function<void(Form&)> step) {
    headless().whenShown(formName, std::move(step));
}

void resetToolkit() {
    headless().clear();
    installMessageBoxService(nullptr);
    installFileDialogService(nullptr);
    installPrinterDialogService(nullptr);
    screen().reset();
}

}  // namespace ui
