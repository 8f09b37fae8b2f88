#include "model/value_text.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"

namespace model {
namespace {

constexpr const char* kZeros = "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";

TEST(StateBit, ReadsAndWritesOneDigit) {
    struct Case {
        const char* state;
        bool write;
        int bit;
        bool value;
        const char* expected;
    } cases[] = {
        {kZeros, true, 0, true, "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"},
        {kZeros, true, 15, true, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1"},
        {kZeros, true, 7, true, "0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0"},
        {"1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", true, 1, false, "1 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1"},
        {"1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", false, 0, false, "1"},
        {"0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0", false, 1, false, "1"},
        {"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1", false, 15, false, "1"},
        {kZeros, false, 15, false, "0"},
        // Short and empty texts are worked on as they are.
        {"", false, 0, false, ""},
        {"", true, 0, true, "1"},
        {"", true, 9, false, "0"},
        {"1 0", false, 0, false, "1"},
        {"1 0", false, 5, false, "0"},         // head is the whole text
        {"1 0", true, 0, false, "01 0"},       // head "1", tail the whole text
        {"1 0 1", true, 14, true, "1 0 1 1"},  // head and tail overlap
    };
    for (const Case& t : cases)
        EXPECT_EQ(StateBit(t.state, t.write, t.bit, t.value), t.expected)
            << "\"" << t.state << "\" bit " << t.bit << (t.write ? " write" : " read");
}

TEST(StateBit, BitOutsideSixteenIsAnError) {
    EXPECT_THROW(StateBit(kZeros, false, 16), platform::Error);
    EXPECT_THROW(StateBit(kZeros, true, -1, true), platform::Error);
}

TEST(HexByte, ReadsAByteAsAHexadecimalLiteral) {
    struct Case {
        const char* list;
        int index;
        std::optional<int64_t> expected;
    } cases[] = {
        {"1,10,3f,0", 2, 63},
        {"1,10,3f,0", 1, 16},
        {"01, 20,03,04", 1, 32},  // the blank after the comma is skipped
        {"1f,0,0,0", 0, 31},
        {"1F,0,0,0", 0, 31},
        {"2 a,0,0,0", 0, 42},  // blanks inside are skipped too
        {"x1,0,0,0", 0, 0},    // no digit before the first other character
        {"3g7,0,0,0", 0, 3},   // digits end at the first non-hexadecimal character
        {",0,0,0", 0, 0},
        {"1,2,3,4,5", 3, 4},
        {"1,2,3,4", 4, std::nullopt},
        {"1,2,3,4", -1, std::nullopt},
        {"", 7, std::nullopt},
    };
    for (const Case& t : cases)
        EXPECT_EQ(HexByteRead(t.list, t.index), t.expected) << t.list << " byte " << t.index;
}

TEST(HexByte, WritesOneByteInLowerCase) {
    struct Case {
        const char* list;
        int index;
        int64_t value;
        const char* expected;
    } cases[] = {
        {"1,10,3f,0", 0, 10, "a,10,3f,0"},
        {"1,3,0,0", 0, 0x10, "10,3,0,0"},
        {"1,3,0,0", 3, 0, "1,3,0,0"},
        {"0,0,0,0", 1, 31, "0,1f,0,0"},
        {"0,0,0,0", 2, 255, "0,0,ff,0"},
        {"01, 20,03,04", 0, 1, "1, 20,03,04"},  // the other parts keep their text
        {"1,2,3,4,5,6", 1, 9, "1,9,3,4"},       // parts after the fourth are dropped
        {"1,2,3,4", 4, 1, ""},
        {"1,2,3,4", -1, 1, ""},
    };
    for (const Case& t : cases)
        EXPECT_EQ(HexByteWrite(t.list, t.index, t.value), t.expected)
            << t.list << " byte " << t.index;
}

TEST(HexByte, MissingPartsAndNonBytesFail) {
    EXPECT_THROW(HexByteRead("1,2", 2), platform::Error);
    EXPECT_THROW(HexByteRead("", 1), platform::Error);
    EXPECT_THROW(HexByteWrite("1,2", 0, 5), platform::Error);  // part 2 is missing when joining
    EXPECT_THROW(HexByteWrite("1,2,3", 3, 5), platform::Error);
    EXPECT_THROW(HexByteWrite("1,2,3,4", 0, 256), platform::Error);
    EXPECT_THROW(HexByteWrite("1,2,3,4", 0, -1), platform::Error);
    EXPECT_EQ(HexByteRead("1,2", 1), 2);  // present parts still read
}

}  // namespace
}  // namespace model
