// The qbx executable end to end, in a temporary home: init, networks, devices of every variant,
// values, registry, and errors that print one line and change nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "platform/core/paths.h"

namespace fs = std::filesystem;

namespace {
struct Result {
    int status;
    std::string out, err;
};

class QbxCli : public ::testing::Test {
  protected:
    void SetUp() override {
        home = fs::temp_directory_path() / ("qbx_cli_" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home);
    }
    void TearDown() override { fs::remove_all(home); }

    // Runs qbx with --home and the arguments (each quoted for the shell).
    Result qbx(const std::vector<std::string>& args) {
        std::string cmd = std::string("QBX_DATA_DIR='") + QBX_TEST_SOURCE_DIR + "/data' '" +
                          QBX_EXE + "' --home '" + (home / "h").string() + "'";
        for (const auto& a : args) cmd += " '" + a + "'";
        cmd += " >'" + (home / "out").string() + "' 2>'" + (home / "err").string() + "'";
        int rc = std::system(cmd.c_str());
        return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, platform::readFile(home / "out"),
                platform::readFile(home / "err")};
    }
    nlohmann::json json(const std::vector<std::string>& args) {
        auto r = qbx(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return nlohmann::json::parse(r.out);
    }
    fs::path home;
};

size_t lines(const std::string& s) {
    return static_cast<size_t>(std::count(s.begin(), s.end(), '\n'));
}
}  // namespace

TEST_F(QbxCli, InitNetworkAndDevicesOfEveryVariant) {
    ASSERT_EQ(qbx({"init", "--decimal-separator", "."}).status, 0);
    auto again = json({"init", "--json"});  // idempotent, keeps the separator
    EXPECT_EQ(again["xifInstalled"].size(), 3u);
    EXPECT_EQ(qbx({"registry", "get", "user", "Control Panel\\International", "sDecimal"}).out,
              ".\n");
    EXPECT_EQ(qbx({"registry", "get", "machine", "SOFTWARE\\Fieldara", "Fieldara Path"}).out,
              (home / "h" / "platform").string() + "\n");
    EXPECT_TRUE(fs::exists(home / "h/platform/Import/Korvane/MBX-440/mbxn_9_1_02/mbxn_9_1_02.XIF"));
    EXPECT_TRUE(fs::is_directory(home / "h/platform/Types"));

    ASSERT_EQ(qbx({"network", "create", "Demo"}).status, 0);
    for (const char* v : {"8", "9", "13"})
        ASSERT_EQ(qbx({"device", "add", "Demo", "Floor 1", std::string("MBX ") + v, "--variant", v})
                      .status,
                  0);
    ASSERT_EQ(qbx({"device", "add", "Demo", "Floor 2", "Off", "--variant", "9", "--state", "6",
                   "--uncommissioned"})
                  .status,
              0);
    auto list = json({"device", "list", "Demo", "--json"});
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[3]["stateCode"], 6);
    EXPECT_EQ(list[3]["commissioned"], false);
    EXPECT_EQ(json({"network", "list", "--json"})[0]["devices"], 4);

    for (auto [name, nvs] : {std::pair{"MBX 8", 59}, {"MBX 9", 60}, {"MBX 13", 60}}) {
        auto dev = json({"device", "show", std::string("Demo/Floor 1/") + name, "--json"});
        EXPECT_EQ(dev["properties"].size(), 98u) << name;
        EXPECT_EQ(dev["variables"].size(), static_cast<size_t>(nvs)) << name;
        EXPECT_EQ(dev["properties"][0]["reference"], "F:0/C:3:40");
    }
}

TEST_F(QbxCli, ValuesAndErrorsThatChangeNothing) {
    ASSERT_EQ(qbx({"init"}).status, 0);
    ASSERT_EQ(qbx({"network", "create", "Demo"}).status, 0);
    ASSERT_EQ(qbx({"device", "add", "Demo", "Sub", "Dev", "--variant", "9"}).status, 0);
    const std::string dev = "Demo/Sub/Dev";

    EXPECT_EQ(qbx({"cp", "set", dev, "F:0/C:3:40", "18,5"}).out, "18,50\n");
    EXPECT_EQ(qbx({"cp", "set", dev, "F:0/C:3:71", "2,5", "--element", "3"}).status, 0);
    EXPECT_EQ(qbx({"cp", "get", dev, "F:0/C:3:71", "--element", "3"}).out, "2,5\n");
    EXPECT_EQ(json({"nv", "bind", dev, "23", "--json"})["connections"], 1);
    EXPECT_EQ(json({"nv", "unbind", dev, "23", "--json"})["connections"], 0);

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string mentions;
    } cases[] = {
        {{"cp", "set", dev, "F:0/C:3:40", "warm"}, 1, "SNVT_temp_p"},
        {{"cp", "set", dev, "F:0/C:3:40", "500"}, 1, "500"},
        {{"cp", "get", dev, "F:0/C:9:40"}, 1, "F:0/C:9:40"},
        {{"cp", "get", "Demo/Sub", "F:0/C:3:40"}, 2, "NETWORK/SUBSYSTEM/DEVICE"},
        {{"nv", "get", "Demo/Sub/Nobody", "5"}, 1, "\"Nobody\""},
        {{"device", "add", "Demo", "Sub", "Dev", "--variant", "9"}, 1, "already exists"},
        {{"device", "add", "Demo", "Other", "X", "--variant", "7"}, 2, "--variant"},
        {{"network", "create", "Demo"}, 1, "already exists"},
        {{"registry", "get", "users", "X"}, 2, "\"users\""},
        {{"device", "list", "Demo", "--colour"}, 2, "--colour"},
    };
    for (const auto& c : cases) {
        auto r = qbx(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << ": " << r.err;
        EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
        if (c.status == 1) {
            EXPECT_EQ(lines(r.err), 1u) << r.err;
        }
    }
    EXPECT_EQ(qbx({"cp", "get", dev, "F:0/C:3:40"}).out, "18,50\n")
        << "refused writes changed nothing";
    EXPECT_EQ(json({"device", "list", "Demo", "--json"}).size(), 1u);
    EXPECT_EQ(json({"device", "show", dev, "--json"})["variables"].size(), 60u)
        << "no subsystem or device was left behind";

    ASSERT_EQ(qbx({"registry", "set", "machine", "A\\B\\C", "v", "1"}).status, 0);
    ASSERT_EQ(qbx({"registry", "delete", "machine", "A"}).status, 0);
    EXPECT_EQ(qbx({"registry", "get", "machine", "A\\B"}).status, 1) << "subkeys went with it";
}
