#include "platform/ui/list_view.h"

#include "platform/ui/image_list.h"
#include "platform/ui/props.h"

namespace ui {

Value toValue(const ListItem& item) {
    return Value{
        {"key", item.key},        {"text", item.text},         {"smallIcon", item.smallIcon},
        {"icon", item.icon},      {"subItems", item.subItems}, {"tag", item.tag},
        {"checked", item.checked}};
}

ListView::ListView(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
    foreColor_ = vbWindowText;
    backColor_ = vbWindowBackground;
}

void ListView::setView(int v) { assign(view_, v, "View"); }
void ListView::setSmallIcons(const ImageList* list) {
    if (list == smallIcons_) return;
    smallIcons_ = list;
    changed("SmallIcons", list ? Value(list->name()) : Value(nullptr));
}
void ListView::setFullRowSelect(bool v) { assign(fullRowSelect_, v, "FullRowSelect"); }
void ListView::setGridLines(bool v) { assign(gridLines_, v, "GridLines"); }
void ListView::setHideColumnHeaders(bool v) { assign(hideColumnHeaders_, v, "HideColumnHeaders"); }
void ListView::setSorted(bool v) { assign(sorted_, v, "Sorted"); }

Value ListView::columnsValue() const {
    Value out = Value::array();
    for (const auto& c : columns_)
        out.push_back(
            {{"key", c.key}, {"text", c.text}, {"width", c.width}, {"alignment", c.alignment}});
    return out;
}

Value ListView::itemsValue() const {
    Value out = Value::array();
    for (const auto& i : items_) out.push_back(toValue(i));
    return out;
}

void ListView::checkColumn(int index) const {
    if (index < 1 || index > columnCount())
        raiseUi(uierr::kIndexOutOfBounds,
                "Index out of bounds: " + path() + ".ColumnHeaders(" + std::to_string(index) + ")");
}

void ListView::checkItem(int index) const {
    if (index < 1 || index > itemCount())
        raiseUi(uierr::kIndexOutOfBounds,
                "Index out of bounds: " + path() + ".ListItems(" + std::to_string(index) + ")");
}

int ListView::addColumn(const std::string& key, const std::string& text, int width, int alignment) {
    if (!key.empty())
        for (const auto& c : columns_)
            if (c.key == key)
                raiseUi(uierr::kKeyNotUnique, "Key is not unique in collection: " + key);
    columns_.push_back({key, text, width, alignment});
    changedLazy("ColumnHeaders", [this] { return columnsValue(); });
    return columnCount();
}

void ListView::clearColumns() {
    if (columns_.empty()) return;
    columns_.clear();
    changed("ColumnHeaders", Value::array());
}

const ColumnHeader& ListView::column(int index) const {
    checkColumn(index);
    return columns_[static_cast<size_t>(index - 1)];
}

int ListView::columnByKey(std::string_view key) const {
    for (int i = 0; i < columnCount(); ++i)
        if (columns_[static_cast<size_t>(i)].key == key) return i + 1;
    raiseUi(uierr::kElementNotFound,
            "Element not found: " + path() + ".ColumnHeaders(\"" + std::string(key) + "\")");
}

void ListView::setColumnWidth(int index, int width) {
    checkColumn(index);
    if (columns_[static_cast<size_t>(index - 1)].width == width) return;
    columns_[static_cast<size_t>(index - 1)].width = width;
    changedLazy("ColumnHeaders", [this] { return columnsValue(); });
}

void ListView::setColumnText(int index, const std::string& text) {
    checkColumn(index);
    if (columns_[static_cast<size_t>(index - 1)].text == text) return;
    columns_[static_cast<size_t>(index - 1)].text = text;
    changedLazy("ColumnHeaders", [this] { return columnsValue(); });
}

void ListView::itemChanged(int index) const {
    changedLazy("ListItem", [&] {
        return Value{{"index", index}, {"item", toValue(items_[static_cast<size_t>(index - 1)])}};
    });
}

int ListView::addItem(const std::string& text, const std::string& key,
                      const std::string& smallIcon) {
    if (!key.empty())
        for (const auto& i : items_)
            if (i.key == key)
                raiseUi(uierr::kKeyNotUnique, "Key is not unique in collection: " + key);
    if (!smallIcon.empty() && smallIcons_ && !smallIcons_->hasKey(smallIcon))
        raiseUi(uierr::kElementNotFound, "Element not found: image " + smallIcon);
    ListItem item;
    item.text = text;
    item.key = key;
    item.smallIcon = smallIcon;
    items_.push_back(std::move(item));
    // Additions are reported one by one, so that a long log stays cheap to mirror.
    changedLazy("ListItems.Add", [this] {
        return Value{{"index", itemCount()}, {"item", toValue(items_.back())}};
    });
    return itemCount();
}

void ListView::removeItem(int index) {
    checkItem(index);
    items_.erase(items_.begin() + (index - 1));
    if (selected_ == index)
        selected_ = 0;
    else if (selected_ > index)
        --selected_;
    changed("ListItems.Remove", index);
}

void ListView::clearItems() {
    if (items_.empty()) return;
    items_.clear();
    selected_ = 0;
    changed("ListItems", Value::array());
}

const ListItem& ListView::item(int index) const {
    checkItem(index);
    return items_[static_cast<size_t>(index - 1)];
}

int ListView::itemByKey(std::string_view key) const {
    for (int i = 0; i < itemCount(); ++i)
        if (items_[static_cast<size_t>(i)].key == key) return i + 1;
    raiseUi(uierr::kElementNotFound,
            "Element not found: " + path() + ".ListItems(\"" + std::string(key) + "\")");
}

void ListView::setItemText(int index, const std::string& text) {
    checkItem(index);
    auto& item = items_[static_cast<size_t>(index - 1)];
    if (item.text == text) return;
    item.text = text;
    itemChanged(index);
}

void ListView::setSubItem(int index, int subIndex, const std::string& text) {
    checkItem(index);
    if (subIndex < 1 || (columnCount() > 0 && subIndex >= columnCount()))
        raiseUi(uierr::kIndexOutOfBounds,
                "Index out of bounds: SubItems(" + std::to_string(subIndex) + ")");
    auto& subs = items_[static_cast<size_t>(index - 1)].subItems;
    if (subs.size() < static_cast<size_t>(subIndex)) subs.resize(static_cast<size_t>(subIndex));
    if (subs[static_cast<size_t>(subIndex - 1)] == text) return;
    subs[static_cast<size_t>(subIndex - 1)] = text;
    itemChanged(index);
}

const std::string& ListView::subItem(int index, int subIndex) const {
    static const std::string empty;
    const auto& subs = item(index).subItems;
    if (subIndex < 1 || static_cast<size_t>(subIndex) > subs.size()) return empty;
    return subs[static_cast<size_t>(subIndex - 1)];
}

void ListView::setItemIcon(int index, const std::string& smallIcon) {
    checkItem(index);
    auto& item = items_[static_cast<size_t>(index - 1)];
    if (item.smallIcon == smallIcon) return;
    item.smallIcon = smallIcon;
    itemChanged(index);
}

void ListView::setItemTag(int index, const std::string& tag) {
    checkItem(index);
    items_[static_cast<size_t>(index - 1)].tag = tag;
}

void ListView::setSelectedItem(int index) {
    if (index != 0) checkItem(index);
    assign(selected_, index, "SelectedItem");
}

void ListView::ensureVisible(int index) {
    checkItem(index);
    changed("EnsureVisible", index);
}

void ListView::refresh() { changed("Refresh", true); }

void ListView::userClickItem(int index, bool doubleClick) {
    checkItem(index);
    setSelectedItem(index);
    raise(onItemClick, index);
    raise(onClick);
    if (doubleClick) raise(onDblClick);
}

void ListView::userClickColumn(int column) {
    checkColumn(column);
    raise(onColumnClick, column);
}

const PropertyTable<ListView>& ListView::propertyTable() {
    using C = ListView;
    static const auto table =
        PropertyTable<C>()
            .add("View", &C::view, &C::setView)
            .add("ListItems", &C::itemsValue)
            .add("ColumnHeaders", &C::columnsValue)
            .add("SelectedItem", &C::selectedItem, &C::setSelectedItem)
            .add("SmallIcons",
                 [](const C& c) {
                     return c.smallIcons_ ? Value(c.smallIcons_->name()) : Value(nullptr);
                 })
            .add("FullRowSelect", &C::fullRowSelect, &C::setFullRowSelect)
            .add("GridLines", &C::gridLines, &C::setGridLines)
            .add("HideColumnHeaders", &C::hideColumnHeaders, &C::setHideColumnHeaders)
            .add("Sorted", &C::sorted, &C::setSorted)
            .add("Count", &C::itemCount);
    return table;
}

}  // namespace ui
