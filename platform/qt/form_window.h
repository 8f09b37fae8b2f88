#pragma once
// FormWindow: the top-level Qt window of one form, its menu bar and the views of its controls.
//
// The window's inner area has the form's ScaleWidth x ScaleHeight (twips / 15 = pixels) below
// the menu bar; controls without a container sit in it at their model positions.

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <set>

#include "platform/ui/observer.h"

class QMenu;
class QMenuBar;

namespace ui {
class Control;
class Form;
class Menu;
}  // namespace ui

namespace qtui {

class ControlView;
class Renderer;

class FormWindow {
  public:
    FormWindow(Renderer& renderer, ui::Form& form);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    ui::Form& form() const { return form_; }
    Renderer& renderer() const { return renderer_; }
    QWidget* window() const { return window_; }
    QWidget* client() const { return client_; }

    // Creates the views of every control that has none yet.
    void build();
    ControlView* view(const ui::Control* control) const;
    ControlView* ensureView(ui::Control& control);
    QWidget* parentFor(const ui::Control& control, QPoint& offset);

    // A control created while the window exists gets its view once it is fully constructed:
    // at its first property change or at the next Qt pass (its constructor announces it).
    void controlCreated(const ui::Control* control) { pending_.insert(control); }
    void createPendingViews();
    void controlChanged(const ui::Change& change);
    void controlDestroyed(const ui::Control* control);
    void formChanged();  // caption, geometry, colours, state of the form
    void shown(bool modal);  // the window appears at the next Qt pass (showIfPending)
    bool showPending() const { return showPending_; }
    void showIfPending();
    void hidden();
    void popup(ui::Menu& menu, double x, double y);
    void rebuildMenus();

    // The user resized or closed the window (called by the window widget).
    void userResized(QSize client);
    void userClosed();

  private:
    QMenu* buildMenu(ui::Menu& menu, QWidget* parent);
    void layoutWindow();

    Renderer& renderer_;
    ui::Form& form_;
    QPointer<QWidget> window_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    Qt::WindowFlags flags_;
    bool flagsSet_ = false;
    bool showPending_ = false;
    std::vector<QMenu*> menus_;
    std::map<const ui::Control*, std::unique_ptr<ControlView>> views_;
    std::set<const ui::Control*> pending_;
};

}  // namespace qtui
