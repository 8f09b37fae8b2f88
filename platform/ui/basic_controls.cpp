#include "platform/ui/basic_controls.h"

#include "platform/ui/form.h"
#include "platform/ui/props.h"

namespace ui {

Label::Label(Form* form, std::string name, int index) : Control(form, std::move(name), index) {}
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
bool Label::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Caption"))
        out = caption_;
    else if (iequals(n, "Alignment"))
        out = alignment_;
    else if (iequals(n, "AutoSize"))
        out = autoSize_;
    else if (iequals(n, "WordWrap"))
        out = wordWrap_;
    else if (iequals(n, "BackStyle"))
        out = backStyle_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool Label::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Caption"))
        setCaption(asString(v));
    else if (iequals(n, "Alignment"))
        setAlignment(asInt(v));
    else if (iequals(n, "AutoSize"))
        setAutoSize(asBool(v));
    else if (iequals(n, "WordWrap"))
        setWordWrap(asBool(v));
    else if (iequals(n, "BackStyle"))
        setBackStyle(asInt(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> Label::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "Alignment", "AutoSize", "WordWrap", "BackStyle"});
    return names;
}

CommandButton::CommandButton(Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {}
void CommandButton::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void CommandButton::setDefault(bool v) { assign(default_, v, "Default"); }
void CommandButton::setCancel(bool v) { assign(cancel_, v, "Cancel"); }
void CommandButton::press() { raise(onClick); }
void CommandButton::userKeyDown(int&, int) {}
void CommandButton::userChar(int keyAscii) {
    if (keyAscii == ' ' || keyAscii == '\r') press();
}
bool CommandButton::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Caption"))
        out = caption_;
    else if (iequals(n, "Default"))
        out = default_;
    else if (iequals(n, "Cancel"))
        out = cancel_;
    else if (iequals(n, "Value"))
        out = false;
    else
        return Control::getProperty(n, out);
    return true;
}
bool CommandButton::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Caption"))
        setCaption(asString(v));
    else if (iequals(n, "Default"))
        setDefault(asBool(v));
    else if (iequals(n, "Cancel"))
        setCancel(asBool(v));
    else if (iequals(n, "Value")) {
        if (asBool(v)) press();
    } else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> CommandButton::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "Default", "Cancel"});
    return names;
}

CheckBox::CheckBox(Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {}
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
bool CheckBox::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Caption"))
        out = caption_;
    else if (iequals(n, "Value"))
        out = value_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool CheckBox::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Caption"))
        setCaption(asString(v));
    else if (iequals(n, "Value"))
        setValue(asBool(v) && v.is_boolean() ? vbChecked : asInt(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> CheckBox::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "Value"});
    return names;
}

OptionButton::OptionButton(Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {}
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
bool OptionButton::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Caption"))
        out = caption_;
    else if (iequals(n, "Value"))
        out = value_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool OptionButton::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Caption"))
        setCaption(asString(v));
    else if (iequals(n, "Value"))
        setValue(asBool(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> OptionButton::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "Value"});
    return names;
}

Frame::Frame(Form* form, std::string name, int index) : Control(form, std::move(name), index) {}
void Frame::setCaption(const std::string& c) { assign(caption_, c, "Caption"); }
void Frame::setBorderStyle(int v) { assign(borderStyle_, v, "BorderStyle"); }
bool Frame::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Caption"))
        out = caption_;
    else if (iequals(n, "BorderStyle"))
        out = borderStyle_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool Frame::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Caption"))
        setCaption(asString(v));
    else if (iequals(n, "BorderStyle"))
        setBorderStyle(asInt(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> Frame::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "BorderStyle"});
    return names;
}

PictureBox::PictureBox(Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {}
void PictureBox::setPicture(const std::string& p) { assign(picture_, p, "Picture"); }
void PictureBox::setBorderStyle(int v) { assign(borderStyle_, v, "BorderStyle"); }
void PictureBox::setAutoRedraw(bool v) { assign(autoRedraw_, v, "AutoRedraw"); }
bool PictureBox::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Picture"))
        out = picture_;
    else if (iequals(n, "BorderStyle"))
        out = borderStyle_;
    else if (iequals(n, "AutoRedraw"))
        out = autoRedraw_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool PictureBox::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Picture"))
        setPicture(asString(v));
    else if (iequals(n, "BorderStyle"))
        setBorderStyle(asInt(v));
    else if (iequals(n, "AutoRedraw"))
        setAutoRedraw(asBool(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> PictureBox::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Picture", "BorderStyle", "AutoRedraw"});
    return names;
}

Image::Image(Form* form, std::string name, int index) : Control(form, std::move(name), index) {}
void Image::setPicture(const std::string& p) { assign(picture_, p, "Picture"); }
void Image::setStretch(bool v) { assign(stretch_, v, "Stretch"); }
bool Image::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Picture"))
        out = picture_;
    else if (iequals(n, "Stretch"))
        out = stretch_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool Image::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Picture"))
        setPicture(asString(v));
    else if (iequals(n, "Stretch"))
        setStretch(asBool(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> Image::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Picture", "Stretch"});
    return names;
}

ProgressBar::ProgressBar(Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {}
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
bool ProgressBar::getProperty(std::string_view n, Value& out) const {
    if (iequals(n, "Min"))
        out = min_;
    else if (iequals(n, "Max"))
        out = max_;
    else if (iequals(n, "Value"))
        out = value_;
    else
        return Control::getProperty(n, out);
    return true;
}
bool ProgressBar::setProperty(std::string_view n, const Value& v) {
    if (iequals(n, "Min"))
        setMin(asDouble(v));
    else if (iequals(n, "Max"))
        setMax(asDouble(v));
    else if (iequals(n, "Value"))
        setValue(asDouble(v));
    else
        return Control::setProperty(n, v);
    return true;
}
std::vector<std::string> ProgressBar::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Min", "Max", "Value"});
    return names;
}

}  // namespace ui
