#pragma once
// ComboBox: a selection list. In the style "drop-down list" (the default here, and the only one
// the system designs) the user can only pick an entry; Text is then the selected entry.
//
// Click runs for every change of ListIndex, by the user or by the program; setting the index
// it already has runs nothing. List positions are 0-based; ListIndex -1 means no selection.
// AddItem, RemoveItem and Clear keep the selection on the same entry as VB's list does (Clear
// and removing the selected entry leave no selection, without a Click).

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

inline constexpr int vbComboDropdown = 0;
inline constexpr int vbComboSimple = 1;
inline constexpr int vbComboDropdownList = 2;

class ComboBox : public WithProperties<ComboBox> {
  public:
    ComboBox(Form* form, std::string name, int index = -1);
    static const PropertyTable<ComboBox>& propertyTable();
    const char* kind() const override { return "ComboBox"; }
    bool canFocus() const override { return true; }

    int style() const { return style_; }
    void setStyle(int s);

    void addItem(const std::string& item, int position = -1);
    void removeItem(int position);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int position) const;  // Error 381 outside 0..ListCount-1
    void setList(int position, const std::string& item);
    long itemData(int position) const;
    void setItemData(int position, long data);

    int listIndex() const { return listIndex_; }
    void setListIndex(int i);  // -1..ListCount-1, else Error 380
    // The selected entry (drop-down list) or the edit text (other styles).
    std::string text() const;
    // Drop-down list: selects the entry equal to t (Error 383 when there is none); other
    // styles: sets the edit text (raises Change).
    void setText(const std::string& t);
    bool locked() const { return locked_; }
    void setLocked(bool v);

    std::function<void()> onChange;  // edit text changed (not in the drop-down list style)
    std::function<void()> onDropDown;

    // The user picks an entry (raises DropDown, then Click if the selection changes).
    void userSelect(int position);
    void userKeyDown(int& keyCode, int shift) override;
    void userChar(int keyAscii) override;

  private:
    void checkPosition(int position) const;
    Value listValue() const;

    int style_ = vbComboDropdownList;
    std::vector<std::string> items_;
    std::vector<long> data_;
    int listIndex_ = -1;
    std::string editText_;
    bool locked_ = false;
};

}  // namespace ui
