#include "platform/qt/palette.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <set>

#include "platform/core/log.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/image_list.h"

namespace qtui {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string ss(const QString& s) { return s.toStdString(); }

QColor toQColor(ui::OleColor color) {
    if ((color & 0xFF000000u) != 0x80000000u)
        return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff));
    const QPalette pal = QApplication::palette();
    switch (color & 0xff) {
        case 0x00:
            return pal.color(QPalette::Mid);  // scroll bars
        case 0x01:
            return pal.color(QPalette::Dark);  // desktop
        case 0x02:
            return pal.color(QPalette::Highlight);  // active title bar
        case 0x03:
            return pal.color(QPalette::Mid);  // inactive title bar
        case 0x04:
            return pal.color(QPalette::Window);  // menu bar
        case 0x05:
            return pal.color(QPalette::Base);  // window background
        case 0x06:
            return pal.color(QPalette::Shadow);  // window frame
        case 0x07:
            return pal.color(QPalette::WindowText);  // menu text
        case 0x08:
            return pal.color(QPalette::Text);  // window text
        case 0x09:
            return pal.color(QPalette::HighlightedText);  // title bar text
        case 0x0A:
            return pal.color(QPalette::Midlight);  // active border
        case 0x0B:
            return pal.color(QPalette::Midlight);  // inactive border
        case 0x0C:
            return pal.color(QPalette::Dark);  // application workspace
        case 0x0D:
            return pal.color(QPalette::Highlight);
        case 0x0E:
            return pal.color(QPalette::HighlightedText);
        case 0x0F:
            return pal.color(QPalette::Button);  // button face
        case 0x10:
            return pal.color(QPalette::Dark);  // button shadow
        case 0x11:
            return pal.color(QPalette::Disabled, QPalette::Text);  // grey text
        case 0x12:
            return pal.color(QPalette::ButtonText);
        case 0x13:
            return pal.color(QPalette::Disabled, QPalette::WindowText);
        case 0x14:
            return pal.color(QPalette::Light);  // button highlight
        case 0x15:
            return pal.color(QPalette::Shadow);  // 3D dark shadow
        case 0x16:
            return pal.color(QPalette::Midlight);
        case 0x17:
            return pal.color(QPalette::ToolTipText);
        case 0x18:
            return pal.color(QPalette::ToolTipBase);
        default:
            return pal.color(QPalette::WindowText);
    }
}

