#pragma once
// A private platform home per test, with the test server registered as the local server of
// "Test.Counter". The server a test started is ended at tear-down if it still runs.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/automation/activation.h"
#include "platform/automation/class_registry.h"
#include "platform/automation/run_files.h"

class AutomationHome : public ::testing::Test {
  protected:
    static constexpr const char* kClass = "Test.Counter";

    void SetUp() override {
        // Short paths: the sockets live below the home.
        static int n = 0;
        home = std::filesystem::path("/tmp") /
               ("qbxa_" + std::to_string(::getpid()) + "_" + std::to_string(++n));
        std::filesystem::remove_all(home);
        std::filesystem::create_directories(home);
        ::setenv("QBX_HOME", home.c_str(), 1);
        automation::registerLocalServer(kClass, AUTOMATION_TEST_SERVER);
        options.timeoutMs = 30000;
        options.replyTimeoutMs = 30000;
    }

    void TearDown() override {
        ::unsetenv("QBX_VIRTUAL_CLOCK");
        // A server still holding its lock is one this test started: end it by its id.
        auto pidFile = home / "run" / "test.counter.pid";
        if (std::filesystem::exists(pidFile)) {
            automation::FileLock probe(pidFile);
            if (!probe.tryLock()) {
                int pid = std::atoi(automation::FileLock::read(pidFile).c_str());
                if (pid > 0) ::kill(pid, SIGTERM);
            }
        }
        std::filesystem::remove_all(home);
    }

    int serverStarts() const {
        std::ifstream in(home / "server_starts.log");
        int lines = 0;
        for (std::string l; std::getline(in, l);) ++lines;
        return lines;
    }

    std::shared_ptr<automation::Connection> connect() {
        return automation::activate(kClass, AUTOMATION_TEST_SERVER, options);
    }

    std::filesystem::path home;
    automation::ActivationOptions options;
};
