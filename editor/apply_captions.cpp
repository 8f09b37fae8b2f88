#include "editor/apply_captions.h"

#include "platform/ui/ui.h"
#include "text/captions.h"

namespace editor {
namespace {

void apply(ui::Form& form, const text::CaptionText& entry, const std::string& value) {
    using text::CaptionProperty;
    if (entry.control.empty()) {
        if (entry.property == CaptionProperty::Caption) form.setCaption(value);
        return;
    }
    ui::Control* control = form.findControl(entry.control, entry.index);
    if (!control) return;
    switch (entry.property) {
        case CaptionProperty::Caption:
            control->set("Caption", value);
            break;
        case CaptionProperty::ToolTipText:
            control->setToolTipText(value);
            break;
        case CaptionProperty::Text:
            control->set("Text", value);
            break;
        case CaptionProperty::ListItem:
            if (auto* combo = dynamic_cast<ui::ComboBox*>(control)) {
                if (entry.item < combo->listCount())
                    combo->setList(entry.item, value);
                else
                    combo->addItem(value);
            }
            break;
        case CaptionProperty::TabCaption:
            if (auto* tabs = dynamic_cast<ui::TabStrip*>(control))
                if (entry.item < tabs->tabs()) tabs->setTabCaption(entry.item, value);
            break;
        case CaptionProperty::PanelText:
            if (auto* bar = dynamic_cast<ui::StatusBar*>(control))
                if (entry.item <= bar->panelCount()) bar->setPanelText(entry.item, value);
            break;
    }
}

}  // namespace

void applyCaptions(ui::Form& form, int formSelector, text::Language language) {
    if (language == text::Language::None) return;
    for (const auto& entry : text::captionTexts()) {
        if (entry.formSelector != formSelector || entry.form != form.name()) continue;
        if (language == text::Language::English)
            apply(form, entry, entry.english);
        else if (entry.source == text::CaptionSource::Filled)
            apply(form, entry, entry.german);
    }
}

}  // namespace editor
