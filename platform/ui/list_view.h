#pragma once
// ListView: a list of items, shown here in report view with columns and small icons.
//
// Collections are 1-based as in the toolkit the system was designed for: ColumnHeaders(1) is
// the first column, ListItems(1) the first row, SubItems(1) the text of the second column. An
// item's icon is a key of the ImageList named in SmallIcons. Items change only through the
// ListView's methods, so that every change is observed.

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

class ImageList;

inline constexpr int lvwIcon = 0;
inline constexpr int lvwSmallIcon = 1;
inline constexpr int lvwList = 2;
inline constexpr int lvwReport = 3;

struct ColumnHeader {
    std::string key;
    std::string text;
    int width = 1440;  // twips
    int alignment = 0;
};

struct ListItem {
    std::string key;
    std::string text;
    std::string smallIcon;  // key in the SmallIcons image list
    std::string icon;
    std::vector<std::string> subItems;  // SubItems(1) is subItems[0]
    std::string tag;
    bool checked = false;
};

class ListView : public WithProperties<ListView> {
  public:
    ListView(Form* form, std::string name, int index = -1);
    static const PropertyTable<ListView>& propertyTable();
    const char* kind() const override { return "ListView"; }
    bool canFocus() const override { return true; }

    int view() const { return view_; }
    void setView(int v);
    const ImageList* smallIcons() const { return smallIcons_; }
    void setSmallIcons(const ImageList* list);
    bool fullRowSelect() const { return fullRowSelect_; }
    void setFullRowSelect(bool v);
    bool gridLines() const { return gridLines_; }
    void setGridLines(bool v);
    bool hideColumnHeaders() const { return hideColumnHeaders_; }
    void setHideColumnHeaders(bool v);
    bool sorted() const { return sorted_; }
    void setSorted(bool v);  // stored for the renderer; items keep the order they were added

    // Columns (1-based).
    int addColumn(const std::string& key, const std::string& text, int width, int alignment = 0);
    void clearColumns();
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const ColumnHeader& column(int index) const;  // Error 35600 outside 1..columnCount()
    int columnByKey(std::string_view key) const;  // Error 35601 when not found
    void setColumnWidth(int index, int width);
    void setColumnText(int index, const std::string& text);

    // Items (1-based). addItem returns the new item's index.
    int addItem(const std::string& text, const std::string& key = {},
                const std::string& smallIcon = {});
    void removeItem(int index);
    void clearItems();
    int itemCount() const { return static_cast<int>(items_.size()); }
    const ListItem& item(int index) const;      // Error 35600 outside 1..itemCount()
    int itemByKey(std::string_view key) const;  // Error 35601 when not found
    void setItemText(int index, const std::string& text);
    void setSubItem(int index, int subIndex, const std::string& text);  // subIndex from 1
    const std::string& subItem(int index, int subIndex) const;          // "" when not set
    void setItemIcon(int index, const std::string& smallIcon);
    void setItemTag(int index, const std::string& tag);

    // Selection: the selected item's index, 0 when none.
    int selectedItem() const { return selected_; }
    void setSelectedItem(int index);
    // Scrolls the item into view (recorded for the renderer as "EnsureVisible").
    void ensureVisible(int index);
    // Repaint at once (the renderer mirrors changes immediately anyway).
    void refresh();

    std::function<void(int item)> onItemClick;
    std::function<void(int column)> onColumnClick;

    void userClickItem(int index, bool doubleClick = false);
    void userClickColumn(int column);

  private:
    void checkItem(int index) const;
    void checkColumn(int index) const;
    Value itemsValue() const;
    Value columnsValue() const;
    void itemChanged(int index) const;

    int view_ = lvwReport;
    const ImageList* smallIcons_ = nullptr;
    bool fullRowSelect_ = false, gridLines_ = false, hideColumnHeaders_ = false, sorted_ = false;
    std::vector<ColumnHeader> columns_;
    std::vector<ListItem> items_;
    int selected_ = 0;
};

Value toValue(const ListItem& item);

}  // namespace ui
