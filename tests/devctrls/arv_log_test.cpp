#include "devctrls/arv_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <vector>

#include "devctrls/c_registry.h"
#include "devctrls/log_file.h"
#include "fixture.h"
#include "platform/automation/script_runner.h"
#include "platform/core/error.h"
#include "platform/core/paths.h"
#include "platform/registry/registry.h"
#include "platform/ui/input.h"
#include "platform/ui/screen.h"
#include "platform/ui/services.h"

namespace fs = std::filesystem;
using devctrls::ArvLog;
using devctrls_test::ControlsTest;

namespace {

constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The lines of a saved log, each of which must end with CR LF.
std::vector<std::string> fileLines(const fs::path& file) {
    std::string bytes = platform::readFile(file);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "last line without CR LF";
        if (end == std::string::npos) break;
        std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

const std::vector<std::string> kRuleAndHeads = {std::string(46, '_'), "Time Stamp    Command",
                                                std::string(46, '_')};

class ArvLogTest : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        log = std::make_unique<ArvLog>(*host);
        file = home / "session.txt";
    }
    void TearDown() override {
        log.reset();
        ControlsTest::TearDown();
    }
    // Saves through the dialog, which chooses `path`.
    void saveAs(const fs::path& path) {
        ui::headless().answerFile(path.string());
        log->SaveAsLog();
    }
    std::unique_ptr<ArvLog> log;
    fs::path file;
};

TEST_F(ArvLogTest, EmptyLogSavesExactlyTheSixHeaderLines) {
    saveAs(file);
    auto lines = fileLines(file);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "QBX Device Plugin Log File");
    EXPECT_EQ(lines[1], devctrls::longDate(devctrls::localNow()));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()), kRuleAndHeads);
    EXPECT_EQ(log->LogFileName(), file.string());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ArvLogTest, EntryLinesKeepTheirOrderAndLayoutInWindows1252) {
    log->setLogCommand("writing Parameters...");
    log->setLogError("Error: not a number");
    log->LogOk();
    log->setLogCommand("Übertragen");
    const ui::ListView& list = log->lstLog();
    ASSERT_EQ(list.itemCount(), 4);
    EXPECT_EQ(list.item(1).smallIcon, "REQ");
    EXPECT_EQ(list.item(2).smallIcon, "ERR");
    EXPECT_EQ(list.item(3).smallIcon, "OK");
    EXPECT_EQ(list.item(3).text, "OK");
    EXPECT_EQ(list.subItem(2, 1), "");  // errors and acknowledgements have no time stamp
    EXPECT_EQ(list.selectedItem(), 4);  // the newest entry is selected

    saveAs(file);
    auto lines = fileLines(file);
    ASSERT_EQ(lines.size(), 10u);
    std::regex stamped(R"(^([01]\d|2[0-3]):[0-5]\d:[0-5]\d {6}writing Parameters\.\.\.$)");
    EXPECT_TRUE(std::regex_match(lines[6], stamped)) << lines[6];
    EXPECT_EQ(lines[7], std::string(14, ' ') + "Error: not a number");
    EXPECT_EQ(lines[8], std::string(14, ' ') + "OK");
    EXPECT_EQ(lines[9].substr(8), std::string(6, ' ') +
                                      "\xDC"
                                      "bertragen");
}

