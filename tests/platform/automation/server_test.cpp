// The component system through the real socket and the real test server executable.

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <thread>

#include "platform/automation/connection.h"
#include "platform/core/error.h"
#include "test_home.h"

extern char** environ;

using automation::Value;

namespace {
int runServer(const char* arg) {
    pid_t pid;
    char* argv[] = {const_cast<char*>(AUTOMATION_TEST_SERVER), const_cast<char*>(arg), nullptr};
    if (posix_spawn(&pid, AUTOMATION_TEST_SERVER, nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int64_t create(automation::Connection& c) {
    return c.request(Value{{"op", "create"}, {"class", "Test.Counter"}}).get<int64_t>();
}

Value get(automation::Connection& c, int64_t object, const char* member) {
    return c.request(Value{{"op", "get"}, {"object", object}, {"member", member}});
}

// Reads replies until the one with this id; the others are kept for later calls.
Value replyTo(automation::Connection& c, int id, std::vector<Value>& seen) {
    for (auto it = seen.begin(); it != seen.end(); ++it)
        if ((*it)["id"] == id) {
            Value r = *it;
            seen.erase(it);
            return r;
        }
    for (;;) {
        Value r = Value::parse(c.receiveLine());
        if (r["id"] == id) return r;
        seen.push_back(r);
    }
}

void waitUntilNested(automation::Connection& c) {
    for (int i = 0; i < 1000; ++i) {
        if (c.ui(Value{{"op", "state"}})["nested"] == true) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    FAIL() << "the server never entered its nested loop";
}
}  // namespace

using ServerRegistration = AutomationHome;

TEST_F(ServerRegistration, RegserverWritesTheClassEntryAndUnregserverRemovesIt) {
    automation::unregisterServer(kClass);
    EXPECT_FALSE(automation::lookupClass(kClass));
    ASSERT_EQ(runServer("/RegServer"), 0);
    auto entry = automation::lookupClass("test.counter");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->localServer, std::filesystem::canonical(AUTOMATION_TEST_SERVER).string());
    EXPECT_EQ(entry->inprocServer, "");
    ASSERT_EQ(runServer("/unregserver"), 0);
    EXPECT_FALSE(automation::lookupClass(kClass));
    EXPECT_EQ(runServer("--help"), 2) << "other command lines are left to the program";
}

using Activation = AutomationHome;

TEST_F(Activation, ConcurrentDirectorsStartOneServerInAPrivateRunFolder) {
    std::shared_ptr<automation::Connection> a, b;
    std::string errA, errB;
    auto activate = [&](std::shared_ptr<automation::Connection>& c, std::string& err) {
        try {
            c = connect();
        } catch (const platform::Error& e) {
            err = e.description;
        }
    };
    std::thread ta(activate, std::ref(a), std::ref(errA));
    std::thread tb(activate, std::ref(b), std::ref(errB));
    ta.join();
    tb.join();
    ASSERT_TRUE(a && b) << errA << errB;
    int64_t oa = create(*a), ob = create(*b);
    EXPECT_EQ(get(*a, oa, "Pid"), get(*b, ob, "Pid"));
    EXPECT_EQ(get(*a, oa, "Count"), 2);
    EXPECT_EQ(serverStarts(), 1);
    struct stat st {};
    ASSERT_EQ(::stat((home / "run").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700);
}

TEST_F(Activation, UnstartableOrUnregisteredServersFailWithAClearError) {
    automation::registerLocalServer("Test.Missing", home / "no-such-server");
    try {
        automation::createObject("Test.Missing", options);
        ADD_FAILURE() << "created";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, automation::errc::kCannotCreate);
        EXPECT_NE(e.description.find("no-such-server"), std::string::npos) << e.description;
    }
    automation::registerLocalServer("Test.Quitter", "/bin/false");
    try {
        automation::createObject("Test.Quitter", options);
        ADD_FAILURE() << "created";
    } catch (const platform::Error& e) {
        EXPECT_NE(e.description.find("ended during start-up"), std::string::npos) << e.description;
    }
    try {
        automation::createObject("Test.Unknown", options);
        ADD_FAILURE() << "created";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, automation::errc::kCannotCreate);
        EXPECT_NE(e.description.find("Test.Unknown"), std::string::npos) << e.description;
    }
}

using Objects = AutomationHome;

TEST_F(Objects, ADroppedConnectionReleasesItsObjects) {
    auto a = connect();
    auto b = connect();
    create(*a);
    create(*a);
    int64_t mine = create(*b);
    EXPECT_EQ(get(*b, mine, "Count"), 3);
    a.reset();  // the director goes away without releasing
    Value count;
    for (int i = 0; i < 1000 && (count = get(*b, mine, "Count")) != 1; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(count, 1);
    // An explicit release counts down too; the last one ends the server like the plug-in.
    b->request(Value{{"op", "release"}, {"object", mine}});
    EXPECT_THROW(get(*b, mine, "Count"), platform::Error);
}

TEST_F(Objects, ProxiesCallByNameAndErrorsKeepNumberSourceAndDescription) {
    auto obj = automation::createObject(kClass, options);
    ASSERT_TRUE(automation::connectionOf(obj));
    obj->put("value", 41);
    EXPECT_EQ(obj->get("VALUE"), 41);
    EXPECT_EQ(obj->call("Add", 40, 2), 42);
    struct Case {
        std::function<void()> fn;
        int number;
        const char* source;
        const char* description;
    };
    const Case cases[] = {
        {[&] { obj->call("Fail"); }, 20003, "Korvane_MBX-440", "Command not supported"},
        {[&] { obj->get("Nothing"); }, automation::errc::kNoSuchMember, "Test.Counter",
         "Object doesn't support this property or method: Nothing (get)"},
        {[&] { obj->put("Value", "many"); }, automation::errc::kTypeMismatch, "Test.Counter",
         "Type mismatch: Value expects a number, got \"many\""},
        {[&] { obj->call("Add", 1); }, automation::errc::kWrongArguments, "Test.Counter",
         "Wrong number of arguments or invalid property assignment: Add takes 2, got 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        try {
            c.fn();
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number, c.number);
            EXPECT_EQ(e.source, c.source);
            EXPECT_EQ(e.description, c.description);
        }
    }
    // A second object of the same class shares the connection; both are served.
    auto other = automation::createObject(kClass, options);
    EXPECT_EQ(automation::connectionOf(other), automation::connectionOf(obj));
    EXPECT_EQ(other->get("Count"), 2);
}

TEST_F(Objects, MalformedRequestsGetAnErrorReplyAndDisturbNobody) {
    auto bad = connect();
    auto good = connect();
    int64_t object = create(*good);
    const char* lines[] = {
        "this is not json",
        "[1,2,3]",
        R"({"id":5,"op":"frobnicate"})",
        R"({"id":6})",
        R"({"id":7,"op":"get","object":999,"member":"Value"})",
        R"({"id":8,"op":"create","class":"Other.Class"})",
        R"({"id":9,"op":"call","object":1,"member":"Add","args":"notalist"})",
        R"({"id":10,"op":"get","object":1})",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        bad->sendRaw(line);
        Value reply = Value::parse(bad->receiveLine());
        ASSERT_TRUE(reply.contains("error")) << reply.dump();
        EXPECT_TRUE(reply["error"]["number"].is_number_integer());
        EXPECT_FALSE(reply["error"]["description"].get<std::string>().empty());
        EXPECT_EQ(get(*good, object, "Count"), 1) << "the other director goes on";
    }
    EXPECT_EQ(create(*bad), 1) << "the connection that sent them goes on too";
}

using TopLevel = AutomationHome;

TEST_F(TopLevel, CallsWaitWhileTheServerIsInANestedLoopButUiRequestsAreServed) {
    auto a = connect();
    auto b = connect();
    int64_t oa = create(*a), ob = create(*b);
    a->sendRaw(R"({"id":100,"op":"call","object":)" + std::to_string(oa) +
               R"(,"member":"RunNested","args":[]})");
    waitUntilNested(*b);
    // Behind a call, a ui request on the same connection overtakes it: the call waits for the
    // top level, the input is served inside the nested loop.
    b->sendRaw(R"({"id":200,"op":"get","object":)" + std::to_string(ob) + R"(,"member":"Depth"})");
    b->sendRaw(R"({"id":201,"op":"ui","request":{"op":"state"}})");
    Value first = Value::parse(b->receiveLine());
    EXPECT_EQ(first["id"], 201);
    EXPECT_EQ(first["value"]["nested"], true);
    b->sendRaw(R"({"id":202,"op":"ui","request":{"op":"end-nested"}})");
    std::vector<Value> seen;
    EXPECT_EQ(replyTo(*a, 100, seen)["value"], "nested done");
    Value depth = replyTo(*b, 200, seen);
    EXPECT_EQ(replyTo(*b, 202, seen)["value"], nullptr);
    EXPECT_EQ(depth["value"], get(*b, ob, "Depth")) << "served at the top level";
}

TEST_F(TopLevel, UiInputThatOpensAModalLoopIsAnsweredWhenThatLoopIsIdle) {
    ::setenv("QBX_VIRTUAL_CLOCK", "1", 1);  // passed on to the server it starts
    auto c = connect();
    create(*c);
    EXPECT_EQ(c->ui(Value{{"op", "state"}})["virtual"], true);
    EXPECT_EQ(c->ui(Value{{"op", "modal"}}), nullptr) << "answered from inside the modal loop";
    EXPECT_EQ(c->ui(Value{{"op", "state"}})["nested"], true);
    c->ui(Value{{"op", "end-nested"}});
    EXPECT_EQ(c->ui(Value{{"op", "state"}})["nested"], false);
    try {
        c->ui(Value{{"op", "unknown"}});
        ADD_FAILURE() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.source, "test server");
    }
}
