// The plug-in through the real executable and socket: a director script configures a device,
// two directors share one process, and the last release with the window hidden ends it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "platform/automation/activation.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/connection.h"
#include "platform/automation/run_files.h"
#include "platform/automation/script_runner.h"
#include "platform/registry/registry.h"
#include "tests/platform/netdb/test_home.h"
#include "text/apply_language.h"

namespace {

constexpr const char* kProgId = "Korvane_MBX_440.QBXPlugInAPI";

std::string lines(std::initializer_list<const char*> ls) {
    std::string s;
    for (const char* l : ls) s += std::string(l) + "\n";
    return s;
}

class PlugInServerTest : public ::testing::Test {
  protected:
    PlugInServerTest() {
        setenv("QBX_VIRTUAL_CLOCK", "1", 1);
        setenv("QBX_HEADLESS", "1", 1);
        home.addVariantDevice("Demo", "Floor 1", "MBX 1", 9);
        // The language a registration with "/english" writes.
        platform::Registry::instance().setString(platform::Hive::Machine, text::kPlugInKey,
                                                 "Language", "english");
        // The executable registers itself as the class's server.
        const std::string command = std::string("'") + KORVANE_EXE + "' /regserver";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    ~PlugInServerTest() override {
        // A server left running by a failed test is stopped by its process id.
        const auto pidFile = automation::runFile(kProgId, ".pid");
        automation::FileLock lock(pidFile);
        if (!lock.tryLock()) {
            const int pid = std::atoi(automation::FileLock::read(pidFile).c_str());
            if (pid > 0) kill(pid, SIGTERM);
        }
    }

    // True once the server process has ended (it holds its pid lock while it runs).
    static bool serverEnded() {
        automation::FileLock lock(automation::runFile(kProgId, ".pid"));
        return lock.lockWithin(20000);
    }
    static bool serverRunning() {
        automation::FileLock lock(automation::runFile(kProgId, ".pid"));
        return !lock.tryLock();
    }

    std::string run(const std::string& script, int& failures) {
        std::istringstream in(script);
        std::ostringstream out;
        failures = automation::runScript(in, out);
        return out.str();
    }

    netdb::testing::TestHome home;
};

TEST_F(PlugInServerTest, ADirectorScriptConfiguresADeviceAndTheLastReleaseEndsTheRun) {
    EXPECT_TRUE(automation::lookupClass(kProgId).has_value());
    int failures = 0;
    const std::string out = run(lines({
                                    "create p Korvane_MBX_440.QBXPlugInAPI",
                                    "get p Name",
                                    "put p networkName \"Demo\"",
                                    "call p SendCommand 13 7 \"Demo/Floor 1/MBX 1\"",
                                    "get p networkName",
                                    "get p Visible",
                                    "put p Height 300",
                                    "get p Height",
                                    "put p DevelopmentProgramId \"ABC\"",
                                    "get p DevelopmentProgramId",
                                    "call p SendCommand 14 7 \"Demo/Floor 1/MBX 1\"",
                                    "call p SendCommand 13 5 \"Demo/Floor 1/MBX 1\"",
                                    "call p SendCommand 13 7 \"Demo/MBX 1\"",
                                    "put p networkName \"Nowhere\"",
                                    "put p Version \"2.0\"",
                                    "ui get fMain Me Caption",
                                    "ui get fMain txtnci(97) Visible",
                                    "release p",
                                }),
                                failures);
    EXPECT_EQ(out, lines({
                       "ok",
                       "ok \"Korvane_MBX-440\"",
                       "ok",
                       "ok",
                       "ok \"Demo\"",
                       "ok false",
                       "ok",
                       "ok 300",
                       "ok",
                       "ok \"\"",
                       "error 20003 Korvane_MBX-440|Command not supported",
                       "error 20004 Korvane_MBX-440|Object type not supported for this command",
                       "error 20005 Korvane_MBX-440|Object not found",
                       "error 20006 Korvane_MBX-440|Cannot open the network Nowhere",
                       "error 20002 Korvane_MBX-440|Attempt to write to read-only property",
                       "ok \"Korvane Controls Ltd    \"",
                       "ok false",
                       "ok",
                   }));
    EXPECT_EQ(failures, 5);
    EXPECT_TRUE(serverEnded());
}

TEST_F(PlugInServerTest, TwoDirectorsShareOneProcessUntilBothAreGone) {
    auto first = automation::createObject(kProgId);
    first->put("networkName", "Demo");
    // A second director with its own connection, which it drops without releasing.
    auto second = automation::Connection::open(automation::runFile(kProgId, ".sock"));
    auto other = second->createObject(kProgId);
    EXPECT_EQ(other->get("networkName"), "Demo");
    other.reset();
    second.reset();
    EXPECT_TRUE(serverRunning());
    EXPECT_EQ(first->get("networkName"), "Demo");

    // A visible window keeps the process after the last release...
    first->put("Visible", true);
    first.reset();
    EXPECT_TRUE(serverRunning());
    // ...until a director hides it and lets go again.
    auto last = automation::createObject(kProgId);
    EXPECT_EQ(last->get("Visible"), true);
    last->put("Visible", false);
    last.reset();
    EXPECT_TRUE(serverEnded());
}

TEST_F(PlugInServerTest, CommandLineRegistersAndRemovesTheServer) {
    const std::string exe = std::string("'") + KORVANE_EXE + "'";
    EXPECT_EQ(std::system((exe + " /unregserver").c_str()), 0);
    EXPECT_FALSE(automation::lookupClass(kProgId).has_value());
    EXPECT_EQ(std::system((exe + " /regserver").c_str()), 0);
    EXPECT_EQ(automation::lookupClass(kProgId)->localServer,
              std::filesystem::canonical(KORVANE_EXE).string());
    // The registration command line is not there yet: the program says so and fails.
    const int status = std::system((exe + " /regplugin /english 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
