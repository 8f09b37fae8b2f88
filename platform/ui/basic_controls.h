#pragma once
// The simple controls: Label, CommandButton, CheckBox, OptionButton, Frame, PictureBox, Image,
// ProgressBar. Every constructor takes the owning form, the control's name and, for an element
// of a control array, its index: `ui::Label Lbl_Info{this, "Lbl_Info"};`.

#include <string>

#include "platform/ui/property_table.h"

namespace ui {

// Caption alignment of labels and text boxes.
inline constexpr int vbLeftJustify = 0;
inline constexpr int vbRightJustify = 1;
inline constexpr int vbCenter = 2;

class Label : public WithProperties<Label> {
  public:
    Label(Form* form, std::string name, int index = -1);
    static const PropertyTable<Label>& propertyTable();
    const char* kind() const override { return "Label"; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);  // raises Change when the caption changes
    int alignment() const { return alignment_; }
    void setAlignment(int a);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool v);
    int backStyle() const { return backStyle_; }  // 0 transparent, 1 opaque
    void setBackStyle(int v);
    std::function<void()> onChange;

  private:
    std::string caption_;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false, wordWrap_ = false;
    int backStyle_ = 1;
};

class CommandButton : public WithProperties<CommandButton> {
  public:
    CommandButton(Form* form, std::string name, int index = -1);
    static const PropertyTable<CommandButton>& propertyTable();
    const char* kind() const override { return "CommandButton"; }
    bool canFocus() const override { return true; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool isDefault() const { return default_; }  // the form's default button (Enter)
    void setDefault(bool v);
    bool isCancel() const { return cancel_; }  // the form's cancel button (Escape)
    void setCancel(bool v);
    // Value = True in VB: runs the Click handler as if the user had pressed the button.
    void press();
    void userKeyDown(int& keyCode, int shift) override;
    void userChar(int keyAscii) override;

  private:
    std::string caption_;
    bool default_ = false, cancel_ = false;
};

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

// Click runs for every change of Value, by the user or by the program.
class CheckBox : public WithProperties<CheckBox> {
  public:
    CheckBox(Form* form, std::string name, int index = -1);
    static const PropertyTable<CheckBox>& propertyTable();
    const char* kind() const override { return "CheckBox"; }
    bool canFocus() const override { return true; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    int value() const { return value_; }  // vbUnchecked, vbChecked, vbGrayed
    void setValue(int v);
    void userClick() override;  // toggles between unchecked and checked
    void userChar(int keyAscii) override;

  private:
    std::string caption_;
    int value_ = vbUnchecked;
};

// OptionButtons in the same container (and TabStrip page) exclude each other: setting one to
// true clears the others, which raise no event. Click runs when a button becomes true.
class OptionButton : public WithProperties<OptionButton> {
  public:
    OptionButton(Form* form, std::string name, int index = -1);
    static const PropertyTable<OptionButton>& propertyTable();
    const char* kind() const override { return "OptionButton"; }
    bool canFocus() const override { return true; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    bool value() const { return value_; }
    void setValue(bool v);
    void userClick() override;
    void userChar(int keyAscii) override;

  private:
    std::string caption_;
    bool value_ = false;
};

class Frame : public WithProperties<Frame> {
  public:
    Frame(Form* form, std::string name, int index = -1);
    static const PropertyTable<Frame>& propertyTable();
    const char* kind() const override { return "Frame"; }
    bool isContainer() const override { return true; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int v);

  private:
    std::string caption_;
    int borderStyle_ = 1;
};

// A picture is named by a text: a file path, or "ImageListName:Key" for an image of an
// ImageList; the renderer resolves it. PictureBox is also a container.
class PictureBox : public WithProperties<PictureBox> {
  public:
    PictureBox(Form* form, std::string name, int index = -1);
    static const PropertyTable<PictureBox>& propertyTable();
    const char* kind() const override { return "PictureBox"; }
    bool isContainer() const override { return true; }
    bool canFocus() const override { return true; }
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& p);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int v);
    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool v);

  private:
    std::string picture_;
    int borderStyle_ = 1;
    bool autoRedraw_ = false;
};

class Image : public WithProperties<Image> {
  public:
    Image(Form* form, std::string name, int index = -1);
    static const PropertyTable<Image>& propertyTable();
    const char* kind() const override { return "Image"; }
    const std::string& picture() const { return picture_; }
    void setPicture(const std::string& p);
    bool stretch() const { return stretch_; }
    void setStretch(bool v);

  private:
    std::string picture_;
    bool stretch_ = false;
};

// Value stays within Min..Max; setting it outside raises Error 380 "Invalid property value".
class ProgressBar : public WithProperties<ProgressBar> {
  public:
    ProgressBar(Form* form, std::string name, int index = -1);
    static const PropertyTable<ProgressBar>& propertyTable();
    const char* kind() const override { return "ProgressBar"; }
    double min() const { return min_; }
    double max() const { return max_; }
    double value() const { return value_; }
    void setMin(double v);
    void setMax(double v);
    void setValue(double v);

  private:
    double min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace ui
