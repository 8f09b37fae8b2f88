#pragma once
// The headless toolkit: services that answer from queues and record everything they were asked,
// and the steps tests queue for modal forms.
//
//   ui::headless().answer(ui::vbRetry);             // the next message box answers Retry
//   ui::headless().answerFile("/tmp/a.par");        // the next file dialog chooses this file
//   ui::whenShown("Einlernen", [](ui::Form& f) { ui::click(f.control("Abbrechen")); });
//   ... run the code ...
//   EXPECT_EQ(ui::headless().boxes().at(0).request.text, "...");
//
// With nothing queued a message box takes its default button, a file dialog and a printer
// dialog are cancelled; each of these is recorded with `queued == false`. A queued message box
// answer that none of the box's buttons gives is not used: the default button answers and the
// record carries `rejected` with the queued answer (and the log says so).

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/services.h"

namespace ui {

class Form;

struct ShownMessageBox {
    MessageBoxRequest request;
    int answer;
    bool queued;       // answered from the queue (false: default button)
    int rejected = 0;  // a queued answer the box could not give
};

struct ShownFileDialog {
    FileDialogRequest request;
    FileDialogResult result;
    bool queued;
};

struct ShownPrinterDialog {
    PrinterDialogRequest request;
    PrinterDialogResult result;
    bool queued;
};

class Headless : public MessageBoxService, public FileDialogService, public PrinterDialogService {
  public:
    int show(const MessageBoxRequest& request) override;
    FileDialogResult show(const FileDialogRequest& request) override;
    PrinterDialogResult show(const PrinterDialogRequest& request) override;

    void answer(int answer);                   // vbOK ... vbNo for the next message box
    void answerFile(const std::string& path);  // the next file dialog chooses path
    void cancelFile();                         // the next file dialog is cancelled
    void answerPrinter(const std::string& printer, int copies = 1);
    void cancelPrinter();
    size_t pendingAnswers() const { return answers_.size(); }
    size_t pendingFiles() const { return files_.size(); }

    const std::vector<ShownMessageBox>& boxes() const { return boxes_; }
    const std::vector<ShownFileDialog>& fileDialogs() const { return fileDialogs_; }
    const std::vector<ShownPrinterDialog>& printerDialogs() const { return printerDialogs_; }

    // Steps for modal forms: when the nested loop of the modal form `formName` is idle, its
    // next queued step runs (one per idle turn).
    void whenShown(const std::string& formName, std::function<void(Form&)> step);
    size_t pendingSteps(const std::string& formName) const;
    bool runNextStep(Form& form);  // true when a step ran

    void clear();  // forgets queues, records and steps

  private:
    std::deque<int> answers_;
    std::deque<FileDialogResult> files_;
    std::deque<PrinterDialogResult> printers_;
    std::vector<ShownMessageBox> boxes_;
    std::vector<ShownFileDialog> fileDialogs_;
    std::vector<ShownPrinterDialog> printerDialogs_;
    std::map<std::string, std::deque<std::function<void(Form&)>>> steps_;
};

// The process-wide headless toolkit (always exists, installed unless another was installed).
Headless& headless();
void whenShown(const std::string& formName, std::function<void(Form&)> step);

// Clean state for a test: clears the headless queues and records, reinstalls the headless
// services and resets the screen. Use with platform::EventLoop::reset(true).
void resetToolkit();

}  // namespace ui
