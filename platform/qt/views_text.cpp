// Views of the text controls and the selection list. The model owns the text: typed keys go to
// the model (KeyPress first), the view mirrors the result; edits without a key (paste, cut,
// undo, drag and drop) reach the model as a new text, which raises Change there.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>

#include "platform/qt/control_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/palette.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/input.h"
#include "platform/ui/rich_text_box.h"
#include "platform/ui/text_box.h"

namespace qtui {

namespace {

Qt::Alignment textAlignment(int a) {
    switch (a) {
        case ui::vbRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ui::vbCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

class LineView : public ControlView {
  public:
    LineView(FormWindow& w, ui::TextBox& c) : ControlView(w, c), box_(c) {
        auto* e = new QLineEdit(w.client());
        init(e, Mouse::Observe, true, true);
        QObject::connect(e, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (mirroring()) return;
            const int caret = edit()->cursorPosition();
            input([this, text, caret] {
                box_.setText(ss(text));
                box_.setSelStart(caret);
            });
        });
        QObject::connect(e, &QLineEdit::selectionChanged, this, [this] { selectionToModel(); });
        QObject::connect(e, &QLineEdit::cursorPositionChanged, this,
                         [this] { selectionToModel(); });
    }
    void refreshKind() override {
        QLineEdit* e = edit();
        e->setReadOnly(box_.locked());
        e->setEchoMode(box_.passwordChar().empty() ? QLineEdit::Normal : QLineEdit::Password);
        e->setAlignment(textAlignment(box_.alignment()));
        if (e->text() != qs(box_.text())) e->setText(qs(box_.text()));
        const int start = box_.selStart(), length = box_.selLength();
        const int curStart = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        const int curLength = e->hasSelectedText() ? int(e->selectedText().size()) : 0;
        if (curStart != start || curLength != length) {
            if (length > 0)
                e->setSelection(start, length);
            else
                e->setCursorPosition(start);
        }
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget_.data()); }
    void selectionToModel() {
        if (mirroring() || !widget_) return;
        QLineEdit* e = edit();
        const int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        const int length = e->hasSelectedText() ? int(e->selectedText().size()) : 0;
        if (start == box_.selStart() && length == box_.selLength()) return;
        input([this, start, length] {
            box_.setSelStart(start);
            box_.setSelLength(length);
        });
    }
    ui::TextBox& box_;
};

// Multi-line text boxes and the rich-text box share the selection handling of QTextEdit-like
// widgets; Edit is QPlainTextEdit or QTextEdit.
template <class Edit, class Model>
class DocumentView : public ControlView {
  public:
    DocumentView(FormWindow& w, Model& c) : ControlView(w, c), model_(c) {
        auto* e = new Edit(w.client());
        init(e, Mouse::Observe, true, true);
        watch(e->viewport());
        QObject::connect(e, &Edit::textChanged, this, [this] {
            if (mirroring()) return;
            const std::string text = ss(edit()->toPlainText());
            const int caret = edit()->textCursor().position();
            input([this, text, caret] {
                model_.setText(text);
                model_.setSelStart(caret);
            });
        });
        QObject::connect(e, &Edit::cursorPositionChanged, this, [this] { selectionToModel(); });
        QObject::connect(e, &Edit::selectionChanged, this, [this] { selectionToModel(); });
    }

