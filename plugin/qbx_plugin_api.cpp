#include "plugin/qbx_plugin_api.h"

#include "editor/fmain.h"
#include "editor/forms.h"
#include "platform/netdb/object_server.h"
#include "plugin/api_errors.h"
#include "plugin/end_plugin.h"
#include "plugin/plugin_state.h"

namespace plugin {

QBXPlugInAPI::QBXPlugInAPI() {
    auto& s = state();
    if (s.InstanceCount == 0) {
        s.SupportedCommands = BuildSupportedCommands();
        s.ResourceFolderRecord = BuildResourceFolderRecord();
        s.ServerOpen = false;
        s.NetworkOpen = false;
        // Taking the service from the main window loads the window (language, text tables,
        // splash and progress windows).
        s.Server = editor::mainForm().wcxOSShared();
    }
    ++s.InstanceCount;
}

QBXPlugInAPI::~QBXPlugInAPI() {
    auto& s = state();
    --s.InstanceCount;
    // Once the run has ended, objects released on the way out change nothing.
    if (s.processEnded) return;
    if (s.InstanceCount == 0 && !editor::mainForm().visible()) EndPlugIn();
}

bool QBXPlugInAPI::Visible() const { return editor::mainForm().visible(); }

void QBXPlugInAPI::setVisible(bool bNewValue) { editor::mainForm().setVisible(bNewValue); }

std::string QBXPlugInAPI::networkName() const { return state().CurrentNetworkName; }

bool QBXPlugInAPI::Remote() const { return state().Server->RemoteClient(); }

void QBXPlugInAPI::setRemote(bool bNewValue) {
    auto& s = state();
    auto& server = *s.Server;
    const bool wasOpen = server.IsOpen();
    if (wasOpen) server.Close();
    server.SetRemoteClient(bNewValue);
    if (wasOpen) server.Open();
    s.ServerOpen = wasOpen;
}

void QBXPlugInAPI::setReadOnly(std::string) { throw apiError(kErrReadOnly, kTextReadOnly); }

std::string QBXPlugInAPI::DevelopmentProgramId() const { return state().DevelopmentProgramId; }

void QBXPlugInAPI::setDevelopmentProgramId(std::string newval) {
    state().DevelopmentProgramId = newval.size() == 16 ? newval : std::string();
}

}  // namespace plugin
