// The scripts' ui requests reach the plug-in's windows through the form model.

#include "platform/ui/ui_requests.h"

#include <gtest/gtest.h>

#include "editor/fmain.h"
#include "editor/forms.h"
#include "plugin/qbx_plugin_api.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin {
namespace {

using ui::Value;

class UiRequestsTest : public testing::PlugInTest {
  protected:
    QBXPlugInAPI api;
};

TEST_F(UiRequestsTest, GetSetAndTypeOnTheMainWindow) {
    api.setVisible(true);
    EXPECT_EQ(ui::serveUiRequest({{"op", "get"}, {"form", "fMain"}, {"property", "Caption"}}),
              "Korvane Controls Ltd    ");
    ui::serveUiRequest({{"op", "set"},
                    {"form", "fMain"},
                    {"control", "txtnci"},
                    {"index", 5},
                    {"property", "Text"},
                    {"value", "21,5"}});
    EXPECT_EQ(editor::mainForm().txtnci[5].text(), "21,5");
    EXPECT_EQ(ui::serveUiRequest({{"op", "get"},
                              {"form", "fMain"},
                              {"control", "txtnci"},
                              {"index", 5},
                              {"property", "Text"}}),
              "21,5");

    auto& field = editor::mainForm().txtnci[7];
    field.setVisible(true);
    ui::serveUiRequest({{"op", "key"},
                    {"form", "fMain"},
                    {"control", "txtnci"},
                    {"index", 7},
                    {"text", "12{BS}3"}});
    EXPECT_EQ(field.text(), "13");

    const Value forms = ui::serveUiRequest({{"op", "forms"}});
    ASSERT_TRUE(forms.is_array());
    EXPECT_FALSE(forms.empty());
}

TEST_F(UiRequestsTest, AnswersTheNextMessageBox) {
    ui::serveUiRequest({{"op", "answer"}, {"button", "No"}});
    EXPECT_EQ(ui::msgBox("Sure?", ui::vbYesNo), ui::vbNo);
    ui::serveUiRequest({{"op", "answer"}, {"button", 6}});
    EXPECT_EQ(ui::msgBox("Sure?", ui::vbYesNo), ui::vbYes);
    EXPECT_EQ(ui::serveUiRequest({{"op", "boxes"}}).size(), 2u);
}

TEST_F(UiRequestsTest, BadRequestsNameWhatIsWrong) {
    const Value bad[] = {
        Value::array(),
        {{"op", "dance"}},
        {{"op", "get"}, {"form", "fMain"}, {"control", "nope"}, {"property", "Text"}},
        {{"op", "click"}, {"form", "fMain"}},
        {{"op", "answer"}, {"button", "maybe"}},
        {{"op", "advance"}, {"ms", -5}},
    };
    for (const auto& request : bad)
        EXPECT_THROW(ui::serveUiRequest(request), platform::Error) << request;
}

}  // namespace
}  // namespace plugin
