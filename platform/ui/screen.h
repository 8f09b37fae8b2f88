#pragma once
// Screen: the size of the screen in twips, twips per pixel (15, i.e. 96 dpi), the mouse pointer
// and the active form. HourglassGuard shows the busy pointer for its lifetime.

#include "platform/ui/value.h"

namespace ui {

class Form;

inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbHourglass = 11;

class Screen {
  public:
    int width() const { return width_; }    // twips
    int height() const { return height_; }  // twips
    int twipsPerPixelX() const { return 15; }
    int twipsPerPixelY() const { return 15; }
    void setSize(int widthTwips, int heightTwips);  // the renderer reports the real screen

    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);  // notifies observers

    // The visible form that was shown or activated last (nullptr when none).
    Form* activeForm() const;

    void reset();  // default size (1920 x 1080 pixels) and pointer

  private:
    int width_ = 1920 * 15;
    int height_ = 1080 * 15;
    int mousePointer_ = vbDefault;
};

Screen& screen();

// Sets the hourglass pointer; the destructor restores the pointer that was set before, so the
// normal pointer comes back on every way out of the guarded routine (returns and exceptions).
class HourglassGuard {
  public:
    HourglassGuard();
    ~HourglassGuard();
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;

  private:
    int previous_;
};

}  // namespace ui