TEST_F(ArvLogTest, SavingAgainReplacesTheFileAndClearThenSaveLogNeedsNoDialog) {
    platform::writeFileAtomically(file, std::string(5000, 'x'));  // an older, longer file
    log->setLogError("first");
    saveAs(file);  // chosen in the dialog: replaced without a question
    std::string once = platform::readFile(file);
    log->SaveLog();
    EXPECT_EQ(platform::readFile(file), once);
    EXPECT_EQ(fileLines(file).size(), 7u);

    log->Clear();
    EXPECT_EQ(log->lstLog().itemCount(), 0);
    log->SaveLog();
    EXPECT_EQ(fileLines(file).size(), 6u);
    EXPECT_EQ(log->LogFileName(), file.string());  // survives Clear
    EXPECT_EQ(ui::headless().fileDialogs().size(), 1u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ArvLogTest, SaveDialogSettingsAndDocumentsFolder) {
    log->SaveLog();  // no name yet: asks, and the cancelled dialog writes nothing
    ASSERT_EQ(ui::headless().fileDialogs().size(), 1u);
    const ui::FileDialogRequest& r = ui::headless().fileDialogs()[0].request;
    EXPECT_EQ(r.kind, ui::FileDialogKind::Save);
    EXPECT_EQ(r.initDir, platform::documentsFolder().string());
    EXPECT_EQ(r.flags, ui::cdlOFNHideReadOnly);
    EXPECT_EQ(r.defaultExt, ".txt");
    EXPECT_EQ(r.filter, "Text (*.txt)|*.txt");
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(log->LogFileName(), "");
    EXPECT_FALSE(log->SaveFile());

    platform::Registry::instance().setString(platform::Hive::User, kShellFolders, "Personal",
                                             "C:\\Users\\ana\\Documents");
    saveAs(home / "named");  // the default extension is added to a name without one
    EXPECT_EQ(ui::headless().fileDialogs()[1].request.initDir, "/Users/ana/Documents");
    EXPECT_EQ(log->LogFileName(), (home / "named.txt").string());
    EXPECT_TRUE(fs::exists(home / "named.txt"));

    ui::headless().cancelFile();  // a cancel keeps the remembered name
    log->SaveAsLog();
    EXPECT_EQ(log->LogFileName(), (home / "named.txt").string());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ArvLogTest, UnwritableFileShowsTheErrorAndKeepsListAndName) {
    platform::writeFileAtomically(file, "old");
    saveAs(file);
    log->setLogCommand("kept");
    fs::path blocked = home / "no such folder" / "log.txt";
    saveAs(blocked);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].request.title, "Log SaveFile");
    EXPECT_EQ(boxes()[0].request.icon, ui::vbCritical);
    EXPECT_NE(boxes()[0].request.text.find("log.txt"), std::string::npos);
    EXPECT_EQ(log->lstLog().itemCount(), 1);
    EXPECT_EQ(log->LogFileName(), blocked.string());
    EXPECT_FALSE(log->SaveFile());  // a later save tries the same file again
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(ui::screen().mousePointer(), ui::vbDefault);
}

TEST_F(ArvLogTest, ColumnsShareTheWidthFiveToTwo) {
    EXPECT_EQ(log->lstLog().columnCount(), 2);
    EXPECT_EQ(log->lstLog().column(1).key, "Value");
    EXPECT_EQ(log->lstLog().column(2).text, "TimeStamp");
    log->move(0, 4000, 980, 1500);
    EXPECT_EQ(log->widthUnit(), 100);
    EXPECT_EQ(log->lstLog().width(), 980);
    EXPECT_EQ(log->lstLog().height(), 1500);
    EXPECT_EQ(log->lstLog().column(1).width, 500);
    EXPECT_EQ(log->lstLog().column(2).width, 200);
    log->move(0, 4000, 200, 1500);  // narrower than the margin: no negative widths
    EXPECT_EQ(log->lstLog().column(1).width, 0);
    EXPECT_EQ(devctrls::logWidthUnit(9000), 1246);  // 8720 / 7 = 1245.7
}

TEST_F(ArvLogTest, DoubleClickShowsTheSelectedEntryWhole) {
    std::string longText(300, 'w');
    log->setLogError(longText);
    ui::doubleClick(log->lstLog());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].request.text, longText);
    EXPECT_EQ(boxes()[0].request.icon, ui::vbInformation);
    EXPECT_EQ(boxes()[0].request.title, "");
}

TEST_F(ArvLogTest, RequestNeedsAVisibleListAndTakesTheFocus) {
    log->setLogCommand("a");
    EXPECT_TRUE(log->lstLog().hasFocus());
    host->hide();
    EXPECT_THROW(log->setLogCommand("b"), platform::Error);
    log->setLogError("errors need no focus");
    EXPECT_EQ(log->lstLog().itemCount(), 2);
}

