#include "platform/automation/members.h"

#include <gtest/gtest.h>

#include "platform/core/error.h"

using automation::Kind;
using automation::Value;

namespace {
class Sample : public automation::Automatable<Sample> {
  public:
    static const automation::Members<Sample>& members() {
        static const auto table =
            automation::Members<Sample>("Test.Sample")
                .property("Number", &Sample::number, &Sample::setNumber)
                .property(
                    "Small", [](Sample& s) { return s.small; },
                    [](Sample& s, int16_t v) { s.small = v; })
                .property(
                    "Flag", [](Sample& s) { return s.flag; }, [](Sample& s, bool v) { s.flag = v; })
                .property(
                    "Text", [](Sample& s) { return s.text; },
                    [](Sample& s, const std::string& v) { s.text = v; })
                .readOnly("Name", [](Sample&) { return "Sample"; })
                .writeOnly("LogLine", [](Sample& s, std::string v) { s.text += v; })
                .method("Add", [](Sample&, int32_t a, double b) { return a + b; })
                .method("Clear", [](Sample& s) { s.text.clear(); })
                .rawMethod("Count", [](Sample&, const Value& args) { return args.size(); });
        return table;
    }
    int32_t number() const { return number_; }
    void setNumber(int32_t v) { number_ = v; }

    int32_t number_ = 0;
    int16_t small = 0;
    bool flag = false;
    std::string text;
};

int errorOf(const std::function<void()>& fn, std::string* source = nullptr) {
    try {
        fn();
    } catch (const platform::Error& e) {
        if (source) *source = e.source;
        return e.number;
    }
    return 0;
}
}  // namespace

TEST(Members, NamesMatchWithoutRegardToCaseAndKindsMapToTheirAccessors) {
    Sample s;
    s.put("number", 5);
    EXPECT_EQ(s.get("NUMBER"), 5);
    EXPECT_EQ(s.get("name"), "Sample");
    s.put("LOGLINE", "a");
    s.put("logline", "b");
    EXPECT_EQ(s.text, "ab");
    EXPECT_EQ(s.call("add", 2, 0.5), 2.5);
    EXPECT_TRUE(s.call("Clear").is_null());
    EXPECT_EQ(s.text, "");
    EXPECT_EQ(s.call("Count", 1, "x", true), 3);
    // Automation callers read a method without arguments like a property and the reverse.
    EXPECT_TRUE(s.get("Clear").is_null());
    EXPECT_EQ(s.call("Name"), "Sample");
}

TEST(Members, ArgumentsAreCoercedOrRejectedWithTheAutomationErrorNumbers) {
    struct Case {
        const char* member;
        Value value;
        Value expected;  // read back; a number alone is the expected error number
        bool error;
    };
    const Case cases[] = {
        {"Number", 7, 7, false},
        {"Number", "12", 12, false},
        {"Number", 2.5, 2, false},  // halves round to even
        {"Number", 3.5, 4, false},
        {"Number", true, -1, false},
        {"Number", "12x", automation::errc::kTypeMismatch, true},
        {"Number", Value::array({1}), automation::errc::kTypeMismatch, true},
        {"Number", 3e9, automation::errc::kOverflow, true},
        {"Small", 40000, automation::errc::kOverflow, true},
        {"Small", -32768, -32768, false},
        {"Flag", "True", true, false},
        {"Flag", 0, false, false},
        {"Flag", "yes", automation::errc::kTypeMismatch, true},
        {"Text", 12, "12", false},
        {"Text", false, "False", false},
        {"Text", nullptr, automation::errc::kTypeMismatch, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.member) + " = " + c.value.dump());
        Sample s;
        std::string source;
        int number = errorOf([&] { s.put(c.member, c.value); }, &source);
        if (c.error) {
            EXPECT_EQ(number, c.expected.get<int>());
            EXPECT_EQ(source, "Test.Sample");
        } else {
            EXPECT_EQ(number, 0);
            EXPECT_EQ(s.get(c.member), c.expected);
        }
    }
}

TEST(Members, UnknownMembersWrongKindsAndArgumentCountsFail) {
    Sample s;
    using automation::errc::kNoSuchMember;
    using automation::errc::kWrongArguments;
    EXPECT_EQ(errorOf([&] { s.get("Missing"); }), kNoSuchMember);
    EXPECT_EQ(errorOf([&] { s.put("Name", "x"); }), kNoSuchMember);  // read-only
    EXPECT_EQ(errorOf([&] { s.get("LogLine"); }), kNoSuchMember);    // write-only
    EXPECT_EQ(errorOf([&] { s.call("Add", 1); }), kWrongArguments);
    EXPECT_EQ(errorOf([&] {
                  s.invoke("Number", Kind::Put, Value::array({1, 2}));
              }),
              kWrongArguments);
    EXPECT_EQ(errorOf([&] { s.call("Name", 1); }), kNoSuchMember);  // a property takes no arguments
}
