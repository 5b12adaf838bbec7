// Renderers of the drive, folder and file lists of the file dialogs, and
// the about dialog's picture. A click picks an entry; a double click (or
// Enter) opens a folder or confirms a file. Double clicks are handed to the
// control once Qt has finished with the click, because they rebuild the
// list or close the dialog.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>

#include "qt/host.h"
#include "ui/filelists.h"

namespace bx {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

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
    }
    QWidget* widget() const override { return w_; }
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

template <class C, class V>
Renderer renderer() {
    return [](ui::Control& c, FormView& f, QWidget* parent) -> std::unique_ptr<ControlView> {
        return std::make_unique<V>(static_cast<C&>(c), f, parent);
    };
}

}  // namespace

void register_filelist_renderers(RendererRegistry& r) {
    r.add("DriveListBox", renderer<ui::DriveListBox, DriveView>());
    r.add("DirListBox", renderer<ui::DirListBox, DirView>());
    r.add("FileListBox", renderer<ui::FileListBox, FileView>());
}

// The about dialog's picture on the 32 × 32 grid: a hand-held two-way radio
// with its antenna, display and keypad.
void draw_about_picture(QPainter& p) {
    const QColor ink(40, 44, 52);
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(70, 74, 84));
    p.drawRoundedRect(QRectF(20, 1.5, 3, 9), 1.2, 1.2);  // antenna
    p.setBrush(QColor(52, 110, 190));
    p.drawRoundedRect(QRectF(8, 8, 17, 22.5), 3, 3);  // body
    p.setBrush(QColor(196, 232, 170));
    p.drawRoundedRect(QRectF(10.5, 11, 12, 6), 1, 1);  // display
    p.setPen(QPen(QColor(40, 90, 40), 1));
    p.drawLine(QPointF(12, 14), QPointF(17, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 238, 245));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) p.drawEllipse(QRectF(11 + col * 4, 19.5 + row * 3.5, 2.4, 2.4));
    p.setBrush(QColor(230, 80, 60));
    p.drawEllipse(QRectF(26, 5, 3, 3));  // signal
    p.setPen(QPen(QColor(230, 80, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(24, 3, 7, 7), 20 * 16, 100 * 16);
}

}  // namespace bx
