#include "platform/ui/up_down.h"

#include <algorithm>

#include "platform/ui/props.h"

namespace ui {

UpDown::UpDown(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
    setWidth(255);
    setHeight(375);
}

void UpDown::setMin(int v) {
    assign(min_, v, "Min");
    if (value_ < std::min(min_, max_)) setValue(value_);
}
void UpDown::setMax(int v) {
    assign(max_, v, "Max");
    if (value_ > std::max(min_, max_)) setValue(value_);
}
void UpDown::setValue(int v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (v == value_) return;
    value_ = v;
    changed("Value", v);
    raise(onChange);
}
void UpDown::setIncrement(int v) { assign(increment_, v, "Increment"); }
void UpDown::setWrap(bool v) { assign(wrap_, v, "Wrap"); }
void UpDown::setBuddyControl(const std::string& name) { assign(buddy_, name, "BuddyControl"); }

void UpDown::up() {
    int next = value_ + increment_;
    if (next > max_) next = wrap_ ? min_ : max_;
    setValue(next);
    raise(onUpClick);
}

void UpDown::down() {
    int next = value_ - increment_;
    if (next < min_) next = wrap_ ? max_ : min_;
    setValue(next);
    raise(onDownClick);
}

void UpDown::userClick() { up(); }

void UpDown::userKeyDown(int& keyCode, int) {
    if (keyCode == vbKeyUp)
        up();
    else if (keyCode == vbKeyDown)
        down();
}

void UpDown::userMouseDown(int button, int shift, double x, double y) {
    Control::userMouseDown(button, shift, x, y);
    if (button != vbLeftButton) return;
    if (y < height() / 2.0)
        up();
    else
        down();
}

const PropertyTable<UpDown>& UpDown::propertyTable() {
    using C = UpDown;
    static const auto table = PropertyTable<C>()
                                  .add("Min", &C::min, &C::setMin)
                                  .add("Max", &C::max, &C::setMax)
                                  .add("Value", &C::value, &C::setValue)
                                  .add("Increment", &C::increment, &C::setIncrement)
                                  .add("Wrap", &C::wrap, &C::setWrap)
                                  .add("BuddyControl", &C::buddyControl, &C::setBuddyControl);
    return table;
}

}  // namespace ui
