#pragma once
// What the status and the alarm viewer share: a window with one report list, refreshed every
// five seconds by its timer after the first parse, closed by Escape (in the window or its
// list); closing stops the timer. A failed refresh shows the error's description, a line break
// and the routine's name in a critical message box.

#include <functional>
#include <string>

#include "platform/ui/form.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_view.h"
#include "platform/ui/timer.h"

namespace devctrls {

inline constexpr int kRefreshMs = 5000;

class ViewerForm : public ui::Form {
  public:
    ViewerForm(const std::string& name, const std::string& caption, const std::string& listName);

    ui::ListView& list() { return list_; }
    ui::Timer Timer1{this, "Timer1"};

  protected:
    // The list covers the window's inner area (call after the window has its size).
    void fillWithList() { list_.move(0, 0, scaleWidth(), scaleHeight()); }
    // Runs `refresh`; on a failure shows the box naming `routine` and returns false.
    bool guarded(const char* routine, const std::function<void()>& refresh);
    // Remembers nothing itself: runs the first refresh and starts the timer whatever it gave.
    bool firstParse(const std::function<bool()>& repeat);

  private:
    ui::ListView list_;
    std::function<bool()> repeat_;
};

}  // namespace devctrls
