// Views of the controls with items: tab strips, list views, tree views and status bars.

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTreeWidget>

#include "platform/qt/control_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/palette.h"
#include "platform/ui/image_list.h"
#include "platform/ui/input.h"
#include "platform/ui/list_view.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/tab_strip.h"
#include "platform/ui/tree_view.h"

namespace qtui {

namespace {
constexpr int kTwips = 15;

QIcon listIcon(const ui::ImageList* list, const std::string& key) {
    if (!list || key.empty() || !list->hasKey(key)) return {};
    return QIcon(listPicture(*list, key, list->imageWidth()));
}

// The tab row on top, a framed panel below, and one page widget per tab over the panel; the
// controls of a page sit on its widget, measured from the strip's top-left corner.
class TabView : public ControlView {
  public:
    TabView(FormWindow& w, ui::TabStrip& c) : ControlView(w, c), tabs_(c) {
        auto* box = new QWidget(w.client());
        bar_ = new QTabBar(box);
        bar_->setDrawBase(false);
        bar_->setExpanding(false);
        panel_ = new QFrame(box);
        panel_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        init(box, Mouse::Observe, true, false);
        watch(bar_);
        QObject::connect(bar_, &QTabBar::currentChanged, this, [this](int tab) {
            if (mirroring() || tab < 0) return;
            input([this, tab] { ui::selectTab(tabs_, tab); });
            refresh();  // a refused tab goes back
        });
    }
    QWidget* childArea(int page) override {
        while (int(pages_.size()) <= std::max(page, 0)) {
            auto* p = new QWidget(widget_);
            p->setObjectName(QString("page%1").arg(pages_.size()));
            pages_.push_back(p);
            layoutPages();
        }
        return pages_[std::max(page, 0)];
    }
    QPoint childOffset() const override { return {1, bar_->sizeHint().height()}; }
    void refreshKind() override {
        while (bar_->count() > tabs_.tabs()) bar_->removeTab(bar_->count() - 1);
        for (int i = 0; i < tabs_.tabs(); ++i) {
            const ui::Tab& t = tabs_.tabAt(i);
            if (i >= bar_->count()) bar_->addTab(qs(t.caption));
            bar_->setTabText(i, qs(t.caption));
            bar_->setTabEnabled(i, t.enabled);
            bar_->setTabToolTip(i, qs(t.toolTipText));
        }
        if (bar_->currentIndex() != tabs_.tab()) bar_->setCurrentIndex(tabs_.tab());
        layoutPages();
    }

