#pragma once
// TabStrip: tab pages that hold controls. Tabs are numbered from 0; a control placed on page p
// (`ctl.setContainer(tabData, p)`) is shown only while page p is selected.
//
// Click runs for every change of the selected tab, by the user or by the program; selecting
// the tab that is already selected runs nothing.

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

struct Tab {
    std::string caption;
    std::string key;
    std::string tag;
    std::string toolTipText;
    bool enabled = true;
};

class TabStrip : public WithProperties<TabStrip> {
  public:
    TabStrip(Form* form, std::string name, int index = -1);
    static const PropertyTable<TabStrip>& propertyTable();
    const char* kind() const override { return "TabStrip"; }
    bool isContainer() const override { return true; }
    bool canFocus() const override { return true; }

    int addTab(const std::string& caption, const std::string& key = {});  // returns its number
    void removeTab(int tab);
    void clearTabs();
    int tabs() const { return static_cast<int>(tabs_.size()); }
    const Tab& tabAt(int tab) const;  // Error 380 outside 0..tabs()-1
    void setTabCaption(int tab, const std::string& caption);
    void setTabEnabled(int tab, bool enabled);
    void setTabToolTipText(int tab, const std::string& text);
    int tabByKey(std::string_view key) const;  // -1 when there is none

    int tab() const { return selected_; }  // selected tab, -1 when there are none
    void setTab(int tab);

    void userSelect(int tab);  // refuses a disabled tab

  private:
    void checkTab(int tab) const;
    Value tabsValue() const;

    std::vector<Tab> tabs_;
    int selected_ = -1;
};

}  // namespace ui
