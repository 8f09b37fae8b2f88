// The table of qbx commands. A new command group adds its cmd_<group>.cpp and one line here.
#include "tools/qbx/cli.h"

namespace qbx {

int runInit(Context&, const Args&);
int runRegistry(Context&, const Args&);
int runNetwork(Context&, const Args&);
int runDevice(Context&, const Args&);
int runCp(Context&, const Args&);
int runNv(Context&, const Args&);
int runSim(Context&, const Args&);
int runDemoNetwork(Context&, const Args&);
int runScript(Context&, const Args&);

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
        {"sim",
         "  qbx sim learn NETWORK/SUBSYSTEM/DEVICE CHANNEL SENSOR_ID\n"
         "  qbx sim silence|talk NETWORK/SUBSYSTEM/DEVICE CHANNEL\n"
         "  qbx sim state NETWORK/SUBSYSTEM/DEVICE CODE [--unavailable on|off] "
         "[--commissioned on|off]\n"
         "  qbx sim fault NETWORK/SUBSYSTEM/DEVICE [--reset] [--latency MS] [--fail-read-every N]\n"
         "      [--fail-write-every N] [--fail-read-probability P] [--fail-write-probability P]\n"
         "      [--answer on|off] [--auto-press MS] [--telegram-period MS]\n"
         "  qbx sim status NETWORK/SUBSYSTEM/DEVICE BLOCK [--reset] [--set FLAG,..] "
         "[--clear FLAG,..]\n"
         "      [--exception on|off] [--alarm-present on|off] [--alarm-type N] "
         "[--alarm-priority N]\n"
         "      [--alarm-limit V] [--alarm-value V] [--alarm-location TEXT] "
         "[--alarm-object-id N] [--alarm-time TEXT]",
         "plays the sensors and faults of simulated devices; a running plug-in's devices follow",
         {"unavailable",
          "commissioned",
          "latency",
          "fail-read-every",
          "fail-write-every",
          "fail-read-probability",
          "fail-write-probability",
          "answer",
          "auto-press",
          "telegram-period",
          "set",
          "clear",
          "exception",
          "alarm-present",
          "alarm-type",
          "alarm-priority",
          "alarm-limit",
          "alarm-value",
          "alarm-location",
          "alarm-object-id",
          "alarm-time"},
         {"reset"},
         runSim},
        {"demo-network",
         "  qbx demo-network [NAME] [--replace]",
         "builds a demo network of simulated MBX-440 devices (default name \"Demo\")",
         {},
         {"replace"},
         runDemoNetwork},
        {"script",
         "  qbx script [FILE|-]",
         "runs a director script: create, get, put, call, release and ui lines (docs/scripting.md)",
         {},
         {},
         runScript},
    };
    return table;
}

}  // namespace qbx