TEST(CRegistryTest, GetKeyValueReadsStringsThatFitTheBuffer) {
    fs::path home = fs::temp_directory_path() / ("qbx_creg_" + std::to_string(::getpid()));
    fs::remove_all(home);
    ::setenv("QBX_HOME", home.c_str(), 1);
    auto& reg = platform::Registry::instance();
    const char* key = "Software\\Test";
    struct Case {
        std::string stored;
        platform::ValueType type;
        std::string expected;
    } cases[] = {
        {std::string(1500, 'a'), platform::ValueType::String, ""},
        {std::string(1024, 'b'), platform::ValueType::String, ""},  // no room for the NUL
        {std::string(1023, 'c'), platform::ValueType::String, std::string(1023, 'c')},
        {"%HOME%\\x", platform::ValueType::ExpandString, "%HOME%\\x"},  // not expanded
        {std::string("cut\0here", 8), platform::ValueType::String, "cut"},
        {"7", platform::ValueType::Number, ""},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::string name = "v" + std::to_string(i);
        reg.setString(platform::Hive::User, key, name, cases[i].stored, cases[i].type);
        EXPECT_EQ(devctrls::CRegistry::GetKeyValue(platform::Hive::User, key, name),
                  cases[i].expected)
            << "case " << i;
    }
    EXPECT_EQ(devctrls::CRegistry::GetKeyValue(platform::Hive::User, key, "missing"), "");
    EXPECT_EQ(devctrls::CRegistry::GetKeyValue(platform::Hive::User, "Software\\None", "v0"), "");
    EXPECT_EQ(devctrls::CRegistry::GetKeyValue(platform::Hive::Machine, key, "v2"), "");
    fs::remove_all(home);
}

TEST_F(ControlsTest, ArvLogByIdentifierAndMemberNames) {
    auto log = create("WcxDevCtrs.ArvLog");
    ASSERT_NE(log, nullptr);
    log->put("Container", "fMain");
    log->put("Width", 980);
    log->put("LogCommand", "writing Parameters...");
    log->put("LogError", "Error: not a number");
    log->call("LogOk");
    fs::path file = home / "by_name.txt";
    ui::headless().answerFile(file.string());
    log->call("SaveAsLog");
    EXPECT_EQ(fileLines(file).size(), 9u);
    log->call("Clear");
    log->call("SaveLog");
    EXPECT_EQ(fileLines(file).size(), 6u);
    EXPECT_EQ(ui::headless().fileDialogs().size(), 1u);

    auto& list = static_cast<ui::ListView&>(host->control("lstLog"));
    EXPECT_EQ(list.column(1).width, 500);
    try {
        log->call("LogLine", "x");
        FAIL() << "unknown member accepted";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, 438);
    }
    try {
        automation::createObject("WcxDevCtrs.Unknown");
        FAIL() << "unknown class created";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number, 429);
    }
}

TEST_F(ControlsTest, ArvLogMovesItsEntriesToTheHost) {
    auto log = create("WcxDevCtrs.ArvLog");
    log->put("Visible", true);  // alone on its surface it is its own window
    log->put("LogCommand", "before");
    log->put("Container", "fMain");
    log->put("LogCommand", "after");
    auto& list = static_cast<ui::ListView&>(host->control("lstLog"));
    ASSERT_EQ(list.itemCount(), 2);
    EXPECT_EQ(list.item(1).text, "before");
    EXPECT_EQ(ui::findForm("ArvLog"), nullptr);  // the surface is gone
}

TEST_F(ControlsTest, DirectorScriptLogsAndSaves) {
    automation::registerInprocServer("WcxDevCtrs.ArvLog", WCXDEVCTRS_LIBRARY);
    fs::path file = home / "script.txt";
    ui::headless().answerFile(file.string());
    std::istringstream script(
        "create log WcxDevCtrs.ArvLog\n"
        "put log Visible true\n"
        "put log LogCommand \"writing Parameters...\"\n"
        "put log LogError \"Error: not a number\"\n"
        "call log SaveAsLog\n"
        "call log SaveLog\n");
    std::ostringstream out;
    EXPECT_EQ(automation::runScript(script, out), 0) << out.str();
    EXPECT_EQ(out.str(), "ok\nok\nok\nok\nok\nok\n");
    auto lines = fileLines(file);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[7], std::string(14, ' ') + "Error: not a number");
}

}  // namespace
