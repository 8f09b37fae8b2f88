// The table of qbx commands. A new command group adds its cmd_<group>.cpp and one line here.
#include "tools/qbx/cli.h"

namespace qbx {

int runInit(Context&, const Args&);
int runRegistry(Context&, const Args&);
int runNetwork(Context&, const Args&);
int runDevice(Context&, const Args&);
int runCp(Context&, const Args&);
int runNv(Context&, const Args&);

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"init",
         "  qbx init [--decimal-separator SEP]",
         "creates or completes the platform home (registry, platform folder, XIF files, database)",
         {"decimal-separator"},
         {},
         runInit},
        {"registry",
         "  qbx registry get machine|user KEY [NAME]\n"
         "  qbx registry set machine|user KEY NAME VALUE\n"
         "  qbx registry delete machine|user KEY [NAME]",
         "reads, writes and deletes registry values; delete without NAME removes the key and its "
         "subkeys",
         {},
         {},
         runRegistry},
        {"network",
         "  qbx network create NAME\n  qbx network list",
         "creates a network (with its system) or lists the networks",
         {},
         {},
         runNetwork},
        {"device",
         "  qbx device add NETWORK SUBSYSTEM DEVICE --variant 8|9|13 [--state CODE] "
         "[--uncommissioned]\n"
         "  qbx device list NETWORK\n"
         "  qbx device show NETWORK/SUBSYSTEM/DEVICE",
         "adds an MBX-440 device (creating its template from the XIF file), lists or shows devices",
         {"variant", "state"},
         {"uncommissioned"},
         runDevice},
        {"cp",
         "  qbx cp get NETWORK/SUBSYSTEM/DEVICE REF [--element N]\n"
         "  qbx cp set NETWORK/SUBSYSTEM/DEVICE REF VALUE [--element N]",
         "reads or writes a configuration property by reference (F:0/C:3:40, N:5/C:0:23, C:3:40)",
         {"element"},
         {},
         runCp},
        {"nv",
         "  qbx nv get NETWORK/SUBSYSTEM/DEVICE INDEX\n"
         "  qbx nv set NETWORK/SUBSYSTEM/DEVICE INDEX VALUE\n"
         "  qbx nv bind NETWORK/SUBSYSTEM/DEVICE INDEX [NETWORK/SUBSYSTEM/DEVICE INDEX]\n"
         "  qbx nv unbind NETWORK/SUBSYSTEM/DEVICE INDEX",
         "reads or writes a network variable by device index, binds or unbinds it",
         {},
         {},
         runNv},
    };
    return table;
}

}  // namespace qbx
