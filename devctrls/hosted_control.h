#pragma once
// What the library's controls share about where they sit. A control's parts are controls of
// its host form inside a borderless picture box named like the control. Created by identifier
// a control has no host yet: it sits on a surface form of its own, which is its window, until
// the host puts `Container` (the host form's name) and the parts move there.
//
// Placement members by name: Container, Left, Top, Width, Height (twips) and Visible.

#include <array>
#include <memory>
#include <string>

#include "platform/automation/dispatch.h"
#include "platform/automation/members.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"

namespace devctrls {

class HostedControl : public automation::Dispatch {
  public:
    virtual ui::PictureBox& box() const = 0;
    // Places the control on the host form (twips); a change of size lays the parts out again.
    virtual void move(int left, int top, int width, int height) = 0;
    // Moves the parts to another host form, with the control's state.
    virtual void setContainer(ui::Form& host) = 0;

    ui::Form& hostForm() const { return box().form(); }
    bool onOwnSurface() const { return surface_ && &hostForm() == surface_.get(); }
    void setVisible(bool on);

  protected:
    // Creates the surface form for a control created without a host.
    ui::Form& makeSurface(const std::string& name);
    void dropSurface() { surface_.reset(); }

    template <class T>
    static void addPlacementMembers(automation::Members<T>& t);

  private:
    std::unique_ptr<ui::Form> surface_;
};

template <class T>
void HostedControl::addPlacementMembers(automation::Members<T>& t) {
    t.property(
        "Container", [](T& o) { return o.hostForm().name(); },
        [](T& o, std::string form) { o.setContainer(ui::findFormOrThrow(form)); });
    // Left, Top, Width, Height: one member per element of the control's rectangle.
    auto rect = [](const T& o) {
        const ui::PictureBox& b = o.box();
        return std::array<int, 4>{b.left(), b.top(), b.width(), b.height()};
    };
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (size_t i = 0; i < 4; ++i)
        t.property(
            names[i], [rect, i](T& o) { return rect(o)[i]; },
            [rect, i](T& o, int v) {
                auto r = rect(o);
                r[i] = v;
                o.move(r[0], r[1], r[2], r[3]);
            });
    t.property(
        "Visible", [](T& o) { return o.box().visible(); }, [](T& o, bool on) { o.setVisible(on); });
}

}  // namespace devctrls
