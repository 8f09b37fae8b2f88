#pragma once
// The renderer: one Qt window per shown form, kept in step with the model by an observer.
//
// Widgets are never deleted while Qt may still be delivering an event to them (an input
// handler can unload the form whose button was clicked): retired windows and views go to a
// graveyard that is emptied when no input is being handled.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/core/event_loop.h"
#include "platform/ui/observer.h"

namespace ui {
class Form;
}

namespace qtui {

class FormWindow;

class Renderer {
  public:
    Renderer() = default;
    ~Renderer();
    static Renderer& instance();
    static bool exists();

    void start();  // observer, loop hooks, services
    void stop();
    bool running() const { return running_; }

    FormWindow* window(const ui::Form* form) const;
    FormWindow& ensureWindow(ui::Form& form);
    std::vector<FormWindow*> windows() const;

    // Mirroring: set while views write into widgets (their signals are then no input).
    bool mirroring() const { return mirror_ > 0; }
    void beginMirror() { ++mirror_; }
    void endMirror() { --mirror_; }

    // Runs model input caused by the user; errors are logged, never passed into Qt.
    void input(const std::function<void()>& fn);
    bool inInput() const { return inputDepth_ > 0; }
    void syncFocus();

    void bury(std::unique_ptr<QObject> object);
    bool processEvents();  // Qt events once, then the graveyard when safe; true: Qt did work

  private:
    void onChange(const ui::Change& change);
    void clearGraveyard();
    void attachLoop();
    void detachLoop();

    std::map<const ui::Form*, std::unique_ptr<FormWindow>> windows_;
    std::vector<QPointer<QObject>> graveyard_;  // a parent may take its children along
    ui::ObserverId observer_ = 0;
    platform::EventLoop* loop_ = nullptr;
    platform::EventLoop::Id pumpTimer_ = 0, idle_ = 0;
    int mirror_ = 0, inputDepth_ = 0, pumpDepth_ = 0;
    bool running_ = false, cursorOverridden_ = false;
};

}  // namespace qtui
