#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>

#include "platform/qt/control_view.h"
#include "platform/qt/palette.h"
#include "platform/qt/renderer.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"

namespace qtui {

namespace {
constexpr int kTwips = 15;

// The top-level widget: passes the user's close and resize to its form window.
class Window : public QWidget {
  public:
    explicit Window(FormWindow& owner) : owner_(owner) {}
    bool closing = false;  // set while the window is hidden by the model

  protected:
    void closeEvent(QCloseEvent* e) override {
        if (closing) return e->accept();
        e->ignore();  // the model decides (QueryUnload, Unload) and hides the window
        owner_.userClosed();
    }
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        owner_.userResized(e->size());
    }

  private:
    FormWindow& owner_;
};
}  // namespace

FormWindow::FormWindow(Renderer& renderer, ui::Form& form) : renderer_(renderer), form_(form) {
    auto* w = new Window(*this);
    window_ = w;
    w->setObjectName(qs(form.name()));
    client_ = new QWidget(w);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    formChanged();
}

FormWindow::~FormWindow() {
    for (auto& [c, v] : views_) v->detach();
    for (auto& [c, v] : views_) renderer_.bury(std::move(v));
    views_.clear();
    if (window_) {
        static_cast<Window*>(window_.data())->closing = true;
        renderer_.bury(std::unique_ptr<QObject>(window_.data()));
    }
    for (QMenu* m : menus_) renderer_.bury(std::unique_ptr<QObject>(m));
}

void FormWindow::build() {
    pending_.clear();
    for (ui::Control* c : form_.controls()) ensureView(*c);
    rebuildMenus();
}

void FormWindow::createPendingViews() {
    if (pending_.empty()) return;
    for (ui::Control* c : form_.controls())
        if (pending_.count(c)) ensureView(*c);
    pending_.clear();
}

ControlView* FormWindow::view(const ui::Control* control) const {
    auto it = views_.find(control);
    return it == views_.end() ? nullptr : it->second.get();
}

ControlView* FormWindow::ensureView(ui::Control& control) {
    if (auto* v = view(&control)) return v;
    if (dynamic_cast<ui::Menu*>(&control)) {
        rebuildMenus();
        return nullptr;
    }
    // The container first, so that the child finds its parent widget.
    if (control.container()) ensureView(*control.container());
    auto v = createView(*this, control);
    if (!v) return nullptr;
    ControlView* raw = v.get();
    views_[&control] = std::move(v);
    raw->refresh();
    return raw;
}

QWidget* FormWindow::parentFor(const ui::Control& control, QPoint& offset) {
    offset = {};
    if (ui::Control* c = control.container()) {
        if (ControlView* v = ensureView(*c)) {
            if (QWidget* area = v->childArea(control.containerPage())) {
                offset = v->childOffset();
                return area;
            }
        }
    }
    return client_;
}

void FormWindow::controlChanged(const ui::Change& change) {
    ui::Control* c = change.control;
    if (dynamic_cast<ui::Menu*>(c)) return rebuildMenus();
    if (std::string_view(c->kind()) == "ImageList") {
        for (auto& [ctl, v] : views_) v->refresh();  // icons of lists and trees
        return;
    }
    ControlView* v = view(c);
    if (!v && pending_.count(c)) {
        // Still in a base class constructor the control has no kind to show yet.
        v = ensureView(*c);
        if (v) pending_.erase(c);
    }
    if (!v) return;
    if (change.property == "EnsureVisible")
        v->ensureVisible(change.value.is_number() ? change.value.get<int>() : 0);
    else if (change.property == "Refresh")
        v->repaintNow();
    else
        v->refresh();
}

