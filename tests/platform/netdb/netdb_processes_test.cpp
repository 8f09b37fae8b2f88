// Two processes on one network database: each sees the other's changes at its next read, and
// concurrent writers lose nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/error.h"
#include "tests/platform/netdb/test_home.h"

using netdb::testing::TestHome;

namespace {
// Runs fn in a child process with its own service on the same home; returns its exit status.
template <class Fn>
pid_t spawn(Fn fn) {
    pid_t pid = ::fork();
    if (pid == 0) {
        int rc = 0;
        try {
            rc = fn();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "child: %s\n", e.what());
            rc = 2;
        }
        std::fflush(nullptr);
        ::_exit(rc);
    }
    return pid;
}
int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}
}  // namespace

TEST(NetdbProcesses, AWriteOfOneProcessIsReadByTheOtherAndConcurrentWritersLoseNothing) {
    TestHome home;
    auto dev = home.addDevice("Net", "Sub", "Dev", TestHome::miniXif());
    auto cp = netdb::propertyByReference(*dev, "F:1/C:3:39");
    auto nv = dev->Interface().NetworkVariables().Item(1);
    const int kRounds = 40;

    // The child creates devices and writes a property while the parent does the same.
    pid_t child = spawn([&] {
        netdb::ObjectServer server(home.path());
        server.Open();
        auto net = server.Networks().Item("Net");
        net->Open();
        auto sys = net->Systems().Item(1);
        sys->Open();
        auto sub = sys->Subsystems().Item("Sub");
        auto tmpl = sys->TemplateLibrary().deviceTemplates().Item("mini");
        auto mine = sub->AppDevices().Item("Dev");
        for (int i = 0; i < kRounds; ++i) {
            sub->AppDevices().Add("Child " + std::to_string(i), tmpl);
            netdb::propertyByReference(*mine, "F:2/C:3:39")->SetValue("1,2,3," + std::to_string(i));
        }
        return 0;
    });
    auto sub = home.system("Net")->Subsystems().Item("Sub");
    auto tmpl = home.system("Net")->TemplateLibrary().deviceTemplates().Item("mini");
    for (int i = 0; i < kRounds; ++i) {
        sub->AppDevices().Add("Parent " + std::to_string(i), tmpl);
        cp->SetValue("4,5,6," + std::to_string(i));
    }
    ASSERT_EQ(waitFor(child), 0);

    EXPECT_EQ(sub->AppDevices().Count(), 1 + 2 * kRounds);
    EXPECT_EQ(netdb::propertyByReference(*dev, "F:2/C:3:39")->Value(),
              netdb::propertyByReference(*dev, "F:2/C:3:39")->Value());
    EXPECT_NE(
        netdb::propertyByReference(*dev, "F:2/C:3:39")->Value().find(std::to_string(kRounds - 1)),
        std::string::npos)
        << "the child's last write is read here without reopening";

    // And the other way round: the child reads what the parent wrote last.
    nv->SetValue("1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    std::string expected = nv->Value();
    pid_t reader = spawn([&] {
        netdb::ObjectServer server(home.path());
        server.Open();
        auto net = server.Networks().Item("Net");
        net->Open();
        auto d = net->Systems().Item(1)->Subsystems().Item("Sub")->AppDevices().Item("Dev");
        return d->Interface().NetworkVariables().Item(1)->Value() == expected ? 0 : 1;
    });
    EXPECT_EQ(waitFor(reader), 0);
}
