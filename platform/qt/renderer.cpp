#include "platform/qt/renderer.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "platform/core/error.h"
#include "platform/core/log.h"
#include "platform/qt/control_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_services.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"
#include "platform/ui/menu.h"
#include "platform/ui/recovery.h"
#include "platform/ui/screen.h"
#include "platform/ui/services.h"

namespace qtui {

namespace {
// Qt is pumped at least this often while the platform loop waits on the real clock.
constexpr int64_t kPumpMs = 10;

std::unique_ptr<Renderer>& slot() {
    static std::unique_ptr<Renderer> r;
    return r;
}
}  // namespace

Renderer& Renderer::instance() {
    if (!slot()) slot() = std::make_unique<Renderer>();
    return *slot();
}

Renderer::~Renderer() {
    if (observer_) ui::removeObserver(observer_);
    windows_.clear();  // buries into the graveyard, which must still exist
    clearGraveyard();
}

bool Renderer::exists() { return slot() != nullptr; }

void Renderer::start() {
    if (!observer_) observer_ = ui::addObserver([this](const ui::Change& c) { onChange(c); });
    installQtServices();
    attachLoop();
    running_ = true;
    // Forms that are already visible get their windows now.
    for (ui::Form* f : ui::forms())
        if (f->visible()) ensureWindow(*f).shown(f->isModal());
}

void Renderer::stop() {
    if (observer_) ui::removeObserver(observer_);
    observer_ = 0;
    detachLoop();
    ui::installMessageBoxService(nullptr);
    ui::installFileDialogService(nullptr);
    ui::installPrinterDialogService(nullptr);
    for (auto& [form, w] : windows_) w->hidden();
    windows_.clear();
    if (cursorOverridden_) QApplication::restoreOverrideCursor();
    cursorOverridden_ = false;
    running_ = false;
    clearGraveyard();
    QApplication::processEvents();
}

void Renderer::attachLoop() {
    auto& loop = platform::EventLoop::instance();
    if (loop_ == &loop && loop.hasTimer(pumpTimer_)) return;
    loop_ = &loop;
    // The real clock needs the timer: a waiting loop blocks in poll() and must come back for
    // Qt's events. The idle handler serves the virtual clock, whose timers only fire when a
    // test advances time, and lets Qt run whenever a loop has nothing else to do.
    pumpTimer_ = loop.addTimer(kPumpMs, [this] { processEvents(); });
    idle_ = loop.addIdleHandler([this] { return processEvents(); });
}

void Renderer::detachLoop() {
    if (loop_ && loop_ == &platform::EventLoop::instance()) {
        loop_->removeTimer(pumpTimer_);
        loop_->removeIdleHandler(idle_);
    }
    loop_ = nullptr;
    pumpTimer_ = idle_ = 0;
}

bool Renderer::processEvents() {
    ++pumpDepth_;
    bool any = false;
    // Showing a window can run input handlers (focus) that unload forms: look each one up again.
    std::vector<const ui::Form*> appearing;
    for (auto& [form, w] : windows_) {
        w->createPendingViews();
        if (w->showPending()) appearing.push_back(form);
    }
    for (const ui::Form* f : appearing)
        if (FormWindow* w = window(f)) w->showIfPending();
    if (auto* dispatcher = QCoreApplication::eventDispatcher())
        any = dispatcher->processEvents(QEventLoop::AllEvents);
    syncFocus();
    // Only the outermost pass, outside any input handler, may delete retired widgets: a nested
    // pass can run inside the event handler of one of them.
    if (!inInput() && pumpDepth_ == 1) clearGraveyard();
    --pumpDepth_;
    return any;
}

void Renderer::bury(std::unique_ptr<QObject> object) {
    if (!object) return;
    if (auto* w = qobject_cast<QWidget*>(object.get())) w->hide();
    object->setObjectName(QString());
    graveyard_.emplace_back(object.release());
}

void Renderer::clearGraveyard() {
    auto dead = std::move(graveyard_);
    graveyard_.clear();
    for (auto& p : dead) delete p.data();
}

FormWindow* Renderer::window(const ui::Form* form) const {
    auto it = windows_.find(form);
    return it == windows_.end() ? nullptr : it->second.get();
}

FormWindow& Renderer::ensureWindow(ui::Form& form) {
    auto& w = windows_[&form];
    if (!w) {
        w = std::make_unique<FormWindow>(*this, form);
        w->build();
    }
    return *w;
}

std::vector<FormWindow*> Renderer::windows() const {
    std::vector<FormWindow*> out;
    for (ui::Form* f : ui::forms())
        if (auto* w = window(f)) out.push_back(w);
    return out;
}

void Renderer::input(const std::function<void()>& fn) {
    ++inputDepth_;
    try {
        fn();
    } catch (const platform::Error& e) {
        platform::logLine("qt", "input failed: " + e.description);
    } catch (const ui::Aborted& a) {
        platform::logLine("qt", "input ended by Abort: " + a.error.description);
    } catch (const std::exception& e) {
        platform::logLine("qt", std::string("input failed: ") + e.what());
    }
    --inputDepth_;
    syncFocus();
}

void Renderer::syncFocus() {
    for (auto& [form, w] : windows_) {
        ui::Control* active = form->activeControl();
        if (!active || !w->window() || !w->window()->isVisible()) continue;
        ControlView* v = w->view(active);
        if (!v || !v->widget()) continue;
        QWidget* focus = v->widget()->focusProxy() ? v->widget()->focusProxy() : v->widget();
        // The window's focus widget, not hasFocus(): a window that is not active keeps it too.
        if (focus->window()->focusWidget() == focus || !focus->isVisible()) continue;
        beginMirror();
        focus->setFocus(Qt::OtherFocusReason);
        endMirror();
    }
}

void Renderer::onChange(const ui::Change& c) {
    using K = ui::Change::Kind;
    switch (c.kind) {
        case K::FormDestroyed:
            if (auto it = windows_.find(c.form); it != windows_.end()) {
                auto w = std::move(it->second);
                windows_.erase(it);
                w.reset();
            }
            break;
        case K::FormShown:
            ensureWindow(*c.form).shown(c.value.is_object() && c.value.value("modal", false));
            break;
        case K::FormHidden:
        case K::FormUnloaded:
            if (auto* w = window(c.form)) w->hidden();
            break;
        case K::ControlCreated:
            if (auto* w = window(c.form)) w->controlCreated(c.control);
            break;
        case K::ControlDestroyed:
            if (auto* w = window(c.form)) w->controlDestroyed(c.control);
            break;
        case K::Property:
            if (auto* w = window(c.form)) {
                if (c.control)
                    w->controlChanged(c);
                else if (c.property == "ActiveControl")
                    syncFocus();
                else
                    w->formChanged();
            }
            break;
        case K::PopupMenu:
            if (auto* w = window(c.form); w && c.control)
                if (auto* m = dynamic_cast<ui::Menu*>(c.control))
                    w->popup(*m, c.value.value("x", -1.0), c.value.value("y", -1.0));
            break;
        case K::MousePointer: {
            const bool busy = c.value.is_number() && c.value.get<int>() == ui::vbHourglass;
            if (busy && !cursorOverridden_) QApplication::setOverrideCursor(Qt::WaitCursor);
            if (!busy && cursorOverridden_) QApplication::restoreOverrideCursor();
            cursorOverridden_ = busy;
            break;
        }
        default:
            break;
    }
}

}  // namespace qtui
