#include "platform/ui/image_list.h"

#include "platform/ui/props.h"

namespace ui {

ImageList::ImageList(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}

int ImageList::add(const std::string& key, const std::string& picture) {
    if (!key.empty() && hasKey(key))
        raiseUi(uierr::kKeyNotUnique, "Key is not unique in collection: " + key);
    images_.push_back({key, picture});
    changedLazy("ListImages", [this] { return get("ListImages"); });
    return count();
}

void ImageList::clear() {
    images_.clear();
    changed("ListImages", Value::array());
}

const ListImage& ImageList::item(int index) const {
    if (index < 1 || index > count())
        raiseUi(uierr::kIndexOutOfBounds,
                "Index out of bounds: " + path() + " image " + std::to_string(index));
    return images_[static_cast<size_t>(index - 1)];
}

const ListImage& ImageList::item(std::string_view key) const {
    for (const auto& i : images_)
        if (i.key == key) return i;
    raiseUi(uierr::kElementNotFound, "Element not found: " + path() + " image " + std::string(key));
}

bool ImageList::hasKey(std::string_view key) const {
    for (const auto& i : images_)
        if (i.key == key) return true;
    return false;
}

void ImageList::setImageSize(int width, int height) {
    assign(imageWidth_, width, "ImageWidth");
    assign(imageHeight_, height, "ImageHeight");
}

const PropertyTable<ImageList>& ImageList::propertyTable() {
    using C = ImageList;
    static const auto table =
        PropertyTable<C>()
            .add("ListImages",
                 [](const C& c) {
                     Value out = Value::array();
                     for (const auto& i : c.images_)
                         out.push_back({{"key", i.key}, {"picture", i.picture}});
                     return out;
                 })
            .add("ImageWidth", &C::imageWidth)
            .add("ImageHeight", &C::imageHeight);
    return table;
}

}  // namespace ui
