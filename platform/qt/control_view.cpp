#include "platform/qt/control_view.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/qt/form_window.h"
#include "platform/qt/key_text.h"
#include "platform/qt/palette.h"
#include "platform/qt/renderer.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"

namespace qtui {

namespace {
constexpr double kTwips = 15.0;

int modelButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return ui::vbLeftButton;
        case Qt::RightButton:
            return ui::vbRightButton;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int modelButtons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

int modelShift(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? ui::vbShiftMask : 0) |
           (m & Qt::ControlModifier ? ui::vbCtrlMask : 0) |
           (m & Qt::AltModifier ? ui::vbAltMask : 0);
}
}  // namespace

ControlView::Mirror::Mirror() { Renderer::instance().beginMirror(); }
ControlView::Mirror::~Mirror() { Renderer::instance().endMirror(); }

ControlView::ControlView(FormWindow& window, ui::Control& control)
    : window_(window), control_(control) {}

ControlView::~ControlView() { delete widget_.data(); }

void ControlView::init(QWidget* widget, Mouse mouse, bool routeKeys, bool clickOnRelease) {
    widget_ = widget;
    mouse_ = mouse;
    routeKeys_ = routeKeys;
    clickOnRelease_ = clickOnRelease;
    widget->setObjectName(qs(control_.path()));
    watch(widget);
}

void ControlView::watch(QWidget* inner) { inner->installEventFilter(this); }

bool ControlView::mirroring() const { return Renderer::instance().mirroring(); }

void ControlView::input(const std::function<void()>& fn) { Renderer::instance().input(fn); }

void ControlView::detach() {
    detached_ = true;
    if (!widget_) return;
    widget_->hide();
    widget_->setObjectName(QString());  // look-ups by path find the live control's widget only
    for (QWidget* w : widget_->findChildren<QWidget*>()) w->removeEventFilter(this);
    widget_->removeEventFilter(this);
    QObject::disconnect(widget_, nullptr, this, nullptr);
}

void ControlView::place() {
    if (!widget_ || detached_) return;
    QPoint offset;
    QWidget* parent = window_.parentFor(control_, offset);
    Mirror m;
    if (parent && widget_->parentWidget() != parent) {
        widget_->setParent(parent);
        widget_->setVisible(control_.visible());
    }
    widget_->setGeometry(
        int(control_.left() / kTwips) - offset.x(), int(control_.top() / kTwips) - offset.y(),
        std::max(0, int(control_.width() / kTwips)), std::max(0, int(control_.height() / kTwips)));
}

void ControlView::applyColors() {
    if (fore_ == control_.foreColor() && back_ == control_.backColor()) return;
    fore_ = control_.foreColor();
    back_ = control_.backColor();
    QPalette pal = widget_->palette();
    const QColor fore = toQColor(fore_), back = toQColor(back_);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, fore);
        pal.setColor(group, QPalette::Text, fore);
        pal.setColor(group, QPalette::ButtonText, fore);
    }
    // Text fields and lists paint their background with Base, the others with Window/Button.
    pal.setColor(QPalette::Base, back);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Button, back);
    widget_->setPalette(pal);
}

void ControlView::refresh() {
    if (!widget_ || detached_) return;
    place();
    Mirror m;
    widget_->setVisible(control_.visible());
    widget_->setEnabled(control_.enabled());
    applyColors();
    const QFont font = toQFont(control_);
    if (widget_->font() != font) widget_->setFont(font);
    widget_->setMouseTracking(bool(control_.onMouseMove));
    const QString tip = qs(control_.toolTipText());
    if (widget_->toolTip() != tip) widget_->setToolTip(tip);
    if (routeKeys_ || control_.canFocus())
        widget_->setFocusPolicy(control_.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    else
        widget_->setFocusPolicy(Qt::NoFocus);
    refreshKind();
}

void ControlView::repaintNow() {
    if (widget_ && !detached_ && widget_->isVisible()) widget_->repaint();
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (detached_ || !widget_) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            if (event->type() == QEvent::ShortcutOverride) {
                // Keys the model takes must not trigger shortcuts of the window first.
                if (routeKeys_ && !modelKeys(*static_cast<QKeyEvent*>(event)).empty()) {
                    event->accept();
                    return true;
                }
                return false;
            }
            return keyEvent(static_cast<QKeyEvent*>(event), true);
        case QEvent::KeyRelease:
            return keyEvent(static_cast<QKeyEvent*>(event), false);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return target && mouseEvent(target, static_cast<QMouseEvent*>(event));
        case QEvent::FocusIn: {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (!mirroring() && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason && control_.canFocus() &&
                control_.form().activeControl() != &control_)
                input([this] { ui::focus(control_); });
            keyboardFocusIn();
            return false;
        }
        default:
            return false;
    }
}

bool ControlView::keyEvent(QKeyEvent* e, bool press) {
    if (!routeKeys_) return false;
    const std::string keys = modelKeys(*e);
    if (keys.empty()) return false;
    if (press) {
        ui::Control& c = control_;
        input([&c, keys] { ui::typeKeys(c, keys); });
    }
    return true;
}

bool ControlView::mouseEvent(QWidget* target, QMouseEvent* e) {
    const QPoint local = e->position().toPoint();
    const QPoint p = target == widget_ ? local : target->mapTo(widget_, local);
    const double x = p.x() * kTwips, y = p.y() * kTwips;
    const int shift = modelShift(e->modifiers());
    ui::Control& c = control_;
    const bool eat = mouse_ == Mouse::Model;
    switch (e->type()) {
        case QEvent::MouseButtonPress: {
            const int button = modelButton(e->button());
            input([&c, x, y, button, shift] {
                if (c.canFocus() && c.form().activeControl() != &c) ui::focus(c);
                ui::mouseDown(c, x, y, button, shift);
            });
            return eat;
        }
        case QEvent::MouseButtonDblClick: {
            const int button = modelButton(e->button());
            const bool dbl = !ownDoubleClick_;
            input([&c, x, y, button, shift, dbl] {
                ui::mouseDown(c, x, y, button, shift);
                if (dbl) c.userDblClick();
            });
            return eat;
        }
        case QEvent::MouseMove: {
            if (!c.onMouseMove) return false;
            const int buttons = modelButtons(e->buttons());
            input([&c, x, y, buttons, shift] { ui::mouseMove(c, x, y, buttons, shift); });
            return eat;
        }
        case QEvent::MouseButtonRelease: {
            const int button = modelButton(e->button());
            const bool inside = widget_->rect().contains(p);
            const bool click = clickOnRelease_ && inside && button == ui::vbLeftButton;
            input([&c, x, y, button, shift, click] {
                ui::mouseUp(c, x, y, button, shift);
                if (click) c.userClick();
            });
            return eat;
        }
        default:
            return false;
    }
}

}  // namespace qtui

namespace qtui {

std::unique_ptr<ControlView> createBasicView(FormWindow& w, ui::Control& c);
std::unique_ptr<ControlView> createTextView(FormWindow& w, ui::Control& c);
std::unique_ptr<ControlView> createListView(FormWindow& w, ui::Control& c);

std::unique_ptr<ControlView> createView(FormWindow& w, ui::Control& c) {
    if (auto v = createBasicView(w, c)) return v;
    if (auto v = createTextView(w, c)) return v;
    return createListView(w, c);
}

}  // namespace qtui
