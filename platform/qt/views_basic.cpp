// Views of the simple controls: labels, buttons, check boxes, option buttons, frames,
// pictures, progress bars and spinners.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

#include "platform/qt/control_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/palette.h"
#include "platform/ui/basic_controls.h"
#include "platform/ui/up_down.h"

namespace qtui {

namespace {

Qt::Alignment alignmentOf(int a) {
    switch (a) {
        case ui::vbRightJustify:
            return Qt::AlignRight | Qt::AlignTop;
        case ui::vbCenter:
            return Qt::AlignHCenter | Qt::AlignTop;
        default:
            return Qt::AlignLeft | Qt::AlignTop;
    }
}

class LabelView : public ControlView {
  public:
    LabelView(FormWindow& w, ui::Label& c) : ControlView(w, c), label_(c) {
        init(new QLabel(w.client()), Mouse::Model, false, true);
    }
    void refreshKind() override {
        auto* l = static_cast<QLabel*>(widget_.data());
        if (l->text() != qs(label_.caption())) l->setText(qs(label_.caption()));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(alignmentOf(label_.alignment()));
        l->setWordWrap(label_.wordWrap());
        l->setAutoFillBackground(label_.backStyle() == 1);
    }

  private:
    ui::Label& label_;
};

class ButtonView : public ControlView {
  public:
    ButtonView(FormWindow& w, ui::CommandButton& c) : ControlView(w, c), button_(c) {
        init(new QPushButton(w.client()), Mouse::Model, true, true);
    }
    void refreshKind() override {
        auto* b = static_cast<QPushButton*>(widget_.data());
        if (b->text() != qs(button_.caption())) b->setText(qs(button_.caption()));
        b->setDefault(button_.isDefault());
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        // The button looks pressed while the mouse is down, though the model does the click.
        auto* b = static_cast<QPushButton*>(widget_.data());
        if (b && e->type() == QEvent::MouseButtonPress) b->setDown(true);
        if (b && e->type() == QEvent::MouseButtonRelease) b->setDown(false);
        return ControlView::eventFilter(o, e);
    }

  private:
    ui::CommandButton& button_;
};

class CheckView : public ControlView {
  public:
    CheckView(FormWindow& w, ui::CheckBox& c) : ControlView(w, c), check_(c) {
        init(new QCheckBox(w.client()), Mouse::Model, true, true);
    }
    void refreshKind() override {
        auto* b = static_cast<QCheckBox*>(widget_.data());
        if (b->text() != qs(check_.caption())) b->setText(qs(check_.caption()));
        b->setTristate(check_.value() == ui::vbGrayed);
        b->setCheckState(check_.value() == ui::vbChecked  ? Qt::Checked
                         : check_.value() == ui::vbGrayed ? Qt::PartiallyChecked
                                                          : Qt::Unchecked);
    }

  private:
    ui::CheckBox& check_;
};

class OptionView : public ControlView {
  public:
    OptionView(FormWindow& w, ui::OptionButton& c) : ControlView(w, c), option_(c) {
        auto* b = new QRadioButton(w.client());
        b->setAutoExclusive(false);  // the model clears the other buttons of the container
        init(b, Mouse::Model, true, true);
    }
    void refreshKind() override {
        auto* b = static_cast<QRadioButton*>(widget_.data());
        if (b->text() != qs(option_.caption())) b->setText(qs(option_.caption()));
        b->setChecked(option_.value());
    }

  private:
    ui::OptionButton& option_;
};

class FrameView : public ControlView {
  public:
    FrameView(FormWindow& w, ui::Frame& c) : ControlView(w, c), frame_(c) {
        init(new QGroupBox(w.client()), Mouse::Model, false, true);
    }
    QWidget* childArea(int) override { return widget_; }
    void refreshKind() override {
        auto* g = static_cast<QGroupBox*>(widget_.data());
        g->setTitle(qs(frame_.caption()));
        g->setFlat(frame_.borderStyle() == 0);
        g->setStyleSheet(frame_.borderStyle() == 0 ? "QGroupBox { border: none; }" : "");
    }

