#pragma once
// What the library's controls share about where they sit. A control's parts are controls of
// its host form inside a borderless picture box named like the control. Created by identifier
// a control has no host yet: it sits on a surface form of its own, which is its window, until
// the host puts `Container` (the host form's name) and the parts move there.
//
// Placement members by name: Container, Left, Top, Width, Height (twips) and Visible.

#include <cmath>
#include <memory>
#include <string>

#include "devctrls/members.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"

namespace devctrls {

class HostedControl : public Object {
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
    static void addPlacementMembers(MemberTable<T>& t);

  private:
    std::unique_ptr<ui::Form> surface_;
};

template <class T>
void HostedControl::addPlacementMembers(MemberTable<T>& t) {
    const std::string c = t.className();
    t.put("Container", [c](T& o, const Value& a) {
         o.setContainer(ui::findFormOrThrow(textArg(a, 0, c, "Container")));
         return Value();
     }).get("Container", [](T& o, const Value&) { return Value(o.hostForm().name()); });
    struct Geometry {
        const char* name;
        int index;
    };
    for (Geometry g :
         {Geometry{"Left", 0}, Geometry{"Top", 1}, Geometry{"Width", 2}, Geometry{"Height", 3}}) {
        t.get(g.name, [g](T& o, const Value&) {
            const ui::PictureBox& b = o.box();
            int v[4] = {b.left(), b.top(), b.width(), b.height()};
            return Value(v[g.index]);
        });
        t.put(g.name, [g, c](T& o, const Value& a) {
            const ui::PictureBox& b = o.box();
            int v[4] = {b.left(), b.top(), b.width(), b.height()};
            v[g.index] = static_cast<int>(std::lround(numberArg(a, 0, c, g.name)));
            o.move(v[0], v[1], v[2], v[3]);
            return Value();
        });
    }
    t.get("Visible", [](T& o, const Value&) {
         return Value(o.box().visible());
     }).put("Visible", [c](T& o, const Value& a) {
        o.setVisible(boolArg(a, 0, c, "Visible"));
        return Value();
    });
}

}  // namespace devctrls
