#include <gtest/gtest.h>

#include "devctrls/frm_alarms.h"
#include "devctrls/frm_status.h"
#include "devctrls/library_texts.h"
#include "fixture.h"
#include "platform/core/error.h"
#include "platform/core/event_loop.h"
#include "platform/ui/input.h"

using devctrls::AlarmFields;
using devctrls::frmAlarms;
using devctrls::frmStatus;
using devctrls_test::ControlsTest;
using devctrls_test::statusWith;

namespace {

std::vector<std::string> icons(const ui::ListView& list) {
    std::vector<std::string> out;
    for (int i = 1; i <= list.itemCount(); ++i) out.push_back(list.item(i).smallIcon);
    return out;
}

using ViewersTest = ControlsTest;

TEST_F(ViewersTest, StatusRowsShowTheFlagsAndFollowChangesWithinFiveSeconds) {
    frmStatus f;
    f.load();
    ASSERT_EQ(f.lstStatus.itemCount(), 23);
    EXPECT_EQ(f.lstStatus.item(5).text, "open circuit");
    EXPECT_EQ(f.lstStatus.item(5).key, "open circuit");
    EXPECT_EQ(f.lstStatus.item(23).text, "alarm notify disabled");
    EXPECT_EQ(f.lstStatus.column(1).width, f.lstStatus.width() - 90);
    EXPECT_EQ(icons(f.lstStatus), std::vector<std::string>(23, "LEDOFF"));

    std::string text = statusWith({devctrls::in_alarm}, 7);
    ASSERT_TRUE(f.ParseStatus(devctrls::statusFromText([&] { return text; })));
    std::vector<std::string> expected(23, "LEDOFF");
    expected[17] = "LEDON";  // row 18, "in alarm"
    EXPECT_EQ(icons(f.lstStatus), expected);

    text = statusWith({devctrls::open_circuit, devctrls::reset_complete});
    platform::EventLoop::instance().advance(4999);
    EXPECT_EQ(f.lstStatus.item(18).smallIcon, "LEDON");
    platform::EventLoop::instance().advance(1);
    EXPECT_EQ(f.lstStatus.item(5).smallIcon, "LEDON");
    EXPECT_EQ(f.lstStatus.item(18).smallIcon, "LEDOFF");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(ViewersTest, UnreadableStatusShowsTheBoxAtEveryRefreshUntilClosed) {
    frmStatus f;
    std::string text = "7 0 1";
    EXPECT_FALSE(f.ParseStatus(devctrls::statusFromText([&] { return text; })));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].request.icon, ui::vbCritical);
    const std::string& msg = boxes()[0].request.text;
    EXPECT_NE(msg.find("7 0 1"), std::string::npos);
    EXPECT_EQ(msg.substr(msg.find('\n')), "\nfrmStatus RepeatParseStatus");
    platform::EventLoop::instance().advance(10000);
    EXPECT_EQ(boxes().size(), 3u);

    f.show();
    ui::typeKeys(f.lstStatus, "{ESC}");  // Escape in the list closes the window
    EXPECT_FALSE(f.isLoaded());
    EXPECT_FALSE(f.Timer1.running());
    platform::EventLoop::instance().advance(10000);
    EXPECT_EQ(boxes().size(), 3u);
}

TEST_F(ViewersTest, AlarmRowsTurnCodesIntoTexts) {
    frmAlarms f;
    f.lstAlarms.setWidth(3090);
    f.load();
    EXPECT_EQ(f.lstAlarms.column(1).width, 1000);
    EXPECT_EQ(f.lstAlarms.column(2).width, 2000);
    EXPECT_EQ(f.lstAlarms.column(2).key, "Value");
    ASSERT_EQ(f.lstAlarms.itemCount(), 7);
    EXPECT_EQ(f.lstAlarms.item(5).text, "Priority Level");

    AlarmFields alarm{9, "18.00", "Room 12", 3, 2, "2026/12/10 13:05:09", "17.50"};
    ASSERT_TRUE(f.ParseAlarm(devctrls::alarmFrom([&] { return alarm; })));
    std::vector<std::string> values;
    for (int i = 1; i <= 7; ++i) values.push_back(f.lstAlarms.subItem(i, 1));
    EXPECT_EQ(values, (std::vector<std::string>{"Alarm low limit alarm 1", "18.00", "Room 12", "3",
                                                "PR_LEVEL_2", "2026/12/10 13:05:09", "17.50"}));

    alarm.alarmType = -1;
    alarm.priorityLevel = 11;
    platform::EventLoop::instance().advance(5000);
    EXPECT_EQ(f.lstAlarms.subItem(1, 1), "********alarm_type*********");
    EXPECT_EQ(f.lstAlarms.subItem(5, 1), "PR_16 HVAC RTN (lowest priority)");
    EXPECT_TRUE(boxes().empty());

    // A priority without text fails after the rows before it were refreshed.
    alarm.objectId = 4;
    alarm.priorityLevel = 12;
    EXPECT_FALSE(f.RepeatParseAlarm());
    EXPECT_EQ(f.lstAlarms.subItem(4, 1), "4");
    ASSERT_EQ(boxes().size(), 1u);
    const std::string& msg = boxes()[0].request.text;
    EXPECT_EQ(msg.substr(msg.find('\n')), "\nfrmAlarms RepeatParseAlarm");
}

TEST(LibraryTexts, CodesOutsideTheTablesHaveNoText) {
    for (int type : {-2, 22}) EXPECT_THROW(devctrls::alarmTypeText(type), platform::Error) << type;
    for (int level : {-2, 12})
        EXPECT_THROW(devctrls::priorityLevelText(level), platform::Error) << level;
    EXPECT_EQ(devctrls::alarmTypeText(21), "Maintenance Alert");
    EXPECT_EQ(devctrls::priorityLevelText(-1), "*******priority_level*********");
    EXPECT_EQ(devctrls::libraryText(500), "***** Satus Bar ************");
    EXPECT_THROW(devctrls::libraryText(98), platform::Error);
}

TEST(StatusText, ParsesTheObjectIdAndTwentyFourFlags) {
    auto s = devctrls::StatusFlags::parse(statusWith({devctrls::report_mask}, 7));
    EXPECT_EQ(s.objectId, 7);
    EXPECT_TRUE(s[devctrls::report_mask]);
    EXPECT_FALSE(s.inException());  // a reporting setting is no condition
    EXPECT_TRUE(devctrls::StatusFlags::parse(statusWith({devctrls::in_alarm})).alarmPresent());
    EXPECT_TRUE(devctrls::StatusFlags::parse(statusWith({devctrls::comm_failure})).inException());
    for (const char* bad : {"", "70000 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                            "1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"})
        EXPECT_THROW(devctrls::StatusFlags::parse(bad), platform::Error) << bad;
}

}  // namespace
