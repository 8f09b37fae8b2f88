#include "platform/ui/combo_box.h"

#include <cctype>

#include "platform/ui/props.h"

namespace ui {

ComboBox::ComboBox(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
    foreColor_ = vbWindowText;
    backColor_ = vbWindowBackground;
}

void ComboBox::setStyle(int s) { assign(style_, s, "Style"); }
void ComboBox::setLocked(bool v) { assign(locked_, v, "Locked"); }

Value ComboBox::listValue() const { return Value(items_); }

void ComboBox::checkPosition(int position) const {
    if (position < 0 || position >= listCount())
        raiseUi(uierr::kInvalidIndex, "Invalid property array index: " + path() + ".List(" +
                                          std::to_string(position) + ")");
}

void ComboBox::addItem(const std::string& item, int position) {
    if (position < -1 || position > listCount())
        raiseUi(uierr::kInvalidCall, "Invalid procedure call or argument: AddItem position");
    if (position < 0) position = listCount();
    items_.insert(items_.begin() + position, item);
    data_.insert(data_.begin() + position, 0);
    if (listIndex_ >= position) {
        ++listIndex_;
        changed("ListIndex", listIndex_);
    }
    changedLazy("List", [this] { return listValue(); });
}

void ComboBox::removeItem(int position) {
    checkPosition(position);
    items_.erase(items_.begin() + position);
    data_.erase(data_.begin() + position);
    if (listIndex_ == position) {
        listIndex_ = -1;
        changed("ListIndex", -1);
    } else if (listIndex_ > position) {
        --listIndex_;
        changed("ListIndex", listIndex_);
    }
    changedLazy("List", [this] { return listValue(); });
}

void ComboBox::clear() {
    if (items_.empty() && listIndex_ == -1) return;
    items_.clear();
    data_.clear();
    assign(listIndex_, -1, "ListIndex");
    changed("List", Value::array());
}

const std::string& ComboBox::list(int position) const {
    checkPosition(position);
    return items_[static_cast<size_t>(position)];
}

void ComboBox::setList(int position, const std::string& item) {
    checkPosition(position);
    if (items_[static_cast<size_t>(position)] == item) return;
    items_[static_cast<size_t>(position)] = item;
    changedLazy("List", [this] { return listValue(); });
}

long ComboBox::itemData(int position) const {
    checkPosition(position);
    return data_[static_cast<size_t>(position)];
}

void ComboBox::setItemData(int position, long data) {
    checkPosition(position);
    data_[static_cast<size_t>(position)] = data;
}

void ComboBox::setListIndex(int i) {
    if (i < -1 || i >= listCount())
        raiseUi(uierr::kInvalidValue,
                "Invalid property value: " + path() + ".ListIndex = " + std::to_string(i));
    if (i == listIndex_) return;
    listIndex_ = i;
    changed("ListIndex", i);
    if (style_ != vbComboDropdownList) {
        editText_ = i >= 0 ? items_[static_cast<size_t>(i)] : std::string();
        changed("Text", editText_);
    }
    raise(onClick);
}

std::string ComboBox::text() const {
    if (style_ == vbComboDropdownList)
        return listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
    return editText_;
}

void ComboBox::setText(const std::string& t) {
    if (style_ == vbComboDropdownList) {
        for (int i = 0; i < listCount(); ++i)
            if (items_[static_cast<size_t>(i)] == t) return setListIndex(i);
        if (t.empty()) return setListIndex(-1);
        raiseUi(uierr::kReadOnly,
                "'Text' property is read-only: no entry \"" + t + "\" in " + path());
    }
    if (t == editText_) return;
    editText_ = t;
    changed("Text", t);
    raise(onChange);
}

void ComboBox::userSelect(int position) {
    if (locked_) return;
    raise(onDropDown);
    setListIndex(position);
}

void ComboBox::userKeyDown(int& keyCode, int) {
    if (locked_ || items_.empty()) return;
    if (keyCode == vbKeyDown && listIndex_ + 1 < listCount())
        setListIndex(listIndex_ + 1);
    else if (keyCode == vbKeyUp && listIndex_ > 0)
        setListIndex(listIndex_ - 1);
    else if (keyCode == vbKeyHome)
        setListIndex(0);
    else if (keyCode == vbKeyEnd)
        setListIndex(listCount() - 1);
}

void ComboBox::userChar(int keyAscii) {
    if (locked_ || keyAscii < 32) return;
    if (style_ != vbComboDropdownList) {
        setText(editText_ + static_cast<char>(keyAscii));
        return;
    }
    // A drop-down list selects the next entry that starts with the typed character.
    int n = listCount();
    for (int k = 1; k <= n; ++k) {
        int i = (listIndex_ + k) % n;
        const std::string& item = items_[static_cast<size_t>(i)];
        if (!item.empty() &&
            std::tolower(static_cast<unsigned char>(item[0])) == std::tolower(keyAscii & 0xff))
            return setListIndex(i);
    }
}

const PropertyTable<ComboBox>& ComboBox::propertyTable() {
    using C = ComboBox;
    static const auto table =
        PropertyTable<C>()
            .add("Text", &C::text, &C::setText)
            .add("ListIndex", &C::listIndex, &C::setListIndex)
            .add("ListCount", &C::listCount)
            .add("List", &C::listValue,
                 [](C& c, const Value& v) {
                     if (!v.is_array())
                         raiseUi(uierr::kTypeMismatch, "Type mismatch: List needs an array");
                     c.clear();
                     for (const auto& item : v) c.addItem(asString(item));
                 })
            .add(
                "ItemData", [](const C& c) { return Value(c.data_); },
                [](C& c, const Value& v) {
                    if (!v.is_array() || static_cast<int>(v.size()) != c.listCount())
                        raiseUi(uierr::kTypeMismatch,
                                "Type mismatch: ItemData needs one number per entry");
                    for (int i = 0; i < c.listCount(); ++i)
                        c.setItemData(i, asInt(v[static_cast<size_t>(i)]));
                })
            .add("Style", &C::style, &C::setStyle)
            .add("Locked", &C::locked, &C::setLocked);
    return table;
}

}  // namespace ui
