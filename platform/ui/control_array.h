#pragma once
// ControlArray<T>: controls of one name addressed by sparse indices (txtnci(0..97),
// lbl_sensorID(22 + 9c) ...).
//
//   ui::ControlArray<ui::TextBox> txtnci{this, "txtnci"};
//   for (int r = 0; r <= 97; ++r) txtnci.load(r);        // create the elements
//   txtnci.on(&ui::TextBox::onKeyPress, [this](int index, int& keyAscii) {
//       txtnci_KeyPress(index, keyAscii);
//   });
//   txtnci[5].setText("21,5");
//
// on() wires an event of every element, present and future, to one handler that receives the
// element's index first. A missing index raises platform::Error 340 "Control array element
// does not exist"; loading an index twice raises Error 360 "Object already loaded".

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace ui {

class ControlArrayBase {
  public:
    ControlArrayBase(const ControlArrayBase&) = delete;
    ControlArrayBase& operator=(const ControlArrayBase&) = delete;
    const std::string& name() const { return name_; }
    Form& form() const { return *form_; }
    virtual Control* element(int index) const = 0;  // nullptr when missing
    virtual std::vector<int> indices() const = 0;

  protected:
    ControlArrayBase(Form* form, std::string name);
    virtual ~ControlArrayBase();
    [[noreturn]] void missing(int index) const;
    [[noreturn]] void alreadyLoaded(int index) const;
    static void copyDesign(const Control& from, Control& to);

  private:
    Form* form_;
    std::string name_;
};

template <class T>
class ControlArray : public ControlArrayBase {
  public:
    ControlArray(Form* form, std::string name) : ControlArrayBase(form, std::move(name)) {}
    ~ControlArray() override {
        // Elements go before the array leaves the form's registry.
        elements_.clear();
    }

    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }
    T& at(int index) {
        auto it = elements_.find(index);
        if (it == elements_.end()) missing(index);
        return *it->second;
    }
    const T& at(int index) const {
        auto it = elements_.find(index);
        if (it == elements_.end()) missing(index);
        return *it->second;
    }
    bool exists(int index) const { return elements_.count(index) != 0; }

    // Creates the element `index` in its default state and wires the array's events to it.
    T& load(int index) {
        if (exists(index)) alreadyLoaded(index);
        auto element = std::make_unique<T>(&form(), name(), index);
        T& ref = *element;
        elements_.emplace(index, std::move(element));
        for (auto& wire : wiring_) wire(ref);
        return ref;
    }
    // Creates the element `index` like the lowest existing element, as the toolkit's Load does:
    // its settings are copied except Index, TabIndex and Visible (a new element starts hidden,
    // a menu item visible), and the array's events are wired; no event runs while copying.
    T& loadLike(int index) {
        if (elements_.empty()) return load(index);
        if (exists(index)) alreadyLoaded(index);
        const T& model = *elements_.begin()->second;
        auto element = std::make_unique<T>(&form(), name(), index);
        T& ref = *element;
        copyDesign(model, ref);
        elements_.emplace(index, std::move(element));
        for (auto& wire : wiring_) wire(ref);
        return ref;
    }
    // Creates every index of first..last that does not exist yet.
    void loadRange(int first, int last) {
        for (int i = first; i <= last; ++i)
            if (!exists(i)) load(i);
    }
    void unload(int index) {
        if (!exists(index)) missing(index);
        elements_.erase(index);
    }

    int count() const { return static_cast<int>(elements_.size()); }
    int lBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int uBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

    Control* element(int index) const override {
        auto it = elements_.find(index);
        return it == elements_.end() ? nullptr : it->second.get();
    }
    std::vector<int> indices() const override {
        std::vector<int> out;
        for (const auto& [i, e] : elements_) out.push_back(i);
        return out;
    }
    // Calls fn(index, element) for every element in index order.
    template <class F>
    void forEach(F fn) {
        for (auto& [i, e] : elements_) fn(i, *e);
    }

    // Wires `event` (a std::function member of the element's class) of every element to
    // handler(index, args...).
    template <class C, class... A, class F>
    void on(std::function<void(A...)> C::*event, F handler) {
        static_assert(std::is_base_of_v<C, T>, "the event is no member of the element type");
        auto wire = [event, handler](T& element) {
            int index = element.index();
            static_cast<C&>(element).*
                event = [handler, index](A... args) { handler(index, std::forward<A>(args)...); };
        };
        for (auto& [i, e] : elements_) wire(*e);
        wiring_.push_back(wire);
    }

  private:
    std::map<int, std::unique_ptr<T>> elements_;
    std::vector<std::function<void(T&)>> wiring_;
};

}  // namespace ui
