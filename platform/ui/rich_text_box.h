#pragma once
// RichTextBox: text with per-character bold, italic, underline, colour and size.
//
// The selection (SelStart, SelLength, in characters) carries the formatting properties:
// setting SelBold formats the selected characters, or, with nothing selected, the characters
// typed or inserted next at the caret. Reading SelBold gives true when every selected character
// is bold (for an empty selection: the format at the caret). Change runs for every change of
// the text.

#include <string>
#include <vector>

#include "platform/ui/text_box.h"

namespace ui {

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    OleColor color = vbWindowText;
    double size = 8.25;
    bool operator==(const CharFormat&) const = default;
};

// A run of characters with the same format (for renderers).
struct FormatRun {
    int start;
    int length;
    CharFormat format;
};

class RichTextBox : public WithProperties<RichTextBox> {
  public:
    RichTextBox(Form* form, std::string name, int index = -1);
    static const PropertyTable<RichTextBox>& propertyTable();
    const char* kind() const override { return "RichTextBox"; }
    bool canFocus() const override { return true; }

    const std::string& text() const { return text_; }
    void setText(const std::string& t);  // plain text in the default format
    bool locked() const { return locked_; }
    void setLocked(bool v);

    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    std::string selText() const;
    void setSelStart(int v);
    void setSelLength(int v);
    void setSelText(const std::string& t);  // replaces the selection in the caret's format

    bool selBold() const;
    bool selItalic() const;
    bool selUnderline() const;
    OleColor selColor() const;
    double selFontSize() const;
    void setSelBold(bool v);
    void setSelItalic(bool v);
    void setSelUnderline(bool v);
    void setSelColor(OleColor c);
    void setSelFontSize(double s);

    std::vector<FormatRun> runs() const;

    std::function<void()> onChange;
    std::function<void()> onSelChange;

    void userKeyDown(int& keyCode, int shift) override;
    void userChar(int keyAscii) override;

  private:
    template <class Get>
    auto selectionAll(Get get) const;
    template <class Apply>
    void format(Apply apply);
    void replace(int start, int length, const std::string& with);
    void setCaret(int start, int length);
    Value runsValue() const;

    std::string text_;
    std::vector<CharFormat> formats_;  // one per character
    CharFormat caretFormat_;
    bool locked_ = false;
    int selStart_ = 0, selLength_ = 0;
};

}  // namespace ui
