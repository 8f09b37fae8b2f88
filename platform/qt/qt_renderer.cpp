#include "platform/qt/qt_renderer.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>
#include <cstdlib>
#include <filesystem>

#include "platform/core/error.h"
#include "platform/qt/form_window.h"
#include "platform/qt/palette.h"
#include "platform/qt/renderer.h"
#include "platform/ui/form.h"
#include "platform/ui/screen.h"

namespace qtui {

namespace {
// QApplication keeps references to argc and argv for its whole life.
int gArgc = 0;
std::vector<std::string> gArgStore;
std::vector<char*> gArgv;

bool set(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}
}  // namespace

bool qtAvailable() { return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"); }

void startQtRenderer(int argc, char** argv) {
    if (!QApplication::instance()) {
        for (int i = 0; i < argc; ++i) gArgStore.emplace_back(argv[i] ? argv[i] : "");
        if (gArgStore.empty()) gArgStore.emplace_back("qbx");
        for (auto& s : gArgStore) gArgv.push_back(s.data());
        gArgv.push_back(nullptr);
        gArgc = int(gArgStore.size());
        new QApplication(gArgc, gArgv.data());  // lives until the process ends
        // One look everywhere, with or without a desktop theme; screenshots compare.
        if (auto* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        ui::screen().setSize(g.width() * ui::screen().twipsPerPixelX(),
                             g.height() * ui::screen().twipsPerPixelY());
    }
    Renderer::instance().start();
}

void stopQtRenderer() {
    if (Renderer::exists()) Renderer::instance().stop();
}

bool qtRendererRunning() { return Renderer::exists() && Renderer::instance().running(); }

void processQtEvents() {
    if (qtRendererRunning()) Renderer::instance().processEvents();
}

std::vector<std::string> writeScreenshots(const std::string& dir) {
    if (!qtRendererRunning())
        throw platform::Error(platform::errc::kState, "qt", "The Qt renderer is not running");
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec)
        throw platform::Error(platform::errc::kIo, "qt",
                              "Cannot create the folder " + dir + ": " + ec.message());
    Renderer& r = Renderer::instance();
    r.processEvents();  // pending layout and paint requests first
    std::vector<std::string> written;
    std::map<std::string, int> seen;
    for (FormWindow* w : r.windows()) {
        if (!w->form().visible() || !w->window() || !w->window()->isVisible()) continue;
        std::string name = w->form().name();
        if (int n = seen[name]++; n > 0) name += "_" + std::to_string(n + 1);
        const std::string path = (std::filesystem::path(dir) / (name + ".png")).string();
        if (!w->window()->grab().save(qs(path), "PNG"))
            throw platform::Error(platform::errc::kIo, "qt", "Cannot write the screenshot " + path);
        written.push_back(path);
    }
    return written;
}

std::vector<std::string> controlsOutsideTheirContainers(const std::string& formName) {
    std::vector<std::string> out;
    if (!qtRendererRunning()) return out;
    Renderer::instance().processEvents();
    for (FormWindow* w : Renderer::instance().windows()) {
        QWidget* top = w->window();
        if (w->form().name() != formName || !top || !top->isVisible()) continue;
        // Widgets of controls carry the control's path as their object name.
        for (QWidget* c : top->findChildren<QWidget*>()) {
            if (!c->objectName().contains('.') || !c->isVisibleTo(top) || !c->parentWidget())
                continue;
            if (!c->parentWidget()->rect().contains(c->geometry()))
                out.push_back(c->objectName().toStdString());
        }
    }
    return out;
}

}  // namespace qtui
