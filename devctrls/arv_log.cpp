#include "devctrls/arv_log.h"

#include <cmath>
#include <exception>

#include "devctrls/c_registry.h"
#include "devctrls/log_file.h"
#include "platform/core/codepage.h"
#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "platform/ui/recovery.h"
#include "platform/ui/screen.h"
#include "platform/ui/services.h"

namespace devctrls {

namespace {
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr int kDesignedWidth = 4800;
constexpr int kDesignedHeight = 1800;

// The user's documents folder: the shell folder the platform records for the user, else the
// desktop's documents folder.
std::string documentsFolder() {
    std::string folder = CRegistry::GetKeyValue(platform::Hive::User, kShellFolders, "Personal");
    if (!folder.empty()) return platform::toNativePath(folder);
    return platform::documentsFolder().string();
}
}  // namespace

int logWidthUnit(int listWidth) {
    if (listWidth < 280) return 0;
    return static_cast<int>(std::lround((listWidth - 280) / 7.0));
}

struct ArvLog::Parts {
    Parts(ui::Form& host, const std::string& name)
        : box(&host, name),
          lstLog(&host, "lstLog"),
          ImageList1(&host, "ImageList1"),
          dlgSaveAs(&host, "dlgSaveAs") {
        box.setBorderStyle(0);
        lstLog.setContainer(box);
        ImageList1.setContainer(box);
        dlgSaveAs.setContainer(box);
    }
    ui::PictureBox box;
    ui::ListView lstLog;
    ui::ImageList ImageList1;
    ui::CommonDialog dlgSaveAs;
};

ArvLog::ArvLog() { build(makeSurface("ArvLog"), "ArvLog1"); }

ArvLog::ArvLog(ui::Form& host, const std::string& name) { build(host, name); }

ArvLog::~ArvLog() = default;

void ArvLog::build(ui::Form& host, const std::string& name) {
    parts_ = std::make_unique<Parts>(host, name);
    Parts& p = *parts_;
    p.ImageList1.setImageSize(16, 16);
    p.ImageList1.add("ERR", "devctrls:err");
    p.ImageList1.add("REQ", "devctrls:req");
    p.ImageList1.add("OK", "devctrls:ok");
    p.lstLog.setView(ui::lvwReport);
    p.lstLog.setSmallIcons(&p.ImageList1);
    p.lstLog.onDblClick = [this] { lstLog_DblClick(); };
    p.box.move(0, 0, kDesignedWidth, kDesignedHeight);
    p.lstLog.move(0, 0, kDesignedWidth, kDesignedHeight);

    unit_ = logWidthUnit(p.lstLog.width());
    p.lstLog.clearColumns();
    p.lstLog.addColumn("Value", "Value", 5 * unit_);
    p.lstLog.addColumn("TimeStamp", "TimeStamp", 2 * unit_);
    logFileName_.clear();
}

ui::PictureBox& ArvLog::box() const { return parts_->box; }
ui::ListView& ArvLog::lstLog() const { return parts_->lstLog; }
ui::ImageList& ArvLog::imageList() const { return parts_->ImageList1; }

void ArvLog::setContainer(ui::Form& host) {
    if (&host == &hostForm()) return;
    // The parts are rebuilt on the new host with the same size, entries and file name.
    std::unique_ptr<Parts> old = std::move(parts_);
    std::string fileName = logFileName_;
    build(host, old->box.name());
    move(old->box.left(), old->box.top(), old->box.width(), old->box.height());
    box().setVisible(old->box.visible());
    for (int i = 1; i <= old->lstLog.itemCount(); ++i) {
        const ui::ListItem& item = old->lstLog.item(i);
        int n = lstLog().addItem(item.text, item.key, item.smallIcon);
        if (!item.subItems.empty()) lstLog().setSubItem(n, 1, item.subItems[0]);
    }
    lstLog().setSelectedItem(old->lstLog.selectedItem());
    logFileName_ = fileName;
    old.reset();
    dropSurface();
}

void ArvLog::move(int left, int top, int width, int height) {
    bool resized = width != box().width() || height != box().height();
    box().move(left, top, width, height);
    if (resized) resize();
}

void ArvLog::resize() {
    ui::ListView& list = lstLog();
    list.move(0, 0, box().width(), box().height());
    unit_ = logWidthUnit(list.width());
    list.setColumnWidth(list.columnByKey("Value"), 5 * unit_);
    list.setColumnWidth(list.columnByKey("TimeStamp"), 2 * unit_);
}

void ArvLog::Clear() { lstLog().clearItems(); }

void ArvLog::addEntry(const std::string& text, const std::string& icon, const std::string& stamp) {
    ui::ListView& list = lstLog();
    int n = list.addItem(text, {}, icon);
    if (!stamp.empty()) list.setSubItem(n, 1, stamp);
    list.ensureVisible(n);
    list.setSelectedItem(n);
    // Painted now: the entry shows while the host's long operation is still running.
    list.refresh();
}

void ArvLog::setLogCommand(const std::string& text) {
    lstLog().setFocus();
    addEntry(text, "REQ", timeOfDay(localNow()));
}

void ArvLog::setLogError(const std::string& text) { addEntry(text, "ERR", {}); }

void ArvLog::LogOk() { addEntry("OK", "OK", {}); }

void ArvLog::lstLog_DblClick() {
    int selected = lstLog().selectedItem();
    if (selected == 0) return;  // nothing selected, nothing to read
    ui::msgBox(lstLog().item(selected).text, ui::vbInformation);
}

void ArvLog::SaveLog() {
    if (logFileName_.empty())
        SaveAsLog();
    else
        SaveFile();
}

void ArvLog::SaveAsLog() {
    try {
        ui::CommonDialog& dlg = parts_->dlgSaveAs;
        dlg.setInitDir(documentsFolder());
        dlg.setFlags(ui::cdlOFNHideReadOnly);
        dlg.setDefaultExt(".txt");
        dlg.setFilter("Text (*.txt)|*.txt");
        dlg.setFileName({});
        dlg.setCancelError(false);
        if (!dlg.showSave()) return;  // cancelled: nothing written, the name stays
        logFileName_ = dlg.fileName();
    } catch (const std::exception& e) {
        ui::msgBox(ui::asError(e).description, ui::vbCritical);
        return;
    }
    SaveFile();
}

bool ArvLog::SaveFile() {
    if (logFileName_.empty()) return false;
    ui::HourglassGuard busy;
    try {
        std::vector<LogLine> lines;
        const ui::ListView& list = lstLog();
        for (int i = 1; i <= list.itemCount(); ++i)
            lines.push_back({list.subItem(i, 1), list.item(i).text});
        std::string text = formatLogFile(lines, longDate(localNow()));
        // Replaces the file as a whole: never appended to, never left half written.
        platform::writeFileAtomically(logFileName_, platform::utf8ToCp1252(text));
    } catch (const std::exception& e) {
        ui::msgBox(ui::asError(e).description, ui::vbCritical, "Log SaveFile");
        return false;
    }
    return true;
}

automation::Value ArvLog::invoke(std::string_view member, automation::Kind kind,
                                 const automation::Value& args) {
    return members().invoke(*this, member, kind, args);
}

const automation::Members<ArvLog>& ArvLog::members() {
    static const automation::Members<ArvLog> table = [] {
        automation::Members<ArvLog> t(kProgId);
        t.method("Clear", &ArvLog::Clear)
            .method("SaveLog", &ArvLog::SaveLog)
            .method("SaveAsLog", &ArvLog::SaveAsLog)
            .method("LogOk", &ArvLog::LogOk)
            .writeOnly("LogCommand", &ArvLog::setLogCommand)
            .writeOnly("LogError", &ArvLog::setLogError);
        addPlacementMembers(t);
        return t;
    }();
    return table;
}

}  // namespace devctrls