  private:
    void layoutPages() {
        const int h = bar_->sizeHint().height();
        bar_->setGeometry(0, 0, widget_->width(), h);
        panel_->setGeometry(0, h - 1, widget_->width(), std::max(0, widget_->height() - h + 1));
        for (size_t i = 0; i < pages_.size(); ++i) {
            pages_[i]->setGeometry(1, h, std::max(0, widget_->width() - 2),
                                   std::max(0, widget_->height() - h - 1));
            pages_[i]->setVisible(int(i) == tabs_.tab());
            pages_[i]->raise();
        }
    }
    ui::TabStrip& tabs_;
    QTabBar* bar_;
    QFrame* panel_;
    std::vector<QWidget*> pages_;
};

class ListViewView : public ControlView {
  public:
    ListViewView(FormWindow& w, ui::ListView& c) : ControlView(w, c), list_(c) {
        auto* t = new QTreeWidget(w.client());
        t->setRootIsDecorated(false);
        t->setUniformRowHeights(true);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        init(t, Mouse::Observe, false, false);
        ownDoubleClick_ = true;
        watch(t->viewport());
        QObject::connect(t, &QTreeWidget::itemClicked, this,
                         [this](QTreeWidgetItem* item, int) { clickItem(item, false); });
        QObject::connect(t, &QTreeWidget::itemDoubleClicked, this,
                         [this](QTreeWidgetItem* item, int) { clickItem(item, true); });
        QObject::connect(t->header(), &QHeaderView::sectionClicked, this, [this](int column) {
            if (!mirroring()) input([this, column] { list_.userClickColumn(column + 1); });
        });
        QObject::connect(t, &QTreeWidget::currentItemChanged, this,
                         [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
                             if (keyboard_) clickItem(item, false);
                         });
    }
    void refreshKind() override {
        auto* t = tree();
        t->setHeaderHidden(list_.hideColumnHeaders());
        const int columns = std::max(1, list_.columnCount());
        if (t->columnCount() != columns) t->setColumnCount(columns);
        QStringList labels;
        for (int i = 1; i <= list_.columnCount(); ++i) labels << qs(list_.column(i).text);
        if (list_.columnCount() > 0) t->setHeaderLabels(labels);
        for (int i = 1; i <= list_.columnCount(); ++i)
            if (t->columnWidth(i - 1) != list_.column(i).width / kTwips)
                t->setColumnWidth(i - 1, list_.column(i).width / kTwips);
        while (t->topLevelItemCount() > list_.itemCount())
            delete t->takeTopLevelItem(t->topLevelItemCount() - 1);
        for (int i = 1; i <= list_.itemCount(); ++i) {
            const ui::ListItem& it = list_.item(i);
            QTreeWidgetItem* row = t->topLevelItem(i - 1);
            if (!row) row = new QTreeWidgetItem(t);
            if (row->text(0) != qs(it.text)) row->setText(0, qs(it.text));
            for (int s = 1; s < columns; ++s) {
                const QString sub = s <= int(it.subItems.size()) ? qs(it.subItems[s - 1]) : "";
                if (row->text(s) != sub) row->setText(s, sub);
            }
            const QString iconKey = qs(it.smallIcon);
            if (row->data(0, Qt::UserRole).toString() != iconKey || iconKey.isEmpty()) {
                row->setData(0, Qt::UserRole, iconKey);
                row->setIcon(0, listIcon(list_.smallIcons(), it.smallIcon));
            }
        }
        QTreeWidgetItem* selected =
            list_.selectedItem() > 0 ? t->topLevelItem(list_.selectedItem() - 1) : nullptr;
        if (t->currentItem() != selected) t->setCurrentItem(selected);
    }
    void ensureVisible(int item) override {
        if (auto* row = tree()->topLevelItem(item - 1)) tree()->scrollToItem(row);
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) keyboard_ = true;
        if (e->type() == QEvent::MouseButtonPress) keyboard_ = false;
        return ControlView::eventFilter(o, e);
    }

  private:
    QTreeWidget* tree() const { return static_cast<QTreeWidget*>(widget_.data()); }
    void clickItem(QTreeWidgetItem* item, bool dbl) {
        if (mirroring() || !item) return;
        const int index = tree()->indexOfTopLevelItem(item) + 1;
        input([this, index, dbl] { ui::clickListItem(list_, index, dbl); });
    }
    ui::ListView& list_;
    bool keyboard_ = false;
};

class TreeViewView : public ControlView {
  public:
    TreeViewView(FormWindow& w, ui::TreeView& c) : ControlView(w, c), tree_(c) {
        auto* t = new QTreeWidget(w.client());
        t->setHeaderHidden(true);
        init(t, Mouse::Observe, false, false);
        ownDoubleClick_ = true;
        watch(t->viewport());
        QObject::connect(t, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
            if (mirroring() || !tree_.checkboxes()) return;
            const std::string key = ss(item->data(0, Qt::UserRole).toString());
            const bool checked = item->checkState(0) == Qt::Checked;
            if (tree_.node(key).checked == checked) return;
            input([this, key, checked] { ui::checkNode(tree_, key, checked); });
            refresh();  // the handler may have refused the change
        });
        QObject::connect(t, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
            if (mirroring()) return;
            const std::string key = ss(item->data(0, Qt::UserRole).toString());
            input([this, key] { ui::clickNode(tree_, key); });
        });
        QObject::connect(t, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) {
            if (!mirroring()) input([this] { tree_.userDblClick(); });
        });
        auto expand = [this](QTreeWidgetItem* item, bool expanded) {
            if (mirroring()) return;
            const std::string key = ss(item->data(0, Qt::UserRole).toString());
            input([this, key, expanded] { tree_.setExpanded(key, expanded); });
        };
        QObject::connect(t, &QTreeWidget::itemExpanded, this,
                         [expand](QTreeWidgetItem* i) { expand(i, true); });
        QObject::connect(t, &QTreeWidget::itemCollapsed, this,
                         [expand](QTreeWidgetItem* i) { expand(i, false); });
    }
    void refreshKind() override {
        auto* t = static_cast<QTreeWidget*>(widget_.data());
        // Rebuild when the set of nodes changed, else update the nodes in place.
        QStringList keys;
        for (int i = 1; i <= tree_.nodeCount(); ++i) keys << qs(tree_.node(i).key);
        if (keys != keys_) {
            keys_ = keys;
            t->clear();
            items_.clear();
            for (int i = 1; i <= tree_.nodeCount(); ++i) {
                const ui::Node& n = tree_.node(i);
                auto parent = items_.find(n.parentKey);
                auto* item = parent == items_.end() ? new QTreeWidgetItem(t)
                                                    : new QTreeWidgetItem(parent->second);
                item->setData(0, Qt::UserRole, qs(n.key));
                items_[n.key] = item;
            }
        }
        for (int i = 1; i <= tree_.nodeCount(); ++i) {
            const ui::Node& n = tree_.node(i);
            QTreeWidgetItem* item = items_[n.key];
            if (item->text(0) != qs(n.text)) item->setText(0, qs(n.text));
            if (tree_.checkboxes())
                item->setCheckState(0, n.checked ? Qt::Checked : Qt::Unchecked);
            else
                item->setData(0, Qt::CheckStateRole, QVariant());
            item->setIcon(0, listIcon(tree_.imageList(), n.image));
            if (item->isExpanded() != n.expanded) item->setExpanded(n.expanded);
            if (i == tree_.selectedItem() && t->currentItem() != item) t->setCurrentItem(item);
        }
    }

  private:
    ui::TreeView& tree_;
    QStringList keys_;
    std::map<std::string, QTreeWidgetItem*> items_;
};

