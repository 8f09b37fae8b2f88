// Size, position and minimized state of the main window as the director sees them: in pixels,
// converted with the screen's twips per pixel.

#include <cmath>
#include <limits>

#include "editor/fmain.h"
#include "editor/forms.h"
#include "platform/core/log.h"
#include "plugin/api_errors.h"
#include "plugin/qbx_plugin_api.h"

namespace plugin {
namespace {

int32_t toPixels(int twips, int twipsPerPixel) {
    return static_cast<int32_t>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

// Pixels as twips; a value whose twips do not fit the window's measures is refused.
int toTwips(int32_t pixels, int twipsPerPixel) {
    const int64_t twips = static_cast<int64_t>(pixels) * twipsPerPixel;
    if (twips < std::numeric_limits<int>::min() || twips > std::numeric_limits<int>::max())
        throw platform::Error(platform::errc::kInvalidValue, kErrorSource,
                              "Invalid property value: " + std::to_string(pixels) + " pixels");
    return static_cast<int>(twips);
}

bool minimizedOrMaximized(const ui::Form& form) {
    return form.windowState() == ui::vbMinimized || form.windowState() == ui::vbMaximized;
}

}  // namespace

int32_t QBXPlugInAPI::Height() const {
    return toPixels(editor::mainForm().height(), ui::screen().twipsPerPixelY());
}
int32_t QBXPlugInAPI::Width() const {
    return toPixels(editor::mainForm().width(), ui::screen().twipsPerPixelX());
}
int32_t QBXPlugInAPI::Left() const {
    return toPixels(editor::mainForm().left(), ui::screen().twipsPerPixelX());
}
int32_t QBXPlugInAPI::Top() const {
    return toPixels(editor::mainForm().top(), ui::screen().twipsPerPixelY());
}

void QBXPlugInAPI::setHeight(int32_t lHeight) { setSize(true, lHeight); }
void QBXPlugInAPI::setWidth(int32_t lWidth) { setSize(false, lWidth); }
void QBXPlugInAPI::setLeft(int32_t lLeft) { setPosition(false, lLeft); }
void QBXPlugInAPI::setTop(int32_t lTop) { setPosition(true, lTop); }

void QBXPlugInAPI::setSize(bool height, int32_t pixels) {
    auto& form = editor::mainForm();
    const int border = form.borderStyle();
    if (border == ui::vbFixedSingle || border == ui::vbFixedDialog ||
        border == ui::vbFixedToolWindow)
        throw apiError(kErrReadOnly, kTextReadOnly);
    if (minimizedOrMaximized(form)) throw apiError(kErrNetworkOrWindow, kTextMinimizedOrMaximized);
    if (height)
        form.setHeight(toTwips(pixels, ui::screen().twipsPerPixelY()));
    else
        form.setWidth(toTwips(pixels, ui::screen().twipsPerPixelX()));
}

void QBXPlugInAPI::setPosition(bool top, int32_t pixels) {
    auto& form = editor::mainForm();
    if (minimizedOrMaximized(form)) throw apiError(kErrNetworkOrWindow, kTextMinimizedOrMaximized);
    if (top)
        form.setTop(toTwips(pixels, ui::screen().twipsPerPixelY()));
    else
        form.setLeft(toTwips(pixels, ui::screen().twipsPerPixelX()));
}

bool QBXPlugInAPI::Minimized() const { return editor::mainForm().windowState() == ui::vbMinimized; }

void QBXPlugInAPI::setMinimized(bool bMinimized) {
    auto& form = editor::mainForm();
    try {
        form.setWindowState(bMinimized ? ui::vbMinimized : ui::vbNormal);
    } catch (const std::exception& e) {
        // Changing the state is best effort; the visibility test below decides the answer.
        platform::logLine("plugin", std::string("cannot change the window state: ") + e.what());
    }
    if (!form.visible()) throw apiError(kErrNetworkOrWindow, kTextMinimizedWhenInvisible);
}

}  // namespace plugin
