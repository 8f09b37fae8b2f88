#include "platform/ui/screen.h"

#include "platform/ui/observer.h"

namespace ui {

Form* activeFormOfScreen();  // form.cpp

Screen& screen() {
    static auto* s = new Screen;  // never destroyed (see the form registry)
    return *s;
}

void Screen::setSize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
}

void Screen::setMousePointer(int pointer) {
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    if (hasObservers())
        notify(Change{Change::Kind::MousePointer, nullptr, nullptr, "MousePointer", pointer});
}

Form* Screen::activeForm() const { return activeFormOfScreen(); }

void Screen::reset() {
    width_ = 1920 * 15;
    height_ = 1080 * 15;
    mousePointer_ = vbDefault;
}

HourglassGuard::HourglassGuard() : previous_(screen().mousePointer()) {
    screen().setMousePointer(vbHourglass);
}

HourglassGuard::~HourglassGuard() { screen().setMousePointer(previous_); }

}  // namespace ui