// Panels as sunken labels at the model's panel positions; a click on one goes to the model.
class StatusBarView : public ControlView {
  public:
    StatusBarView(FormWindow& w, ui::StatusBar& c) : ControlView(w, c), bar_(c) {
        init(new QWidget(w.client()), Mouse::Observe, false, false);
        widget_->setAutoFillBackground(true);
    }
    void refreshKind() override {
        const bool simple = bar_.style() == ui::sbrSimple;
        const int count = simple ? 1 : bar_.panelCount();
        while (int(labels_.size()) > count) {
            delete labels_.back();
            labels_.pop_back();
        }
        while (int(labels_.size()) < count) {
            auto* l = new QLabel(widget_);
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setIndent(3);
            l->setProperty("panel", int(labels_.size()) + 1);
            watch(l);
            l->show();
            labels_.push_back(l);
        }
        const int h = widget_->height();
        for (int i = 0; i < count; ++i) {
            QLabel* l = labels_[i];
            if (simple) {
                l->setGeometry(0, 0, widget_->width(), h);
                l->setText(qs(bar_.simpleText()));
                continue;
            }
            const ui::Panel& p = bar_.panel(i + 1);
            int width = p.width / kTwips;
            if (i == count - 1) width = std::max(width, widget_->width() - p.left / kTwips);
            l->setGeometry(p.left / kTwips, 1, width - 2, h - 2);
            if (p.text.empty() && !p.picture.empty())
                l->setPixmap(resolvePicture(&bar_.form(), p.picture, 16));
            else if (l->text() != qs(p.text))
                l->setText(qs(p.text));
            l->setToolTip(qs(p.toolTipText));
            l->setAlignment((p.alignment == 1   ? Qt::AlignHCenter
                             : p.alignment == 2 ? Qt::AlignRight
                                                : Qt::AlignLeft) |
                            Qt::AlignVCenter);
        }
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        const auto t = e->type();
        if ((t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick) &&
            o->property("panel").isValid() && bar_.style() != ui::sbrSimple &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            const int panel = o->property("panel").toInt();
            const bool dbl = t == QEvent::MouseButtonDblClick;
            if (panel <= bar_.panelCount())
                input([this, panel, dbl] { ui::clickPanel(bar_, panel, dbl); });
        }
        return ControlView::eventFilter(o, e);
    }

  private:
    ui::StatusBar& bar_;
    std::vector<QLabel*> labels_;
};

}  // namespace

std::unique_ptr<ControlView> createListView(FormWindow& w, ui::Control& c) {
    if (auto* x = dynamic_cast<ui::TabStrip*>(&c)) return std::make_unique<TabView>(w, *x);
    if (auto* x = dynamic_cast<ui::ListView*>(&c)) return std::make_unique<ListViewView>(w, *x);
    if (auto* x = dynamic_cast<ui::TreeView*>(&c)) return std::make_unique<TreeViewView>(w, *x);
    if (auto* x = dynamic_cast<ui::StatusBar*>(&c)) return std::make_unique<StatusBarView>(w, *x);
    return nullptr;
}

}  // namespace qtui
