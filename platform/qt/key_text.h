#pragma once
// Translation of Qt key presses into the key syntax of the model's input API.

#include <string>

class QKeyEvent;

namespace qtui {

// The keys of the event as ui::typeKeys() takes them ("a", "{ENTER}", "{{}" ...), or an empty
// string for a key the model has no syntax for (shortcuts with Ctrl or Alt, Shift with a
// navigation key, function keys other than F1); those stay with the widget.
std::string modelKeys(const QKeyEvent& event);

}  // namespace qtui
