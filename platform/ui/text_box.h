#pragma once
// TextBox: a single- or multi-line text field.
//
// Change runs for every change of Text, by the user or by the program; setting the text it
// already has runs nothing. Typed keys go through KeyPress first (the handler may replace the
// key or discard it with keyAscii = 0), then take effect at the caret: a character replaces the
// selection (refused when MaxLength would be exceeded), Backspace deletes the selection or the
// character before the caret. Positions (SelStart, SelLength, MaxLength) count characters, not
// bytes, of the UTF-8 text. Setting Text places the caret at the end.

#include <string>

#include "platform/ui/basic_controls.h"

namespace ui {

class TextBox : public WithProperties<TextBox> {
  public:
    TextBox(Form* form, std::string name, int index = -1);
    static const PropertyTable<TextBox>& propertyTable();
    const char* kind() const override { return "TextBox"; }
    bool canFocus() const override { return true; }

    const std::string& text() const { return text_; }
    void setText(const std::string& t);
    int maxLength() const { return maxLength_; }  // 0: no limit
    // Applies to typing only; like the toolkit it models, a longer text set by the program stays.
    void setMaxLength(int n);
    bool locked() const { return locked_; }
    void setLocked(bool v);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v);
    const std::string& passwordChar() const { return passwordChar_; }
    void setPasswordChar(const std::string& c);
    int alignment() const { return alignment_; }
    void setAlignment(int a);

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    std::string selText() const;
    void setSelStart(int v);
    void setSelLength(int v);
    void setSelText(const std::string& t);  // replaces the selection; raises Change

    std::function<void()> onChange;

    void userKeyDown(int& keyCode, int shift) override;
    void userChar(int keyAscii) override;

  private:
    void replaceSelection(const std::string& with);
    void setCaret(int start, int length);

    std::string text_;
    int maxLength_ = 0;
    bool locked_ = false, multiLine_ = false;
    std::string passwordChar_;
    int alignment_ = vbLeftJustify;
    int selStart_ = 0, selLength_ = 0;
};

// UTF-8 helpers shared by the text controls.
int utf8Length(std::string_view s);
size_t utf8Offset(std::string_view s, int chars);  // byte offset of character `chars`
// The character of a key code (keyAscii is a Windows-1252 code as in the toolkit modelled;
// codes beyond it give "?").
std::string utf8FromCode(int code);
std::string utf8Substr(std::string_view s, int start, int length);  // in characters

}  // namespace ui
