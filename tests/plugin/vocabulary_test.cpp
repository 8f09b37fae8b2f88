#include "plugin/vocabulary.h"

#include <gtest/gtest.h>

namespace plugin {
namespace {

TEST(Vocabulary, ObjectTypeNames) {
    const struct {
        int16_t code;
        const char* name;
    } cases[] = {
        {0, "Object Server"},    {7, "Application Device"}, {48, "Detail Info"},
        {49, "Custom ID =  49"}, {50, "Extension"},         {52, "Recovery Status"},
        {53, "Custom ID =  53"}, {-3, "Custom ID = -3"},    {42, "Connection Description Template"},
    };
    for (const auto& c : cases) EXPECT_EQ(ObjectTypeName(c.code), c.name) << c.code;
}

TEST(Vocabulary, CommandNames) {
    const struct {
        int32_t code;
        const char* name;
    } cases[] = {
        {13, "Configure"},
        {50, "Register"},
        {70, "Security Level"},
        {1, "New"},
        {10000, "Custom command 10000"},
        {3, "Custom command 3"},
        {-5, "Custom command -5"},
    };
    for (const auto& c : cases) EXPECT_EQ(CommandName(c.code), c.name) << c.code;
}

}  // namespace
}  // namespace plugin
