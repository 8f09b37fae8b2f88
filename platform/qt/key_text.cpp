#include "platform/qt/key_text.h"

#include <QKeyEvent>

namespace qtui {

std::string modelKeys(const QKeyEvent& e) {
    const auto mods = e.modifiers() & ~Qt::KeypadModifier;
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    const bool shift = mods & Qt::ShiftModifier;
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return "{ENTER}";
        case Qt::Key_Tab:
            return shift ? "" : "{TAB}";
        case Qt::Key_Backspace:
            return "{BACKSPACE}";
        case Qt::Key_Escape:
            return "{ESC}";
        case Qt::Key_F1:
            return "{F1}";
        case Qt::Key_Delete:
            return shift ? "" : "{DELETE}";
        case Qt::Key_Home:
            return shift ? "" : "{HOME}";
        case Qt::Key_End:
            return shift ? "" : "{END}";
        case Qt::Key_Left:
            return shift ? "" : "{LEFT}";
        case Qt::Key_Right:
            return shift ? "" : "{RIGHT}";
        case Qt::Key_Up:
            return shift ? "" : "{UP}";
        case Qt::Key_Down:
            return shift ? "" : "{DOWN}";
        default:
            break;
    }
    const QString text = e.text();
    if (text.isEmpty()) return {};
    for (QChar ch : text)
        if (ch.unicode() < 32 || ch.unicode() == 127) return {};  // control characters
    std::string out;
    for (char ch : text.toStdString()) {
        if (ch == '{')
            out += "{{}";
        else if (ch == '}')
            out += "{}}";
        else
            out += ch;
    }
    return out;
}

}  // namespace qtui
