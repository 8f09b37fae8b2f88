#include "platform/ui/text_box.h"

#include <algorithm>

#include "platform/core/codepage.h"
#include "platform/ui/props.h"

namespace ui {

int utf8Length(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

size_t utf8Offset(std::string_view s, int chars) {
    size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;  // over the lead byte, then its continuation bytes
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        --chars;
    }
    return i;
}

std::string utf8FromCode(int code) {
    if (code < 0 || code > 255) return "?";
    return platform::cp1252ToUtf8(std::string(1, static_cast<char>(code)));
}

std::string utf8Substr(std::string_view s, int start, int length) {
    size_t a = utf8Offset(s, start);
    size_t b = utf8Offset(s, start + length);
    return std::string(s.substr(a, b - a));
}

TextBox::TextBox(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
    foreColor_ = vbWindowText;
    backColor_ = vbWindowBackground;
}

void TextBox::setText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    setCaret(utf8Length(text_), 0);
    changed("Text", text_);
    raise(onChange);
}

void TextBox::setMaxLength(int n) {
    if (n < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: MaxLength");
    assign(maxLength_, n, "MaxLength");
}
void TextBox::setLocked(bool v) { assign(locked_, v, "Locked"); }
void TextBox::setMultiLine(bool v) { assign(multiLine_, v, "MultiLine"); }
void TextBox::setPasswordChar(const std::string& c) { assign(passwordChar_, c, "PasswordChar"); }
void TextBox::setAlignment(int a) { assign(alignment_, a, "Alignment"); }

std::string TextBox::selText() const { return utf8Substr(text_, selStart_, selLength_); }

void TextBox::setCaret(int start, int length) {
    int len = utf8Length(text_);
    start = std::clamp(start, 0, len);
    length = std::clamp(length, 0, len - start);
    assign(selStart_, start, "SelStart");
    assign(selLength_, length, "SelLength");
}

void TextBox::setSelStart(int v) {
    if (v < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: SelStart");
    setCaret(v, 0);
}

void TextBox::setSelLength(int v) {
    if (v < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: SelLength");
    setCaret(selStart_, v);
}

void TextBox::setSelText(const std::string& t) { replaceSelection(t); }

void TextBox::replaceSelection(const std::string& with) {
    size_t a = utf8Offset(text_, selStart_);
    size_t b = utf8Offset(text_, selStart_ + selLength_);
    std::string next = text_.substr(0, a) + with + text_.substr(b);
    int caret = selStart_ + utf8Length(with);
    bool differs = next != text_;
    text_ = std::move(next);
    setCaret(caret, 0);
    if (!differs) return;
    changed("Text", text_);
    raise(onChange);
}

void TextBox::userKeyDown(int& keyCode, int) {
    int len = utf8Length(text_);
    switch (keyCode) {
        case vbKeyDelete:
            if (locked_) return;
            if (selLength_ == 0 && selStart_ < len) setCaret(selStart_, 1);
            if (selLength_ > 0) replaceSelection({});
            break;
        case vbKeyHome:
            setCaret(0, 0);
            break;
        case vbKeyEnd:
            setCaret(len, 0);
            break;
        case vbKeyLeft:
            setCaret(selStart_ - 1, 0);
            break;
        case vbKeyRight:
            setCaret(selStart_ + selLength_ + (selLength_ ? 0 : 1), 0);
            break;
        default:
            break;
    }
}

void TextBox::userChar(int keyAscii) {
    if (locked_ || keyAscii <= 0) return;
    if (keyAscii == vbKeyBack) {
        if (selLength_ == 0 && selStart_ > 0) setCaret(selStart_ - 1, 1);
        if (selLength_ > 0) replaceSelection({});
        return;
    }
    if (keyAscii == vbKeyReturn) {
        if (multiLine_) replaceSelection("\r\n");
        return;
    }
    if (keyAscii < 32) return;
    if (maxLength_ > 0 && utf8Length(text_) - selLength_ + 1 > maxLength_) return;
    replaceSelection(utf8FromCode(keyAscii));
}

const PropertyTable<TextBox>& TextBox::propertyTable() {
    using C = TextBox;
    static const auto table = PropertyTable<C>()
                                  .add("Text", &C::text, &C::setText)
                                  .add("MaxLength", &C::maxLength, &C::setMaxLength)
                                  .add("Locked", &C::locked, &C::setLocked)
                                  .add("MultiLine", &C::multiLine, &C::setMultiLine)
                                  .add("PasswordChar", &C::passwordChar, &C::setPasswordChar)
                                  .add("Alignment", &C::alignment, &C::setAlignment)
                                  .add("SelStart", &C::selStart, &C::setSelStart)
                                  .add("SelLength", &C::selLength, &C::setSelLength)
                                  .add("SelText", &C::selText, &C::setSelText);
    return table;
}

}  // namespace ui
