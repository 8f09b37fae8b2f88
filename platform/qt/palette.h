#pragma once
// Colours, fonts and pictures of the form model in Qt terms.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <string>

#include "platform/ui/value.h"

namespace ui {
class Control;
class Form;
class ImageList;
}  // namespace ui

namespace qtui {

// An OLE colour: 0x00BBGGRR directly, 0x800000nn as system colour nn of the application
// palette (window background, button face, button text ...).
QColor toQColor(ui::OleColor color);

// The control's font (name, size in points, bold, italic, underline). Fonts of the designed
// look that Linux lacks fall back to the default sans-serif family.
QFont toQFont(const ui::Control& control);
QFont toQFont(const std::string& name, double size, bool bold, bool italic, bool underline);

// A picture named by the model: an image file, "ImageListName:Key" (an image of an ImageList
// of the form), or the name of a built-in icon ("ERR", "REQ", "OK", "LEDON", "LEDOFF",
// "InNormal", "InException", "MonitorEnabled", "info", "warning", "critical", "question").
// An empty or unknown name gives a null pixmap (and logs the unknown name once).
QPixmap resolvePicture(const ui::Form* form, const std::string& picture, int size = 16);
// The picture of the entry `key` of an image list.
QPixmap listPicture(const ui::ImageList& list, const std::string& key, int size);

QString qs(const std::string& s);
std::string ss(const QString& s);

}  // namespace qtui
