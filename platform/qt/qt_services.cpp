#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <memory>

#include "platform/core/event_loop.h"
#include "platform/qt/palette.h"
#include "platform/qt/renderer.h"
#include "platform/ui/headless.h"
#include "platform/ui/services.h"

namespace qtui {

namespace {

// Shows a dialog and waits in a nested platform loop until it finished or `abandon` says the
// answer came another way; the dialog is closed in that case.
bool waitFor(QDialog& dialog, const std::function<bool()>& abandon) {
    bool finished = false;
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&finished] { finished = true; });
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    platform::EventLoop::instance().runUntil([&] { return finished || abandon(); });
    if (!finished) dialog.hide();
    return finished;
}

QString boxText(int answer) {
    switch (answer) {
        case ui::vbOK:
            return QMessageBox::tr("OK");
        case ui::vbCancel:
            return QMessageBox::tr("Cancel");
        case ui::vbAbort:
            return QMessageBox::tr("&Abort");
        case ui::vbRetry:
            return QMessageBox::tr("&Retry");
        case ui::vbIgnore:
            return QMessageBox::tr("&Ignore");
        case ui::vbYes:
            return QMessageBox::tr("&Yes");
        default:
            return QMessageBox::tr("&No");
    }
}

class MessageBoxes : public ui::MessageBoxService {
  public:
    int show(const ui::MessageBoxRequest& r) override {
        if (ui::headless().pendingAnswers() > 0) return ui::headless().show(r);
        QMessageBox box(QApplication::activeWindow());
        box.setObjectName("msgBox");
        box.setWindowTitle(qs(r.title));
        box.setText(qs(r.text));
        box.setTextFormat(Qt::PlainText);
        switch (r.icon) {
            case ui::vbCritical:
                box.setIcon(QMessageBox::Critical);
                break;
            case ui::vbQuestion:
                box.setIcon(QMessageBox::Question);
                break;
            case ui::vbExclamation:
                box.setIcon(QMessageBox::Warning);
                break;
            case ui::vbInformation:
                box.setIcon(QMessageBox::Information);
                break;
            default:
                box.setIcon(QMessageBox::NoIcon);
                break;
        }
        const std::vector<int> answers = r.answers();
        std::vector<QPushButton*> buttons;
        for (int a : answers) {
            auto* b = box.addButton(boxText(a), QMessageBox::AcceptRole);
            b->setProperty("answer", a);
            buttons.push_back(b);
        }
        if (r.defaultButton >= 0 && r.defaultButton < int(buttons.size()))
            box.setDefaultButton(buttons[r.defaultButton]);
        // Escape answers Cancel where there is one, OK on a lone OK button.
        for (size_t i = 0; i < answers.size(); ++i)
            if (answers[i] == ui::vbCancel || (answers.size() == 1 && answers[i] == ui::vbOK))
                box.setEscapeButton(buttons[i]);
        const bool finished = waitFor(box, [] { return ui::headless().pendingAnswers() > 0; });
        if (!finished) return ui::headless().show(r);  // a script answered meanwhile
        if (auto* clicked = box.clickedButton(); clicked && clicked->property("answer").isValid())
            return clicked->property("answer").toInt();
        return r.defaultAnswer();  // closed without a button (window closed)
    }
};

// "Text (*.txt)|*.txt|All (*.*)|*.*" as Qt's name filters "Text (*.txt)", "All (*.*)".
QStringList nameFilters(const std::string& filter) {
    const QStringList parts = qs(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        const QString name = parts[i].trimmed();
        out << (name.endsWith("(" + patterns + ")") ? name : name + " (" + patterns + ")");
    }
    return out;
}

class FileDialogs : public ui::FileDialogService {
  public:
    ui::FileDialogResult show(const ui::FileDialogRequest& r) override {
        if (ui::headless().pendingFiles() > 0) return ui::headless().show(r);
        QFileDialog dialog(QApplication::activeWindow(), qs(r.title), qs(r.initDir));
        dialog.setObjectName("fileDialog");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const bool save = r.kind == ui::FileDialogKind::Save;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save || !(r.flags & ui::cdlOFNFileMustExist)
                               ? QFileDialog::AnyFile
                               : QFileDialog::ExistingFile);
        if (save && !(r.flags & ui::cdlOFNOverwritePrompt))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = nameFilters(r.filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            const int index = std::clamp(r.filterIndex, 1, int(filters.size())) - 1;
            dialog.selectNameFilter(filters[index]);
        }
        QString ext = qs(r.defaultExt);
        if (ext.startsWith('.')) ext.remove(0, 1);
        if (!ext.isEmpty()) dialog.setDefaultSuffix(ext);
        if (!r.fileName.empty()) dialog.selectFile(qs(r.fileName));
        const bool finished = waitFor(dialog, [] { return ui::headless().pendingFiles() > 0; });
        if (!finished) return ui::headless().show(r);
        ui::FileDialogResult result;
        if (dialog.result() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            result.cancelled = false;
            result.fileName = ss(dialog.selectedFiles().front());
        }
        return result;
    }
};

class PrinterDialogs : public ui::PrinterDialogService {
  public:
    ui::PrinterDialogResult show(const ui::PrinterDialogRequest& r) override {
        QPrinter printer;
        if (!r.printerName.empty()) printer.setPrinterName(qs(r.printerName));
        printer.setCopyCount(std::max(1, r.copies));
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        dialog.setObjectName("printDialog");
        ui::PrinterDialogResult result;
        if (!waitFor(dialog, [] { return false; })) return result;
        if (dialog.result() == QDialog::Accepted) {
            result.cancelled = false;
            result.printerName = ss(printer.printerName());
            result.copies = printer.copyCount();
        }
        return result;
    }
};

}  // namespace

void installQtServices() {
    ui::installMessageBoxService(std::make_shared<MessageBoxes>());
    ui::installFileDialogService(std::make_shared<FileDialogs>());
    ui::installPrinterDialogService(std::make_shared<PrinterDialogs>());
}

}  // namespace qtui