  private:
    ui::Frame& frame_;
};

// PictureBox and Image: a picture in a label; a PictureBox also holds controls.
class PictureView : public ControlView {
  public:
    PictureView(FormWindow& w, ui::Control& c, bool container)
        : ControlView(w, c), container_(container) {
        auto* l = new QLabel(w.client());
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        init(l, Mouse::Model, container, true);
    }
    QWidget* childArea(int) override { return container_ ? widget_.data() : nullptr; }
    void refreshKind() override {
        auto* l = static_cast<QLabel*>(widget_.data());
        std::string picture;
        bool stretch = false;
        if (auto* p = dynamic_cast<ui::PictureBox*>(&control_)) {
            picture = p->picture();
            l->setFrameStyle(p->borderStyle() ? QFrame::StyledPanel | QFrame::Sunken
                                              : QFrame::NoFrame);
            l->setAutoFillBackground(true);
        } else if (auto* i = dynamic_cast<ui::Image*>(&control_)) {
            picture = i->picture();
            stretch = i->stretch();
        }
        if (picture == picture_) return;
        picture_ = picture;
        const int size = std::max(16, std::min(l->width(), l->height()));
        l->setPixmap(resolvePicture(&control_.form(), picture, size));
        l->setScaledContents(stretch);
    }

  private:
    bool container_;
    std::string picture_ = "\x01";  // nothing shown yet
};

class ProgressView : public ControlView {
  public:
    ProgressView(FormWindow& w, ui::ProgressBar& c) : ControlView(w, c), bar_(c) {
        auto* b = new QProgressBar(w.client());
        b->setRange(0, kSteps);
        b->setTextVisible(false);
        init(b, Mouse::Model, false, true);
    }
    void refreshKind() override {
        const double span = bar_.max() - bar_.min();
        const double part = span > 0 ? (bar_.value() - bar_.min()) / span : 0;
        static_cast<QProgressBar*>(widget_.data())->setValue(int(part * kSteps + 0.5));
    }

  private:
    static constexpr int kSteps = 10000;
    ui::ProgressBar& bar_;
};

// The spinner: two arrow buttons, upper and lower half. A press goes to the model with its
// position, which decides between UpClick and DownClick.
class SpinWidget : public QWidget {
  public:
    using QWidget::QWidget;
    int pressed = 0;  // 1 upper, 2 lower

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int h = height() / 2;
        const QRect halves[2] = {QRect(0, 0, width(), h), QRect(0, h, width(), height() - h)};
        for (int i = 0; i < 2; ++i) {
            QStyleOptionButton b;
            b.initFrom(this);
            b.rect = halves[i];
            if (pressed == i + 1)
                b.state |= QStyle::State_Sunken;
            else
                b.state |= QStyle::State_Raised;
            style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &b, &p, this);
            QStyleOption a;
            a.initFrom(this);
            a.rect = halves[i].adjusted(2, 2, -2, -2);
            style()->drawPrimitive(
                i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &a, &p, this);
        }
    }
};

class UpDownView : public ControlView {
  public:
    UpDownView(FormWindow& w, ui::UpDown& c) : ControlView(w, c) {
        init(new SpinWidget(w.client()), Mouse::Model, true, false);
    }
    void refreshKind() override { widget_->update(); }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* s = static_cast<SpinWidget*>(widget_.data());
        if (s && e->type() == QEvent::MouseButtonPress) {
            s->pressed = static_cast<QMouseEvent*>(e)->position().y() < s->height() / 2 ? 1 : 2;
            s->update();
        }
        if (s && e->type() == QEvent::MouseButtonRelease) {
            s->pressed = 0;
            s->update();
        }
        return ControlView::eventFilter(o, e);
    }
};

}  // namespace

std::unique_ptr<ControlView> createBasicView(FormWindow& w, ui::Control& c) {
    if (auto* x = dynamic_cast<ui::Label*>(&c)) return std::make_unique<LabelView>(w, *x);
    if (auto* x = dynamic_cast<ui::CommandButton*>(&c)) return std::make_unique<ButtonView>(w, *x);
    if (auto* x = dynamic_cast<ui::CheckBox*>(&c)) return std::make_unique<CheckView>(w, *x);
    if (auto* x = dynamic_cast<ui::OptionButton*>(&c)) return std::make_unique<OptionView>(w, *x);
    if (auto* x = dynamic_cast<ui::Frame*>(&c)) return std::make_unique<FrameView>(w, *x);
    if (dynamic_cast<ui::PictureBox*>(&c)) return std::make_unique<PictureView>(w, c, true);
    if (dynamic_cast<ui::Image*>(&c)) return std::make_unique<PictureView>(w, c, false);
    if (auto* x = dynamic_cast<ui::ProgressBar*>(&c)) return std::make_unique<ProgressView>(w, *x);
    if (auto* x = dynamic_cast<ui::UpDown*>(&c)) return std::make_unique<UpDownView>(w, *x);
    return nullptr;
}

}  // namespace qtui
