#include "platform/ui/tree_view.h"

#include <algorithm>

#include "platform/ui/image_list.h"
#include "platform/ui/props.h"

namespace ui {

TreeView::TreeView(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
    foreColor_ = vbWindowText;
    backColor_ = vbWindowBackground;
}

void TreeView::setCheckboxes(bool v) { assign(checkboxes_, v, "Checkboxes"); }
void TreeView::setImageList(const ImageList* list) {
    if (list == imageList_) return;
    imageList_ = list;
    changed("ImageList", list ? Value(list->name()) : Value(nullptr));
}

Value TreeView::nodesValue() const {
    Value out = Value::array();
    for (const auto& n : nodes_)
        out.push_back({{"key", n.key},
                       {"text", n.text},
                       {"parent", n.parentKey},
                       {"image", n.image},
                       {"tag", n.tag},
                       {"checked", n.checked},
                       {"expanded", n.expanded}});
    return out;
}

void TreeView::checkIndex(int index) const {
    if (index < 1 || index > nodeCount())
        raiseUi(uierr::kIndexOutOfBounds,
                "Index out of bounds: " + path() + ".Nodes(" + std::to_string(index) + ")");
}

int TreeView::nodeIndex(std::string_view key) const {
    for (int i = 0; i < nodeCount(); ++i)
        if (nodes_[static_cast<size_t>(i)].key == key) return i + 1;
    raiseUi(uierr::kElementNotFound,
            "Element not found: " + path() + ".Nodes(\"" + std::string(key) + "\")");
}

int TreeView::addNode(const std::string& parentKey, const std::string& key, const std::string& text,
                      const std::string& image) {
    if (!parentKey.empty()) nodeIndex(parentKey);  // the parent must exist
    if (!key.empty())
        for (const auto& n : nodes_)
            if (n.key == key)
                raiseUi(uierr::kKeyNotUnique, "Key is not unique in collection: " + key);
    Node n;
    n.key = key;
    n.text = text;
    n.parentKey = parentKey;
    n.image = image;
    nodes_.push_back(std::move(n));
    changedLazy("Nodes", [this] { return nodesValue(); });
    return nodeCount();
}

void TreeView::removeNode(std::string_view key) {
    nodeIndex(key);
    // The node and all its descendants.
    std::vector<std::string> doomed{std::string(key)};
    for (size_t i = 0; i < doomed.size(); ++i)
        for (const auto& n : nodes_)
            if (n.parentKey == doomed[i] && !n.key.empty()) doomed.push_back(n.key);
    std::string selectedKey = selected_ ? nodes_[static_cast<size_t>(selected_ - 1)].key : "";
    nodes_.erase(std::remove_if(nodes_.begin(), nodes_.end(),
                                [&](const Node& n) {
                                    return std::find(doomed.begin(), doomed.end(), n.key) !=
                                           doomed.end();
                                }),
                 nodes_.end());
    selected_ = 0;
    for (int i = 0; i < nodeCount(); ++i)
        if (!selectedKey.empty() && nodes_[static_cast<size_t>(i)].key == selectedKey)
            selected_ = i + 1;
    changedLazy("Nodes", [this] { return nodesValue(); });
}

void TreeView::clearNodes() {
    if (nodes_.empty()) return;
    nodes_.clear();
    selected_ = 0;
    changed("Nodes", Value::array());
}

const Node& TreeView::node(int index) const {
    checkIndex(index);
    return nodes_[static_cast<size_t>(index - 1)];
}

const Node& TreeView::node(std::string_view key) const { return node(nodeIndex(key)); }

std::vector<int> TreeView::children(std::string_view key) const {
    std::vector<int> out;
    for (int i = 0; i < nodeCount(); ++i)
        if (nodes_[static_cast<size_t>(i)].parentKey == key) out.push_back(i + 1);
    return out;
}

void TreeView::setChecked(std::string_view key, bool checked) {
    auto& n = nodes_[static_cast<size_t>(nodeIndex(key) - 1)];
    if (n.checked == checked) return;
    n.checked = checked;
    changedLazy("Nodes", [this] { return nodesValue(); });
}

void TreeView::setExpanded(std::string_view key, bool expanded) {
    auto& n = nodes_[static_cast<size_t>(nodeIndex(key) - 1)];
    if (n.expanded == expanded) return;
    n.expanded = expanded;
    changedLazy("Nodes", [this] { return nodesValue(); });
}

void TreeView::setNodeText(std::string_view key, const std::string& text) {
    auto& n = nodes_[static_cast<size_t>(nodeIndex(key) - 1)];
    if (n.text == text) return;
    n.text = text;
    changedLazy("Nodes", [this] { return nodesValue(); });
}

void TreeView::setNodeTag(std::string_view key, const std::string& tag) {
    nodes_[static_cast<size_t>(nodeIndex(key) - 1)].tag = tag;
}

void TreeView::setSelectedItem(int index) {
    if (index != 0) checkIndex(index);
    assign(selected_, index, "SelectedItem");
}

void TreeView::userClickNode(int index) {
    checkIndex(index);
    setSelectedItem(index);
    raise(onNodeClick, index);
    raise(onClick);
}

void TreeView::userCheckNode(int index, bool checked) {
    checkIndex(index);
    if (!checkboxes_) raiseUi(uierr::kInvalidCall, path() + " has no check boxes");
    auto& n = nodes_[static_cast<size_t>(index - 1)];
    if (n.checked == checked) return;
    n.checked = checked;
    changedLazy("Nodes", [this] { return nodesValue(); });
    raise(onNodeCheck, index);
}

const PropertyTable<TreeView>& TreeView::propertyTable() {
    using C = TreeView;
    static const auto table =
        PropertyTable<C>()
            .add("Nodes", &C::nodesValue)
            .add("Checkboxes", &C::checkboxes, &C::setCheckboxes)
            .add("SelectedItem", &C::selectedItem, &C::setSelectedItem)
            .add("ImageList", [](const C& c) {
                return c.imageList_ ? Value(c.imageList_->name()) : Value(nullptr);
            });
    return table;
}

}  // namespace ui