void FormWindow::controlDestroyed(const ui::Control* control) {
    pending_.erase(control);
    auto it = views_.find(control);
    if (it == views_.end()) {
        // Menus have no view; the bar must not keep an entry of a menu item that is gone.
        if (menuBar_ && !menuBar_->actions().isEmpty()) rebuildMenus();
        return;
    }
    std::unique_ptr<ControlView> v = std::move(it->second);
    views_.erase(it);
    // Children of a container that goes first keep their widgets: move them to the client.
    if (QWidget* w = v->widget()) {
        for (auto& [c, other] : views_) {
            QWidget* ow = other->widget();
            if (ow && ow != w && w->isAncestorOf(ow)) {
                ow->hide();
                ow->setParent(client_);
            }
        }
    }
    v->detach();
    renderer_.bury(std::move(v));
}

void FormWindow::layoutWindow() {
    const int mb = menuBar_ && !menuBar_->actions().isEmpty() ? menuBar_->sizeHint().height() : 0;
    if (menuBar_) {
        menuBar_->setVisible(mb > 0);
        menuBar_->setGeometry(0, 0, window_->width(), mb);
    }
    client_->setGeometry(0, mb, window_->width(), std::max(0, window_->height() - mb));
}

void FormWindow::formChanged() {
    if (!window_) return;
    renderer_.beginMirror();
    window_->setWindowTitle(qs(form_.caption()));
    window_->setEnabled(form_.enabled());
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, toQColor(form_.backColor()));
    client_->setPalette(pal);
    if (!form_.icon().empty())
        window_->setWindowIcon(QIcon(resolvePicture(&form_, form_.icon(), 32)));
    Qt::WindowFlags flags = Qt::Window;
    switch (form_.borderStyle()) {
        case ui::vbBSNone:
            flags |= Qt::FramelessWindowHint;
            break;
        case ui::vbFixedToolWindow:
        case ui::vbSizableToolWindow:
            flags = Qt::Tool;
            break;
        case ui::vbFixedDialog:
            flags = Qt::Dialog;
            break;
        default:
            break;
    }
    if (!form_.controlBox()) flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // Compared with what was set last, not with windowFlags(): Qt adds hints of its own, and
    // setting the flags again recreates the native window (it then loses its contents).
    if (!flagsSet_ || flags != flags_) {
        flags_ = flags;
        flagsSet_ = true;
        const bool vis = window_->isVisible();
        window_->setWindowFlags(flags);
        if (vis) window_->show();
    }
    const int mb = menuBar_ && !menuBar_->actions().isEmpty() ? menuBar_->sizeHint().height() : 0;
    const QSize size(std::max(1, form_.scaleWidth() / kTwips),
                     std::max(1, form_.scaleHeight() / kTwips) + mb);
    if (window_->size() != size) window_->resize(size);
    const bool fixed =
        form_.borderStyle() != ui::vbSizable && form_.borderStyle() != ui::vbSizableToolWindow;
    if (fixed)
        window_->setFixedSize(size);
    else
        window_->setMinimumSize(0, 0), window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_->move(form_.left() / kTwips, form_.top() / kTwips);
    layoutWindow();
    if (window_->isVisible()) {
        Qt::WindowStates state = Qt::WindowNoState;
        if (form_.windowState() == ui::vbMinimized) state = Qt::WindowMinimized;
        if (form_.windowState() == ui::vbMaximized) state = Qt::WindowMaximized;
        if (window_->windowState() != state) window_->setWindowState(state);
    }
    renderer_.endMirror();
}

void FormWindow::shown(bool modal) {
    if (!window_) return;
    build();
    renderer_.beginMirror();
    if (modal) {
        window_->setWindowModality(Qt::ApplicationModal);
    } else if (!window_->isVisible()) {
        window_->setWindowModality(Qt::NonModal);
    }
    static_cast<Window*>(window_.data())->closing = false;
    renderer_.endMirror();
    formChanged();
    // The window appears at the next Qt pass, where the form has its final place: a form's
    // Load often moves it right after showing it, and a window moved while the window manager
    // is still mapping it can stay unpainted.
    showPending_ = true;
}

