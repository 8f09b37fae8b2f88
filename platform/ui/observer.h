#pragma once
// Change notifications of the form model, so that a renderer (the Qt adapter) can mirror it.
//
// Every property change of a control or form is reported, and so are the creation and
// destruction of controls, forms being loaded, shown, hidden and unloaded, and every message box
// or file dialog requested. Values are only built when someone observes (see hasObservers()).
// The controls a form is constructed with are announced with the form (FormCreated, then walk
// Form::controls()); ControlCreated reports every control created later (control array elements,
// parts a library adds to a host form) from the control's base constructor, before its own
// class is complete: observers look at it at its first property change or later. A ListView
// reports added rows one by one ("ListItems.Add" with {index, item}), other collections
// ("List", "Panels", "Nodes", "Tabs" ...) as the whole new collection.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/value.h"

namespace ui {

class Form;
class Control;

struct Change {
    enum class Kind {
        ControlCreated,
        ControlDestroyed,
        Property,  // property = name ("Text", "ListIndex", "ListItems" ...), value = new value
        FormCreated,
        FormDestroyed,
        FormLoaded,
        FormShown,  // value = {"modal": bool}
        FormHidden,
        FormUnloaded,
        MessageBox,  // value = {"text","title","buttons","icon","defaultButton"}
        FileDialog,  // value = {"kind","title","filter","initDir","defaultExt","fileName","flags"}
        PrinterDialog,
        PopupMenu,     // control = the menu, value = {"x","y"}
        MousePointer,  // value = the new Screen.MousePointer
    };
    Kind kind;
    Form* form = nullptr;        // the form concerned (nullptr for screen and services)
    Control* control = nullptr;  // the control concerned (nullptr for form-level changes)
    std::string property;
    Value value;
};

using ObserverId = uint64_t;
ObserverId addObserver(std::function<void(const Change&)> fn);
void removeObserver(ObserverId id);
bool hasObservers();

// Sends a change to every observer (used by the model itself).
void notify(const Change& change);

}  // namespace ui
