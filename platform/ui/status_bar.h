#pragma once
// StatusBar: panels (1-based) with key, text, picture, width and tool tip.

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

inline constexpr int sbrText = 0;
inline constexpr int sbrNormal = 0;
inline constexpr int sbrSimple = 1;

struct Panel {
    std::string key;
    std::string text;
    std::string picture;
    std::string toolTipText;
    int width = 1440;  // twips
    int left = 0;      // twips, from the panels before it
    int alignment = 0;
    int style = sbrText;
    int autoSize = 0;
    int bevel = 1;
};

class StatusBar : public WithProperties<StatusBar> {
  public:
    StatusBar(Form* form, std::string name, int index = -1);
    static const PropertyTable<StatusBar>& propertyTable();
    const char* kind() const override { return "StatusBar"; }

    int addPanel(const std::string& key = {}, const std::string& text = {}, int width = 1440);
    void removePanel(int index);
    void clearPanels();
    int panelCount() const { return static_cast<int>(panels_.size()); }
    const Panel& panel(int index) const;             // Error 35600 outside 1..panelCount()
    const Panel& panel(std::string_view key) const;  // Error 35601 when not found
    int panelIndex(std::string_view key) const;      // Error 35601 when not found
    void setPanelText(int index, const std::string& text);
    void setPanelText(std::string_view key, const std::string& text);
    void setPanelPicture(int index, const std::string& picture);
    void setPanelToolTipText(int index, const std::string& text);
    void setPanelWidth(int index, int width);

    int style() const { return style_; }  // sbrNormal or sbrSimple
    void setStyle(int s);
    const std::string& simpleText() const { return simpleText_; }
    void setSimpleText(const std::string& t);

    std::function<void(int panel)> onPanelClick;
    std::function<void(int panel)> onPanelDblClick;

    void userClickPanel(int index, bool doubleClick = false);

  private:
    void checkIndex(int index) const;
    void layout();
    Value panelsValue() const;

    std::vector<Panel> panels_;
    int style_ = sbrNormal;
    std::string simpleText_;
};

}  // namespace ui
