#pragma once
// ControlView: the Qt widget of one control of the form model.
//
// The view mirrors the control (refresh() reads every property the widget shows) and feeds
// the user's input on the widget into the model's input API: an event filter sends keys to the
// model before the widget sees them (the model owns the text, the view mirrors it back), and
// mouse presses, releases and moves go to the model with positions in twips. While a view
// writes into its widget it sets the renderer's mirroring flag, so that the widget's signals
// are not taken for input.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "platform/ui/control.h"

class QKeyEvent;
class QMouseEvent;

namespace qtui {

class FormWindow;

class ControlView : public QObject {
  public:
    ControlView(FormWindow& window, ui::Control& control);
    ~ControlView() override;

    ui::Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }
    // Where the children of a container go (the page of a tab strip), nullptr for other kinds.
    virtual QWidget* childArea(int /*page*/) { return nullptr; }
    // Offset of the children's origin inside childArea (tab strips: the page starts below the
    // tab row while the model measures from the strip's top).
    virtual QPoint childOffset() const { return {}; }

    // Full mirror of the control; geometry and the common properties, then the kind's own.
    void refresh();
    void place();  // parent (container) and geometry
    virtual void ensureVisible(int /*item*/) {}
    void repaintNow();

    // The control is gone: stop reacting to the widget and never touch the control again.
    void detach();
    bool detached() const { return detached_; }

  protected:
    enum class Mouse {
        Model,    // the model does what a press does (buttons, check boxes ...): Qt gets nothing
        Observe,  // the model sees presses and releases, the widget acts too (text, lists)
    };
    // Called once by the factory after the widget exists.
    void init(QWidget* widget, Mouse mouse, bool routeKeys, bool clickOnRelease);
    // Extra widgets whose input belongs to this control (viewports, line edits of combos).
    void watch(QWidget* inner);

    virtual void refreshKind() = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void keyboardFocusIn() {}

    // Runs model input caused by the user (errors are logged, focus is synchronised after).
    void input(const std::function<void()>& fn);
    bool mirroring() const;
    struct Mirror {  // sets the mirroring flag for its lifetime
        Mirror();
        ~Mirror();
    };

    FormWindow& window_;
    ui::Control& control_;
    QPointer<QWidget> widget_;
    bool ownDoubleClick_ = false;  // the view raises DblClick itself (on an item)

  private:
    bool mouseEvent(QWidget* target, QMouseEvent* e);
    bool keyEvent(QKeyEvent* e, bool press);
    void applyColors();

    Mouse mouse_ = Mouse::Model;
    bool routeKeys_ = false, clickOnRelease_ = false, detached_ = false;
    ui::OleColor fore_ = 0xFFFFFFFFu, back_ = 0xFFFFFFFFu;
};

// Creates the view of a control, or nullptr for kinds without a widget (Timer, ImageList,
// CommonDialog, Menu: menus are built by the form window).
std::unique_ptr<ControlView> createView(FormWindow& window, ui::Control& control);

}  // namespace qtui
