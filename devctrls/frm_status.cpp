#include "devctrls/frm_status.h"

namespace devctrls {

const char* const frmStatus::kRowNames[23] = {
    "invalid id",       "invalid request",       "disabled",
    "out of limits",    "open circuit",          "out of service",
    "mechanical fault", "feedback failure",      "over range",
    "under range",      "electrical fault",      "unable to measure",
    "comm failure",     "fail self test",        "self test in progress",
    "locked out",       "manual control",        "in alarm",
    "in override",      "report mask",           "programming mode",
    "programming fail", "alarm notify disabled",
};

frmStatus::frmStatus() : ViewerForm("frmStatus", "Unifex Status", "lstStatus") {
    move(0, 0, 3300, 7200);  // all 23 rows without scrolling
    fillWithList();
    ImageList1.add("LEDON", "devctrls:ledon");
    ImageList1.add("LEDOFF", "devctrls:ledoff");
    lstStatus.setSmallIcons(&ImageList1);
    onLoad = [this] { Form_Load(); };
}

void frmStatus::Form_Load() {
    lstStatus.clearColumns();
    lstStatus.addColumn("Status", "Status", lstStatus.width() - 90);
    for (const char* row : kRowNames) lstStatus.addItem(row, row, "LEDOFF");
}

bool frmStatus::ParseStatus(std::shared_ptr<ObjectStatus> status) {
    load();
    status_ = std::move(status);
    return firstParse([this] { return RepeatParseStatus(); });
}

bool frmStatus::RepeatParseStatus() {
    return guarded("RepeatParseStatus", [this] {
        StatusFlags flags = status_->read();
        for (int row = 1; row <= lstStatus.itemCount(); ++row)
            lstStatus.setItemIcon(row, flags.flags[row - 1] ? "LEDON" : "LEDOFF");
    });
}

}  // namespace devctrls
