#pragma once
// ArvLog: the log window of a device plug-in. A two-column list (entry text, time stamp) with
// an icon per entry (request, error, acknowledgement), the text of an entry in a message box on
// double-click, and the whole list written to a text file on request.
//
// Its parts on the host form (see hosted_control.h) are `lstLog`, `ImageList1` and
// `dlgSaveAs`; moving to another host keeps the entries and the remembered file name.

#include <memory>
#include <string>

#include "devctrls/hosted_control.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_view.h"

namespace devctrls {

class ArvLog : public HostedControl {
  public:
    static constexpr const char* kProgId = "WcxDevCtrs.ArvLog";

    // On its own surface form (the way the component system creates it).
    ArvLog();
    // On the host form, the picture box named `name`.
    explicit ArvLog(ui::Form& host, const std::string& name = "ArvLog1");
    ~ArvLog() override;
    ArvLog(const ArvLog&) = delete;
    ArvLog& operator=(const ArvLog&) = delete;

    // Programming interface.
    void Clear();
    void SaveLog();
    void SaveAsLog();
    void setLogCommand(const std::string& text);
    void setLogError(const std::string& text);
    void LogOk();

    // Writes the list to LogFileName; false when the name is empty or the file failed.
    bool SaveFile();
    const std::string& LogFileName() const { return logFileName_; }

    void move(int left, int top, int width, int height) override;
    void setContainer(ui::Form& host) override;
    ui::PictureBox& box() const override;
    ui::ListView& lstLog() const;
    ui::ImageList& imageList() const;
    int widthUnit() const { return unit_; }

    // Late binding: every member above by name.
    automation::Value invoke(std::string_view member, automation::Kind kind,
                             const automation::Value& args) override;
    static const automation::Members<ArvLog>& members();

  private:
    struct Parts;
    void build(ui::Form& host, const std::string& name);
    void addEntry(const std::string& text, const std::string& icon, const std::string& stamp);
    void resize();
    void lstLog_DblClick();

    std::unique_ptr<Parts> parts_;
    std::string logFileName_;
    int unit_ = 0;
};

// The column width unit of a list `listWidth` twips wide: the width less 280 twips in seven
// parts, rounded; 0 for a list narrower than 280 twips (no negative column widths).
int logWidthUnit(int listWidth);

}  // namespace devctrls
