#pragma once
// ImageList: named pictures for list views, tree views and status bars. Images are found by
// key or by their 1-based position; a picture is a file path or a name the renderer knows.

#include <string>
#include <vector>

#include "platform/ui/property_table.h"

namespace ui {

struct ListImage {
    std::string key;
    std::string picture;
};

class ImageList : public WithProperties<ImageList> {
  public:
    ImageList(Form* form, std::string name, int index = -1);
    static const PropertyTable<ImageList>& propertyTable();
    const char* kind() const override { return "ImageList"; }

    int add(const std::string& key, const std::string& picture);  // returns the 1-based index
    void clear();
    int count() const { return static_cast<int>(images_.size()); }
    const ListImage& item(int index) const;             // 1-based; Error 35600 outside
    const ListImage& item(std::string_view key) const;  // Error 35601 when not found
    bool hasKey(std::string_view key) const;
    int imageWidth() const { return imageWidth_; }  // pixels
    int imageHeight() const { return imageHeight_; }
    void setImageSize(int width, int height);

  private:
    std::vector<ListImage> images_;
    int imageWidth_ = 16, imageHeight_ = 16;
};

}  // namespace ui
