#pragma once
// Helpers that write caption entries compactly; used only by the caption data files.

#include <string>
#include <string_view>
#include <vector>

#include "text/captions.h"

namespace text::detail {

class CaptionBuilder {
  public:
    CaptionBuilder(std::vector<CaptionText>& out, int selector, std::string_view form)
        : out_(out), selector_(selector), form_(form) {}

    // The caption of the form itself.
    void form(std::string english, std::string german) {
        add("", kNoIndex, CaptionProperty::Caption, kNoIndex, english, german);
    }
    void caption(std::string_view control, std::string english, std::string german) {
        add(control, kNoIndex, CaptionProperty::Caption, kNoIndex, english, german);
    }
    void caption(std::string_view control, int index, std::string english, std::string german) {
        add(control, index, CaptionProperty::Caption, kNoIndex, english, german);
    }
    // The same caption on elements first to last of a control array.
    void captions(std::string_view control, int first, int last, const std::string& english,
                  const std::string& german) {
        for (int i = first; i <= last; ++i) caption(control, i, english, german);
    }
    void add(std::string_view control, int index, CaptionProperty property, int item,
             std::string english, std::string german,
             CaptionSource source = CaptionSource::Designed) {
        out_.push_back({selector_, form_, control, index, property, item, std::move(english),
                        std::move(german), source});
    }

  private:
    std::vector<CaptionText>& out_;
    int selector_;
    std::string_view form_;
};

void addMainWindowCaptions(std::vector<CaptionText>& out);
void addMainWindowLists(std::vector<CaptionText>& out);
void addDialogCaptions(std::vector<CaptionText>& out);

}  // namespace text::detail