QFont toQFont(const std::string& name, double size, bool bold, bool italic, bool underline) {
    QFont f = QApplication::font();
    // The designed bitmap fonts do not exist here; keep the family only when it is installed.
    static const std::set<std::string> designed = {
        "MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Arial", "Segoe UI", "System"};
    if (!name.empty() && !designed.count(name)) f.setFamily(qs(name));
    f.setStyleHint(QFont::SansSerif);
    if (size > 0) f.setPointSizeF(size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont toQFont(const ui::Control& c) {
    return toQFont(c.fontName(), c.fontSize(), c.fontBold(), c.fontItalic(), c.fontUnderline());
}

namespace {

QPixmap drawn(const QString& name, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    const QString n = name.toLower();
    auto disc = [&](QColor fill) {
        p.setPen(fill.darker(150));
        p.setBrush(fill);
        p.drawEllipse(r);
    };
    if (n == "err" || n == "inexception") {
        disc(QColor(200, 30, 30));
        p.setPen(QPen(Qt::white, size / 8.0));
        p.drawLine(QPointF(size * .3, size * .3), QPointF(size * .7, size * .7));
        p.drawLine(QPointF(size * .7, size * .3), QPointF(size * .3, size * .7));
    } else if (n == "req") {
        disc(QColor(40, 90, 200));
        p.setPen(QPen(Qt::white, size / 8.0));
        p.drawLine(QPointF(size * .25, size * .5), QPointF(size * .72, size * .5));
        p.drawLine(QPointF(size * .55, size * .32), QPointF(size * .74, size * .5));
        p.drawLine(QPointF(size * .55, size * .68), QPointF(size * .74, size * .5));
    } else if (n == "ok" || n == "innormal") {
        disc(QColor(30, 150, 50));
        p.setPen(QPen(Qt::white, size / 8.0));
        p.drawLine(QPointF(size * .27, size * .52), QPointF(size * .45, size * .7));
        p.drawLine(QPointF(size * .45, size * .7), QPointF(size * .74, size * .32));
    } else if (n == "ledon") {
        disc(QColor(40, 220, 60));
    } else if (n == "ledoff") {
        disc(QColor(150, 150, 150));
    } else if (n == "monitorenabled") {
        disc(QColor(230, 170, 20));
        p.setPen(Qt::black);
        QFont f = p.font();
        f.setPixelSize(int(size * .7));
        f.setBold(true);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, "M");
    } else {
        return {};
    }
    return pm;
}

QPixmap standard(const QString& name, int size) {
    const QString n = name.toLower();
    QStyle::StandardPixmap sp;
    if (n == "info" || n == "information")
        sp = QStyle::SP_MessageBoxInformation;
    else if (n == "warning" || n == "exclamation")
        sp = QStyle::SP_MessageBoxWarning;
    else if (n == "critical")
        sp = QStyle::SP_MessageBoxCritical;
    else if (n == "question")
        sp = QStyle::SP_MessageBoxQuestion;
    else if (n == "folder")
        sp = QStyle::SP_DirIcon;
    else if (n == "file")
        sp = QStyle::SP_FileIcon;
    else if (n == "computer")
        sp = QStyle::SP_ComputerIcon;
    else
        return {};
    return QApplication::style()->standardIcon(sp).pixmap(size, size);
}

QPixmap findPicture(const ui::Form* form, const std::string& picture, int size);

// The picture of an image list entry. An entry may itself name a built-in icon; its key is the
// fallback name (a list of "OK", "ERR" ... needs no files).
QPixmap findListPicture(const ui::ImageList& list, const std::string& key, int size) {
    const std::string& inner = list.item(key).picture;
    QPixmap pm = findPicture(nullptr, inner.empty() ? key : inner, size);
    if (pm.isNull()) pm = findPicture(nullptr, key, size);
    return pm;
}

// The picture a name stands for: a file, an entry of an image list of the form ("list:key"), a
// drawn or a standard icon; null when there is none.
QPixmap findPicture(const ui::Form* form, const std::string& picture, int size) {
    const QString name = qs(picture);
    if (QFileInfo::exists(name)) {
        QPixmap pm(name);
        if (!pm.isNull()) return pm;
    }
    auto colon = picture.find(':');
    if (form && colon != std::string::npos && colon > 0) {
        if (auto* c = form->findControl(picture.substr(0, colon))) {
            if (auto* list = dynamic_cast<const ui::ImageList*>(c)) {
                std::string key = picture.substr(colon + 1);
                if (list->hasKey(key)) return findListPicture(*list, key, size);
            }
        }
    }
    QPixmap pm = drawn(name, size);
    if (pm.isNull()) pm = standard(name, size);
    return pm;
}

// Logs each name that stands for no picture once.
QPixmap reported(QPixmap pm, const std::string& name) {
    static std::set<std::string> unknown;
    if (pm.isNull() && unknown.insert(name).second)
        platform::logLine("qt", "unknown picture \"" + name + "\"");
    return pm;
}

}  // namespace

QPixmap resolvePicture(const ui::Form* form, const std::string& picture, int size) {
    if (picture.empty()) return {};
    return reported(findPicture(form, picture, size), picture);
}

QPixmap listPicture(const ui::ImageList& list, const std::string& key, int size) {
    return reported(findListPicture(list, key, size), list.name() + ":" + key);
}

}  // namespace qtui
