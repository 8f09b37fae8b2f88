#pragma once
// UpDown: a spinner with an up and a down button.
//
// A press of the mouse on the upper half of the spinner (y < Height / 2) raises MouseDown and
// then UpClick at once, on the lower half DownClick; the spinner does not repeat by itself, the
// form does that with a Timer while the button is held. Value steps by Increment within Min..Max
// (or wraps when Wrap is set) and raises Change when it changes.

#include <string>

#include "platform/ui/property_table.h"

namespace ui {

class UpDown : public WithProperties<UpDown> {
  public:
    UpDown(Form* form, std::string name, int index = -1);
    static const PropertyTable<UpDown>& propertyTable();
    const char* kind() const override { return "UpDown"; }
    bool canFocus() const override { return true; }

    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    int increment() const { return increment_; }
    bool wrap() const { return wrap_; }
    void setMin(int v);
    void setMax(int v);
    void setValue(int v);  // clamped to Min..Max
    void setIncrement(int v);
    void setWrap(bool v);
    // Name of the control the spinner steps (informational; the form does the stepping).
    const std::string& buddyControl() const { return buddy_; }
    void setBuddyControl(const std::string& name);

    std::function<void()> onUpClick;
    std::function<void()> onDownClick;
    std::function<void()> onChange;

    // A click on one of the buttons (the same as a press of the mouse there, then release).
    void up();
    void down();

    void userClick() override;  // the upper button
    void userKeyDown(int& keyCode, int shift) override;
    void userMouseDown(int button, int shift, double x, double y) override;

  private:
    int min_ = 0, max_ = 10, value_ = 0, increment_ = 1;
    bool wrap_ = false;
    std::string buddy_;
};

}  // namespace ui
