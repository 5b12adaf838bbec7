// Renderers of the drive, folder and file lists of the file dialogs. A click picks an entry; a double click (or
// Enter) opens a folder or confirms a file. Double clicks are handed to the
// control once Qt has finished with the click, because they rebuild the
// list or close the dialog.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

#include "qt/view_kit.h"
#include "ui/filelists.h"

namespace bx {

namespace {

constexpr int kLevelIndent = 14;  // pixels per folder level

// Runs action on the control after the current Qt event, while the view lives.
void later(ControlView* v, std::function<void()> action) {
    QPointer<ControlView> guard(v);
    QTimer::singleShot(0, v, [guard, action = std::move(action)] {
        if (guard) action();
    });
}

class DriveView : public ControlView {
public:
    DriveView(ui::DriveListBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QComboBox(parent)) {
        w_->setIconSize(QSize(16, 16));
        connect(w_, &QComboBox::activated, this, [this](int i) { forward([this, i] { drives().pick(i); }); });
        w_->installEventFilter(this);
    }
    QWidget* widget() const override { return w_; }
    bool eventFilter(QObject*, QEvent* e) override { return pass_wheel_on(e); }
    void sync(const char*) override {
        ui::DriveListBox& c = drives();
        QSignalBlocker block(w_);
        if (w_->count() != c.ListCount()) {
            w_->clear();
            const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
            for (const std::string& d : c.items()) w_->addItem(icon, qs(d));
        }
        for (int i = 0; i < c.ListCount(); ++i) w_->setItemText(i, qs(c.List(i)));
        w_->setCurrentIndex(c.ListIndex());
    }

private:
    ui::DriveListBox& drives() const { return static_cast<ui::DriveListBox&>(control()); }
    QComboBox* w_;
};

// Indents each folder by its level, as a tree.
class LevelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        QStyleOptionViewItem o(opt);
        o.rect.adjust(index.data(Qt::UserRole).toInt() * kLevelIndent, 0, 0, 0);
        QStyledItemDelegate::paint(p, o, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(opt, index);
        return QSize(s.width() + index.data(Qt::UserRole).toInt() * kLevelIndent, s.height());
    }
};

class DirView : public ControlView {
public:
    DirView(ui::DirListBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QListWidget(parent)) {
        w_->setSelectionMode(QAbstractItemView::SingleSelection);
        w_->setItemDelegate(new LevelDelegate(w_));
        w_->setIconSize(QSize(16, 16));
        w_->installEventFilter(this);
        connect(w_, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
            const int row = w_->row(it);
            forward([this, row] { dirs().pick(row); });
        });
        connect(w_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) { open_later(w_->row(it)); });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        ui::DirListBox& c = dirs();
        const bool all = std::string(prop) == "*";
        if (all || std::string(prop) == "List" || shown_ != c.entries()) rebuild();
        QSignalBlocker block(w_);
        if (w_->currentRow() != c.ListIndex()) w_->setCurrentRow(c.ListIndex());
        if (QListWidgetItem* it = w_->item(c.path_index())) {
            if (c.ListIndex() == c.path_index()) w_->scrollToItem(it);
        }
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !live()) return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && w_->currentRow() >= 0) {
            open_later(w_->currentRow());
            return true;
        }
        return false;
    }

private:
    void open_later(int row) {
        later(this, [this, row] { forward([this, row] { dirs().open(row); }); });
    }
    void rebuild() {
        ui::DirListBox& c = dirs();
        if (shown_ == c.entries() && w_->count() == static_cast<int>(shown_.size())) return;
        QSignalBlocker block(w_);
        w_->clear();
        QStyle* st = QApplication::style();
        const QIcon open = st->standardIcon(QStyle::SP_DirOpenIcon);
        const QIcon closed = st->standardIcon(QStyle::SP_DirClosedIcon);
        for (const ui::DirListBox::Entry& e : c.entries()) {
            auto* it = new QListWidgetItem(e.open ? open : closed, qs(e.label));
            it->setData(Qt::UserRole, e.level);
            it->setToolTip(qs(e.path));
            w_->addItem(it);
        }
        shown_ = c.entries();
    }
    ui::DirListBox& dirs() const { return static_cast<ui::DirListBox&>(control()); }
    QListWidget* w_;
    std::vector<ui::DirListBox::Entry> shown_;
};

class FileView : public ControlView {
public:
    FileView(ui::FileListBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QListWidget(parent)) {
        w_->setSelectionMode(QAbstractItemView::SingleSelection);
        w_->setIconSize(QSize(16, 16));
        w_->installEventFilter(this);
        connect(w_, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) {
            const int row = w_->row(it);
            forward([this, row] {
                // A click on the chosen file chooses it again.
                ui::FileListBox& c = files();
                if (c.ListIndex() != row) c.pick(row);
                else if (c.usable()) ui::fire(c.Click);
            });
        });
        // Arrow keys move the choice too.
        connect(w_, &QListWidget::currentRowChanged, this, [this](int row) {
            if (row >= 0 && row != files().ListIndex()) forward([this, row] { files().pick(row); });
        });
        connect(w_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) { confirm_later(w_->row(it)); });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char*) override {
        ui::FileListBox& c = files();
        QSignalBlocker block(w_);
        bool same = w_->count() == c.ListCount();
        for (int i = 0; same && i < c.ListCount(); ++i) same = w_->item(i)->text() == qs(c.List(i));
        if (!same) {
            w_->clear();
            const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
            for (const std::string& name : c.items()) w_->addItem(new QListWidgetItem(icon, qs(name)));
        }
        if (w_->currentRow() != c.ListIndex()) w_->setCurrentRow(c.ListIndex());
        if (c.ListIndex() < 0) w_->clearSelection();
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !live()) return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && w_->currentRow() >= 0) {
            confirm_later(w_->currentRow());
            return true;
        }
        return false;
    }

private:
    void confirm_later(int row) {
        later(this, [this, row] { forward([this, row] { files().dblclick(row); }); });
    }
    ui::FileListBox& files() const { return static_cast<ui::FileListBox&>(control()); }
    QListWidget* w_;
};

}  // namespace

void register_filelist_renderers(RendererRegistry& r) {
    r.add("DriveListBox", widget_renderer<ui::DriveListBox, DriveView>());
    r.add("DirListBox", widget_renderer<ui::DirListBox, DirView>());
    r.add("FileListBox", widget_renderer<ui::FileListBox, FileView>());
}

}  // namespace bx