  protected:
    Edit* edit() const { return static_cast<Edit*>(widget_.data()); }
    void mirrorSelection() {
        QTextCursor cur = edit()->textCursor();
        const int start = model_.selStart(), end = start + model_.selLength();
        if (cur.selectionStart() == start && cur.selectionEnd() == end) return;
        cur.setPosition(start);
        cur.setPosition(end, QTextCursor::KeepAnchor);
        edit()->setTextCursor(cur);
    }
    void selectionToModel() {
        if (mirroring() || !widget_) return;
        const QTextCursor cur = edit()->textCursor();
        const int start = cur.selectionStart(), length = cur.selectionEnd() - start;
        if (start == model_.selStart() && length == model_.selLength()) return;
        input([this, start, length] {
            model_.setSelStart(start);
            model_.setSelLength(length);
        });
    }
    Model& model_;
};

class MultiLineView : public DocumentView<QPlainTextEdit, ui::TextBox> {
  public:
    using DocumentView::DocumentView;
    void refreshKind() override {
        edit()->setReadOnly(model_.locked());
        if (edit()->toPlainText() != qs(model_.text())) edit()->setPlainText(qs(model_.text()));
        mirrorSelection();
    }
};

class RichView : public DocumentView<QTextEdit, ui::RichTextBox> {
  public:
    RichView(FormWindow& w, ui::RichTextBox& c) : DocumentView(w, c) {
        edit()->setAcceptRichText(false);  // pasted text arrives as plain text in the model
    }
    void refreshKind() override {
        edit()->setReadOnly(model_.locked());
        // Rebuild the document only when text or formatting changed.
        std::string signature = model_.text();
        const auto runs = model_.runs();
        for (const auto& r : runs)
            signature += "\x1f" + std::to_string(r.start) + ":" + std::to_string(r.length) +
                         (r.format.bold ? "b" : "") + (r.format.italic ? "i" : "") +
                         (r.format.underline ? "u" : "") + std::to_string(r.format.color) + "/" +
                         std::to_string(r.format.size);
        if (signature != signature_) {
            signature_ = signature;
            edit()->setPlainText(qs(model_.text()));
            QTextCursor cur(edit()->document());
            for (const auto& r : runs) {
                QTextCharFormat f;
                f.setFontWeight(r.format.bold ? QFont::Bold : QFont::Normal);
                f.setFontItalic(r.format.italic);
                f.setFontUnderline(r.format.underline);
                f.setForeground(toQColor(r.format.color));
                if (r.format.size > 0) f.setFontPointSize(r.format.size);
                cur.setPosition(r.start);
                cur.setPosition(r.start + r.length, QTextCursor::KeepAnchor);
                cur.setCharFormat(f);
            }
        }
        mirrorSelection();
    }

  private:
    std::string signature_;
};

class ComboView : public ControlView {
  public:
    ComboView(FormWindow& w, ui::ComboBox& c) : ControlView(w, c), combo_(c) {
        auto* b = new QComboBox(w.client());
        init(b, Mouse::Observe, true, false);
        QObject::connect(b, &QComboBox::activated, this, [this](int position) {
            if (mirroring()) return;
            input([this, position] { ui::selectItem(combo_, position); });
            refresh();  // the handler may have refused or changed the selection
        });
    }
    void refreshKind() override {
        auto* b = static_cast<QComboBox*>(widget_.data());
        const bool editable = combo_.style() != ui::vbComboDropdownList;
        if (b->isEditable() != editable) {
            b->setEditable(editable);
            if (editable) {
                watch(b->lineEdit());
                QObject::connect(b->lineEdit(), &QLineEdit::textEdited, this,
                                 [this](const QString& t) {
                                     if (!mirroring()) input([this, t] { combo_.setText(ss(t)); });
                                 });
            }
        }
        QStringList items;
        for (int i = 0; i < combo_.listCount(); ++i) items << qs(combo_.list(i));
        QStringList current;
        for (int i = 0; i < b->count(); ++i) current << b->itemText(i);
        if (items != current) {
            b->clear();
            b->addItems(items);
        }
        if (b->currentIndex() != combo_.listIndex()) b->setCurrentIndex(combo_.listIndex());
        if (editable && b->currentText() != qs(combo_.text())) b->setEditText(qs(combo_.text()));
    }

  private:
    ui::ComboBox& combo_;
};

}  // namespace

std::unique_ptr<ControlView> createTextView(FormWindow& w, ui::Control& c) {
    if (auto* x = dynamic_cast<ui::TextBox*>(&c)) {
        if (x->multiLine()) return std::make_unique<MultiLineView>(w, *x);
        return std::make_unique<LineView>(w, *x);
    }
    if (auto* x = dynamic_cast<ui::RichTextBox*>(&c)) return std::make_unique<RichView>(w, *x);
    if (auto* x = dynamic_cast<ui::ComboBox*>(&c)) return std::make_unique<ComboView>(w, *x);
    return nullptr;
}

}  // namespace qtui