void FormWindow::showIfPending() {
    if (!showPending_ || !window_) return;
    showPending_ = false;
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void FormWindow::hidden() {
    showPending_ = false;
    if (!window_ || !window_->isVisible()) return;
    static_cast<Window*>(window_.data())->closing = true;
    window_->hide();
}

void FormWindow::userResized(QSize size) {
    if (renderer_.mirroring() || !window_ || !window_->isVisible()) return;
    layoutWindow();
    const int mb = menuBar_ && menuBar_->isVisible() ? menuBar_->height() : 0;
    const int w = size.width() * kTwips + (form_.width() - form_.scaleWidth());
    const int h = (size.height() - mb) * kTwips + (form_.height() - form_.scaleHeight());
    if (std::abs(w - form_.width()) < kTwips && std::abs(h - form_.height()) < kTwips) return;
    renderer_.input([this, w, h] { form_.move(form_.left(), form_.top(), w, h); });
}

void FormWindow::userClosed() {
    renderer_.input([this] { ui::closeForm(form_); });
}

QMenu* FormWindow::buildMenu(ui::Menu& menu, QWidget* parent) {
    auto* m = new QMenu(qs(menu.caption()), parent);
    for (ui::Menu* item : menu.items()) {
        if (!item->visible()) continue;
        if (item->isSeparator()) {
            m->addSeparator();
            continue;
        }
        if (!item->items().empty()) {
            QMenu* sub = buildMenu(*item, m);
            sub->setEnabled(item->enabled());
            m->addMenu(sub);
            continue;
        }
        QAction* a = m->addAction(qs(item->caption()));
        a->setObjectName(qs(item->path()));
        a->setEnabled(item->enabled());
        a->setCheckable(item->checked());
        a->setChecked(item->checked());
        if (!item->shortcut().empty()) a->setShortcut(QKeySequence(qs(item->shortcut())));
        QObject::connect(a, &QAction::triggered, a,
                         [this, item] { renderer_.input([item] { ui::chooseMenu(*item); }); });
    }
    return m;
}

void FormWindow::rebuildMenus() {
    if (!window_) return;
    if (!menuBar_) {
        menuBar_ = new QMenuBar(window_);
        menuBar_->setNativeMenuBar(false);
    }
    // Old entries may be running their triggered signal right now: take them off the bar and
    // let the renderer delete them when no input is being handled.
    for (QAction* a : menuBar_->actions()) {
        menuBar_->removeAction(a);
        if (a->parent() == menuBar_) {
            a->setParent(nullptr);
            renderer_.bury(std::unique_ptr<QObject>(a));
        }
    }
    for (QMenu* m : menus_) {
        m->setParent(nullptr, m->windowFlags());
        renderer_.bury(std::unique_ptr<QObject>(m));
    }
    menus_.clear();
    for (ui::Control* c : form_.controls()) {
        auto* menu = dynamic_cast<ui::Menu*>(c);
        if (!menu || menu->parentMenu() || !menu->visible()) continue;
        if (menu->items().empty()) {  // a menu bar item without a drop-down acts itself
            QAction* a = menuBar_->addAction(qs(menu->caption()));
            a->setObjectName(qs(menu->path()));
            a->setEnabled(menu->enabled());
            QObject::connect(a, &QAction::triggered, a,
                             [this, menu] { renderer_.input([menu] { ui::chooseMenu(*menu); }); });
            continue;
        }
        QMenu* m = buildMenu(*menu, menuBar_);
        m->menuAction()->setEnabled(menu->enabled());
        m->menuAction()->setObjectName(qs(menu->path()));
        menus_.push_back(m);
        menuBar_->addMenu(m);
    }
    formChanged();
}

void FormWindow::popup(ui::Menu& menu, double x, double y) {
    if (!window_ || !window_->isVisible()) return;
    QMenu* m = buildMenu(menu, nullptr);
    menus_.push_back(m);
    const QPoint at = x < 0 || y < 0
                          ? QCursor::pos()
                          : client_->mapToGlobal(QPoint(int(x / kTwips), int(y / kTwips)));
    m->popup(at);
}

}  // namespace qtui
