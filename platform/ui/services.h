#pragma once
// Services of the toolkit behind interfaces: message boxes, file open/save dialogs and the
// printer-selection dialog. The headless implementation (headless.h) is installed by default;
// a renderer installs its own with the install functions.
//
// Message boxes follow VB's numbering: the style is buttons + icon + default button, the
// answer is vbOK (1) ... vbNo (7).

#include <memory>
#include <string>
#include <vector>

namespace ui {

inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbAbortRetryIgnore = 2;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbRetryCancel = 5;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0;
inline constexpr int vbDefaultButton2 = 256;
inline constexpr int vbDefaultButton3 = 512;

inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbAbort = 3;
inline constexpr int vbRetry = 4;
inline constexpr int vbIgnore = 5;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

struct MessageBoxRequest {
    std::string text;
    std::string title;
    int buttons = vbOKOnly;  // vbOKOnly ... vbRetryCancel
    int icon = 0;            // 0, vbCritical, vbQuestion, vbExclamation, vbInformation
    int defaultButton = 0;   // 0, 1 or 2: position of the default button

    static MessageBoxRequest fromStyle(std::string text, int style, std::string title);
    std::vector<int> answers() const;  // the answers of the buttons, left to right
    int defaultAnswer() const;
    bool accepts(int answer) const;
};

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual int show(const MessageBoxRequest& request) = 0;
};

// Shows a message box through the installed service and returns the answer.
int msgBox(const std::string& text, int style = vbOKOnly, const std::string& title = {});
int msgBox(const MessageBoxRequest& request);

enum class FileDialogKind { Open, Save };

// Flags of the file dialogs (as the common dialog numbers them).
inline constexpr int cdlOFNReadOnly = 0x1;
inline constexpr int cdlOFNOverwritePrompt = 0x2;
inline constexpr int cdlOFNHideReadOnly = 0x4;
inline constexpr int cdlOFNPathMustExist = 0x800;
inline constexpr int cdlOFNFileMustExist = 0x1000;

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::string filter;  // "Text (*.txt)|*.txt|All files (*.*)|*.*"
    int filterIndex = 1;
    std::string initDir;
    std::string defaultExt;  // "txt" or ".txt"
    std::string fileName;
    int flags = 0;
};

struct FileDialogResult {
    bool cancelled = true;
    std::string fileName;  // full path as chosen
};

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;
    virtual FileDialogResult show(const FileDialogRequest& request) = 0;
};

struct PrinterDialogRequest {
    int flags = 0;
    int copies = 1;
    std::string printerName;  // the current printer
};

struct PrinterDialogResult {
    bool cancelled = true;
    std::string printerName;
    int copies = 1;
};

class PrinterDialogService {
  public:
    virtual ~PrinterDialogService() = default;
    virtual PrinterDialogResult show(const PrinterDialogRequest& request) = 0;
};

// The installed services; nullptr reinstalls the headless ones.
MessageBoxService& messageBoxService();
FileDialogService& fileDialogService();
PrinterDialogService& printerDialogService();
void installMessageBoxService(std::shared_ptr<MessageBoxService> service);
void installFileDialogService(std::shared_ptr<FileDialogService> service);
void installPrinterDialogService(std::shared_ptr<PrinterDialogService> service);

// File dialogs through the installed service; the default extension is added to a chosen
// name without an extension.
FileDialogResult showFileDialog(const FileDialogRequest& request);
PrinterDialogResult showPrinterDialog(const PrinterDialogRequest& request);

}  // namespace ui
