#pragma once
// TreeView: nodes with keys, texts and optional check boxes. Nodes are found by key or by their
// 1-based position in the order they were added. Checking a node by the user raises NodeCheck;
// the program's setChecked() raises nothing (as the toolkit it models does).

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

class ImageList;

struct Node {
    std::string key;
    std::string text;
    std::string parentKey;  // "" for a root node
    std::string image;      // key in the ImageList
    std::string tag;
    bool checked = false;
    bool expanded = false;
};

class TreeView : public WithProperties<TreeView> {
  public:
    TreeView(Form* form, std::string name, int index = -1);
    static const PropertyTable<TreeView>& propertyTable();
    const char* kind() const override { return "TreeView"; }
    bool canFocus() const override { return true; }

    bool checkboxes() const { return checkboxes_; }
    void setCheckboxes(bool v);
    const ImageList* imageList() const { return imageList_; }
    void setImageList(const ImageList* list);

    // Adds a node below parentKey ("" for a root); returns its 1-based index. A key that is
    // already used raises Error 35602 "Key is not unique in collection".
    int addNode(const std::string& parentKey, const std::string& key, const std::string& text,
                const std::string& image = {});
    void removeNode(std::string_view key);  // with its children
    void clearNodes();
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    const Node& node(int index) const;                      // Error 35600 outside 1..nodeCount()
    const Node& node(std::string_view key) const;           // Error 35601 when not found
    int nodeIndex(std::string_view key) const;              // Error 35601 when not found
    std::vector<int> children(std::string_view key) const;  // indices of the direct children
    void setChecked(std::string_view key, bool checked);
    void setExpanded(std::string_view key, bool expanded);
    void setNodeText(std::string_view key, const std::string& text);
    void setNodeTag(std::string_view key, const std::string& tag);

    int selectedItem() const { return selected_; }  // 1-based, 0 when none
    void setSelectedItem(int index);

    std::function<void(int node)> onNodeClick;
    std::function<void(int node)> onNodeCheck;

    void userClickNode(int index);
    void userCheckNode(int index, bool checked);

  private:
    void checkIndex(int index) const;
    Value nodesValue() const;

    bool checkboxes_ = false;
    const ImageList* imageList_ = nullptr;
    std::vector<Node> nodes_;
    int selected_ = 0;
};

}  // namespace ui
