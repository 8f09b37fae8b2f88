#include "platform/ui/basic_controls.h"

#include "platform/ui/form.h"
#include "platform/ui/props.h"

namespace ui {

Label::Label(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void Label::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    changed("Caption", c);
    raise(onChange);
}
void Label::setAlignment(int a) { assign(alignment_, a, "Alignment"); }
void Label::setAutoSize(bool v) { assign(autoSize_, v, "AutoSize"); }
void Label::setWordWrap(bool v) { assign(wordWrap_, v, "WordWrap"); }
void Label::setBackStyle(int v) { assign(backStyle_, v, "BackStyle"); }
const PropertyTable<Label>& Label::propertyTable() {
    static const auto table = PropertyTable<Label>()
                                  .add("Caption", &Label::caption, &Label::setCaption)
                                  .add("Alignment", &Label::alignment, &Label::setAlignment)
                                  .add("AutoSize", &Label::autoSize, &Label::setAutoSize)
                                  .add("WordWrap", &Label::wordWrap, &Label::setWordWrap)
                                  .add("BackStyle", &Label::backStyle, &Label::setBackStyle);
    return table;
}

CommandButton::CommandButton(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void CommandButton::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void CommandButton::setDefault(bool v) { assign(default_, v, "Default"); }
void CommandButton::setCancel(bool v) { assign(cancel_, v, "Cancel"); }
void CommandButton::press() { raise(onClick); }
void CommandButton::userKeyDown(int&, int) {}
void CommandButton::userChar(int keyAscii) {
    if (keyAscii == ' ' || keyAscii == '\r') press();
}
const PropertyTable<CommandButton>& CommandButton::propertyTable() {
    using C = CommandButton;
    static const auto table = PropertyTable<C>()
                                  .add("Caption", &C::caption, &C::setCaption)
                                  .add("Default", &C::isDefault, &C::setDefault)
                                  .add("Cancel", &C::isCancel, &C::setCancel)
                                  // Value = True presses the button; it always reads False.
                                  .unlisted(
                                      "Value", [](const C&) { return Value(false); },
                                      [](C& c, const Value& v) {
                                          if (asBool(v)) c.press();
                                      });
    return table;
}

CheckBox::CheckBox(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void CheckBox::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void CheckBox::setValue(int v) {
    if (v < vbUnchecked || v > vbGrayed)
        raiseUi(uierr::kInvalidValue, "Invalid property value: Value");
    if (v == value_) return;
    value_ = v;
    changed("Value", v);
    raise(onClick);
}
void CheckBox::userClick() { setValue(value_ == vbChecked ? vbUnchecked : vbChecked); }
void CheckBox::userChar(int keyAscii) {
    if (keyAscii == ' ') userClick();
}
const PropertyTable<CheckBox>& CheckBox::propertyTable() {
    using C = CheckBox;
    static const auto table =
        PropertyTable<C>()
            .add("Caption", &C::caption, &C::setCaption)
            // True checks the box; numbers are the states themselves.
            .add("Value", &C::value, [](C& c, const Value& v) {
                c.setValue(asBool(v) && v.is_boolean() ? vbChecked : asInt(v));
            });
    return table;
}

OptionButton::OptionButton(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void OptionButton::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void OptionButton::setValue(bool v) {
    if (v == value_) return;
    if (v) {
        // The group: every option button in the same container and on the same page.
        for (Control* c : form().controls()) {
            auto* other = dynamic_cast<OptionButton*>(c);
            if (!other || other == this || !other->value_) continue;
            if (other->container() != container() || other->containerPage() != containerPage())
                continue;
            other->value_ = false;
            other->changed("Value", false);
        }
    }
    value_ = v;
    changed("Value", v);
    if (v) raise(onClick);
}
void OptionButton::userClick() { setValue(true); }
void OptionButton::userChar(int keyAscii) {
    if (keyAscii == ' ') setValue(true);
}
const PropertyTable<OptionButton>& OptionButton::propertyTable() {
    using C = OptionButton;
    static const auto table = PropertyTable<C>()
                                  .add("Caption", &C::caption, &C::setCaption)
                                  .add("Value", &C::value, &C::setValue);
    return table;
}

Frame::Frame(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void Frame::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void Frame::setBorderStyle(int v) { assign(borderStyle_, v, "BorderStyle"); }
const PropertyTable<Frame>& Frame::propertyTable() {
    static const auto table = PropertyTable<Frame>()
                                  .add("Caption", &Frame::caption, &Frame::setCaption)
                                  .add("BorderStyle", &Frame::borderStyle, &Frame::setBorderStyle);
    return table;
}

PictureBox::PictureBox(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void PictureBox::setPicture(const std::string& p) { assign(picture_, p, "Picture"); }
void PictureBox::setBorderStyle(int v) { assign(borderStyle_, v, "BorderStyle"); }
void PictureBox::setAutoRedraw(bool v) { assign(autoRedraw_, v, "AutoRedraw"); }
const PropertyTable<PictureBox>& PictureBox::propertyTable() {
    using C = PictureBox;
    static const auto table = PropertyTable<C>()
                                  .add("Picture", &C::picture, &C::setPicture)
                                  .add("BorderStyle", &C::borderStyle, &C::setBorderStyle)
                                  .add("AutoRedraw", &C::autoRedraw, &C::setAutoRedraw);
    return table;
}

Image::Image(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void Image::setPicture(const std::string& p) { assign(picture_, p, "Picture"); }
void Image::setStretch(bool v) { assign(stretch_, v, "Stretch"); }
const PropertyTable<Image>& Image::propertyTable() {
    static const auto table = PropertyTable<Image>()
                                  .add("Picture", &Image::picture, &Image::setPicture)
                                  .add("Stretch", &Image::stretch, &Image::setStretch);
    return table;
}

ProgressBar::ProgressBar(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {}
void ProgressBar::setMin(double v) {
    if (v > max_) raiseUi(uierr::kInvalidValue, "Invalid property value: Min");
    if (value_ < v) setValue(v);
    assign(min_, v, "Min");
}
void ProgressBar::setMax(double v) {
    if (v < min_) raiseUi(uierr::kInvalidValue, "Invalid property value: Max");
    if (value_ > v) setValue(v);
    assign(max_, v, "Max");
}
void ProgressBar::setValue(double v) {
    if (v < min_ || v > max_) raiseUi(uierr::kInvalidValue, "Invalid property value: Value");
    assign(value_, v, "Value");
}
const PropertyTable<ProgressBar>& ProgressBar::propertyTable() {
    using C = ProgressBar;
    static const auto table = PropertyTable<C>()
                                  .add("Min", &C::min, &C::setMin)
                                  .add("Max", &C::max, &C::setMax)
                                  .add("Value", &C::value, &C::setValue);
    return table;
}

}  // namespace ui
