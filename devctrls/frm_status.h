#pragma once
// frmStatus: the status flags of a functional block, one row with a lamp per flag.

#include <memory>

#include "devctrls/unifex_status.h"
#include "devctrls/viewer_form.h"

namespace devctrls {

class frmStatus : public ViewerForm {
  public:
    frmStatus();

    ui::ListView& lstStatus = list();
    ui::ImageList ImageList1{this, "ImageList1"};

    // Shows the status and refreshes it every five seconds; true when the window may be shown.
    bool ParseStatus(std::shared_ptr<ObjectStatus> status);
    bool RepeatParseStatus();

    // The row names, in row order (row r shows flag r - 1).
    static const char* const kRowNames[23];

  private:
    void Form_Load();
    std::shared_ptr<ObjectStatus> status_;
};

}  // namespace devctrls
