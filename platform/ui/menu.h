#pragma once
// Menu: an item of a form's menu bar or of a pop-up menu. Items form a tree through their
// parent (`mnuClearLog.setParentMenu(mnuOptionen)`); a caption "-" makes a separator. Click
// runs when the user chooses an enabled, visible item (or when the program calls click()).
// Menu items can be control arrays (items created at run time).

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

class Menu : public WithProperties<Menu> {
  public:
    Menu(Form* form, std::string name, int index = -1);
    static const PropertyTable<Menu>& propertyTable();
    const char* kind() const override { return "Menu"; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool checked() const { return checked_; }
    void setChecked(bool v);
    bool isSeparator() const { return caption_ == "-"; }
    const std::string& shortcut() const { return shortcut_; }  // e.g. "Ctrl+S"
    void setShortcut(const std::string& s);

    Menu* parentMenu() const { return parent_; }
    void setParentMenu(Menu& parent);
    std::vector<Menu*> items() const;  // direct sub-items in creation order

    void click();               // raises Click as if chosen
    void userClick() override;  // refuses hidden, disabled and separator items

  private:
    std::string caption_, shortcut_;
    bool checked_ = false;
    Menu* parent_ = nullptr;
};

}  // namespace ui
