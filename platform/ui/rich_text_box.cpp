#include "platform/ui/rich_text_box.h"

#include <algorithm>

#include "platform/ui/props.h"

namespace ui {

RichTextBox::RichTextBox(Form* form, std::string name, int index)
    : WithProperties(form, std::move(name), index) {
    foreColor_ = vbWindowText;
    backColor_ = vbWindowBackground;
}

Value RichTextBox::runsValue() const {
    Value out = Value::array();
    for (const auto& r : runs())
        out.push_back({{"start", r.start},
                       {"length", r.length},
                       {"bold", r.format.bold},
                       {"italic", r.format.italic},
                       {"underline", r.format.underline},
                       {"color", r.format.color},
                       {"size", r.format.size}});
    return out;
}

std::vector<FormatRun> RichTextBox::runs() const {
    std::vector<FormatRun> out;
    for (size_t i = 0; i < formats_.size(); ++i) {
        if (!out.empty() && out.back().format == formats_[i])
            ++out.back().length;
        else
            out.push_back({static_cast<int>(i), 1, formats_[i]});
    }
    return out;
}

void RichTextBox::setText(const std::string& t) {
    if (t == text_) return;
    text_ = t;
    CharFormat plain;
    plain.size = fontSize();
    plain.bold = fontBold();
    plain.italic = fontItalic();
    plain.underline = fontUnderline();
    formats_.assign(static_cast<size_t>(utf8Length(text_)), plain);
    caretFormat_ = plain;
    setCaret(utf8Length(text_), 0);
    changed("Text", text_);
    changedLazy("Runs", [this] { return runsValue(); });
    raise(onChange);
}

void RichTextBox::setLocked(bool v) { assign(locked_, v, "Locked"); }

std::string RichTextBox::selText() const { return utf8Substr(text_, selStart_, selLength_); }

void RichTextBox::setCaret(int start, int length) {
    int len = utf8Length(text_);
    start = std::clamp(start, 0, len);
    length = std::clamp(length, 0, len - start);
    bool moved = start != selStart_ || length != selLength_;
    assign(selStart_, start, "SelStart");
    assign(selLength_, length, "SelLength");
    // The caret takes the format of the character before it (or the first selected one).
    if (length > 0)
        caretFormat_ = formats_[static_cast<size_t>(start)];
    else if (start > 0)
        caretFormat_ = formats_[static_cast<size_t>(start - 1)];
    if (moved) raise(onSelChange);
}

void RichTextBox::setSelStart(int v) {
    if (v < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: SelStart");
    setCaret(v, 0);
}

void RichTextBox::setSelLength(int v) {
    if (v < 0) raiseUi(uierr::kInvalidValue, "Invalid property value: SelLength");
    setCaret(selStart_, v);
}

void RichTextBox::replace(int start, int length, const std::string& with) {
    size_t a = utf8Offset(text_, start);
    size_t b = utf8Offset(text_, start + length);
    std::string next = text_.substr(0, a) + with + text_.substr(b);
    CharFormat fmt = caretFormat_;
    formats_.erase(formats_.begin() + start, formats_.begin() + start + length);
    formats_.insert(formats_.begin() + start, static_cast<size_t>(utf8Length(with)), fmt);
    bool differs = next != text_;
    text_ = std::move(next);
    setCaret(start + utf8Length(with), 0);
    caretFormat_ = fmt;
    if (!differs) return;
    changed("Text", text_);
    changedLazy("Runs", [this] { return runsValue(); });
    raise(onChange);
}

void RichTextBox::setSelText(const std::string& t) { replace(selStart_, selLength_, t); }

template <class Get>
auto RichTextBox::selectionAll(Get get) const {
    if (selLength_ == 0) return get(caretFormat_);
    auto first = get(formats_[static_cast<size_t>(selStart_)]);
    for (int i = selStart_; i < selStart_ + selLength_; ++i)
        if (get(formats_[static_cast<size_t>(i)]) != first) return decltype(first){};
    return first;
}

template <class Apply>
void RichTextBox::format(Apply apply) {
    if (selLength_ == 0) {
        apply(caretFormat_);
        return;
    }
    bool any = false;
    for (int i = selStart_; i < selStart_ + selLength_; ++i) {
        CharFormat before = formats_[static_cast<size_t>(i)];
        apply(formats_[static_cast<size_t>(i)]);
        any = any || !(before == formats_[static_cast<size_t>(i)]);
    }
    apply(caretFormat_);
    if (any) changedLazy("Runs", [this] { return runsValue(); });
}

bool RichTextBox::selBold() const {
    return selectionAll([](const CharFormat& f) { return f.bold; });
}
bool RichTextBox::selItalic() const {
    return selectionAll([](const CharFormat& f) { return f.italic; });
}
bool RichTextBox::selUnderline() const {
    return selectionAll([](const CharFormat& f) { return f.underline; });
}
OleColor RichTextBox::selColor() const {
    return selectionAll([](const CharFormat& f) { return f.color; });
}
double RichTextBox::selFontSize() const {
    return selectionAll([](const CharFormat& f) { return f.size; });
}
void RichTextBox::setSelBold(bool v) {
    format([v](CharFormat& f) { f.bold = v; });
}
void RichTextBox::setSelItalic(bool v) {
    format([v](CharFormat& f) { f.italic = v; });
}
void RichTextBox::setSelUnderline(bool v) {
    format([v](CharFormat& f) { f.underline = v; });
}
void RichTextBox::setSelColor(OleColor c) {
    format([c](CharFormat& f) { f.color = c; });
}
void RichTextBox::setSelFontSize(double s) {
    format([s](CharFormat& f) { f.size = s; });
}

void RichTextBox::userKeyDown(int& keyCode, int) {
    int len = utf8Length(text_);
    switch (keyCode) {
        case vbKeyDelete:
            if (locked_) return;
            if (selLength_ > 0)
                replace(selStart_, selLength_, {});
            else if (selStart_ < len)
                replace(selStart_, 1, {});
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
            setCaret(selStart_ + 1, 0);
            break;
        default:
            break;
    }
}

void RichTextBox::userChar(int keyAscii) {
    if (locked_ || keyAscii <= 0) return;
    if (keyAscii == vbKeyBack) {
        if (selLength_ > 0)
            replace(selStart_, selLength_, {});
        else if (selStart_ > 0)
            replace(selStart_ - 1, 1, {});
    } else if (keyAscii == vbKeyReturn) {
        replace(selStart_, selLength_, "\r\n");
    } else if (keyAscii >= 32) {
        replace(selStart_, selLength_, utf8FromCode(keyAscii));
    }
}

const PropertyTable<RichTextBox>& RichTextBox::propertyTable() {
    using C = RichTextBox;
    static const auto table = PropertyTable<C>()
                                  .add("Text", &C::text, &C::setText)
                                  .add("Locked", &C::locked, &C::setLocked)
                                  .add("SelStart", &C::selStart, &C::setSelStart)
                                  .add("SelLength", &C::selLength, &C::setSelLength)
                                  .add("SelText", &C::selText, &C::setSelText)
                                  .add("SelBold", &C::selBold, &C::setSelBold)
                                  .add("SelItalic", &C::selItalic, &C::setSelItalic)
                                  .add("SelUnderline", &C::selUnderline, &C::setSelUnderline)
                                  .add("SelColor", &C::selColor, &C::setSelColor)
                                  .add("SelFontSize", &C::selFontSize, &C::setSelFontSize)
                                  .add("Runs", &C::runsValue);
    return table;
}

}  // namespace ui
