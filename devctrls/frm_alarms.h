#pragma once
// frmAlarms: the fields of a functional block's alarm, with the alarm type and the priority
// level as texts.

#include <memory>

#include "devctrls/unifex_status.h"
#include "devctrls/viewer_form.h"

namespace devctrls {

class frmAlarms : public ViewerForm {
  public:
    frmAlarms();

    ui::ListView& lstAlarms = list();

    // Shows the alarm and refreshes it every five seconds; true when the window may be shown.
    bool ParseAlarm(std::shared_ptr<ObjectAlarm> alarm);
    bool RepeatParseAlarm();

  private:
    void Form_Load();
    std::shared_ptr<ObjectAlarm> alarm_;
};

// The first column's width of an alarm list `listWidth` twips wide (the second is twice it).
int alarmColumnUnit(int listWidth);

}  // namespace devctrls
