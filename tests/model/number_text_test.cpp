#include "model/number_text.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"

namespace model {
namespace {

TEST(NumberText, ReadsNumbersWithTheGivenSeparatorOnly) {
    struct Case {
        const char* text;
        const char* separator;
        std::optional<double> expected;
    } cases[] = {
        {"12,5", ",", 12.5},
        {"12.5", ".", 12.5},
        {"12.5", ",", std::nullopt},  // the other separator is no number
        {"12,5", ".", std::nullopt},
        {"1.000", ",", std::nullopt},  // no grouping marks
        {"-9,95", ",", -9.95},
        {"+3", ",", 3},
        {"  7 ", ",", 7},
        {",5", ",", 0.5},
        {"5,", ",", 5},
        {"100,0", "", 100},  // no separator set: the default ","
        {"100.0", "", std::nullopt},
        {"2'5", "'", 2.5},
        {"2dec5", "dec", 2.5},
        {"", ",", std::nullopt},
        {" ", ",", std::nullopt},
        {",", ",", std::nullopt},
        {"-", ",", std::nullopt},
        {"1,2,3", ",", std::nullopt},
        {"1e3", ".", std::nullopt},
        {"12a", ",", std::nullopt},
        {"- 5", ",", std::nullopt},
    };
    for (const Case& t : cases)
        EXPECT_EQ(parseNumber(t.text, t.separator), t.expected)
            << "\"" << t.text << "\" with \"" << t.separator << "\"";
    EXPECT_THROW(numberFromText("abc", ","), platform::Error);
    EXPECT_EQ(numberFromText("6499,6", ","), 6499.6);
}

TEST(NumberText, WritesAtMostFifteenDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* separator;
        const char* expected;
    } cases[] = {
        {0.1 + 0.1 + 0.1, ",", "0,3"},
        {0.1 + 0.1 + 0.1, ".", "0.3"},
        {6499.6 + 0.1, ",", "6499,7"},
        {-9.95 - 0.1 + 0.1, ",", "-9,95"},
        {12.5, "", "12,5"},
        {-10, ",", "-10"},  // whole-number bounds stay whole
        {6500, ".", "6500"},
        {100, ",", "100"},
        {0, ",", "0"},
        {-0.0, ",", "0"},
        {1.0 / 3.0, ",", "0,333333333333333"},
        {123456789012345678.0, ".", "123456789012346000"},
        {0.00001, ",", "0,00001"},
        {2.5, "dec", "2dec5"},
    };
    for (const Case& t : cases)
        EXPECT_EQ(numberToText(t.value, t.separator), t.expected) << t.value;
    EXPECT_THROW(numberToText(1.0 / 0.0, ","), platform::Error);
}

TEST(NumberText, SpinnerStepsRoundTripThroughText) {
    for (const char* sep : {",", "."}) {
        std::string text = "0";
        for (int i = 0; i < 3; ++i) text = numberToText(numberFromText(text, sep) + 0.1, sep);
        EXPECT_EQ(text, std::string("0") + sep + "3");
        for (int i = 0; i < 5; ++i) text = numberToText(numberFromText(text, sep) - 0.1, sep);
        EXPECT_EQ(text, std::string("-0") + sep + "2");
        text = numberToText(numberFromText(std::string("-9") + sep + "95", sep) - 0.05, sep);
        EXPECT_EQ(text, "-10");
    }
}

TEST(NumberText, OnlyCommaAndPointHaveASeparatorKey) {
    EXPECT_EQ(separatorKey(","), ',');
    EXPECT_EQ(separatorKey("."), '.');
    for (const char* other : {"", "'", ".,", "dec"}) EXPECT_EQ(separatorKey(other), std::nullopt);
}

}  // namespace
}  // namespace model
