// Renderers of labels, command buttons, frames, picture boxes, check boxes,
// option buttons and progress bars; timers and serial ports draw nothing.
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

#include "qt/pictures.h"
#include "qt/view_kit.h"
#include "ui/controls.h"

namespace bx {

namespace {

class NullView : public ControlView {
public:
    using ControlView::ControlView;
    void sync(const char*) override {}
};

class LabelView : public ControlView {
public:
    LabelView(ui::Label& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QLabel(parent)) {
        w_->setTextFormat(Qt::PlainText);
        w_->setWordWrap(true);
        w_->installEventFilter(this);
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        auto& c = static_cast<ui::Label&>(control());
        if (any(prop, {"Caption"})) w_->setText(plain_caption(c.Caption()));
        if (any(prop, {"Alignment"})) w_->setAlignment(horizontal(c.Alignment()) | Qt::AlignTop);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (left_click_inside(w_, e)) forward([this] { static_cast<ui::Label&>(control()).click(); });
        return false;
    }

private:
    QLabel* w_;
};

class ButtonView : public ControlView {
public:
    ButtonView(ui::CommandButton& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QPushButton(parent)) {
        w_->setAutoDefault(false);
        w_->installEventFilter(this);
        connect(w_, &QPushButton::clicked, this, [this] { forward([this] { button().click(); }); });
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setText(qs(button().Caption()));
        if (any(prop, {"Default"})) w_->setDefault(button().Default());
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (!live()) return false;
        forward_focus(*this, button(), w_, e);
        // Enter on a focused button clicks that button.
        if (e->type() == QEvent::KeyPress) {
            auto* ke = static_cast<QKeyEvent*>(e);
            if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && ke->modifiers() == Qt::NoModifier) {
                forward([this] { button().click(); });
                return true;
            }
        }
        return false;
    }

private:
    ui::CommandButton& button() const { return static_cast<ui::CommandButton&>(control()); }
    QPushButton* w_;
};

class FrameView : public ControlView {
public:
    FrameView(ui::Frame& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QGroupBox(parent)) {
        // The caption sits on the frame's top line, and the frame fills the
        // control's rectangle, so controls inside keep their designed places.
        w_->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }"));
    }
    QWidget* widget() const override { return w_; }
    QWidget* container() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setTitle(qs(static_cast<ui::Frame&>(control()).Caption()));
    }

private:
    QGroupBox* w_;
};

class PictureView : public ControlView {
public:
    PictureView(ui::PictureBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QLabel(parent)) {
        w_->setAlignment(Qt::AlignCenter);
        w_->installEventFilter(this);
    }
    QWidget* widget() const override { return w_; }
    QWidget* container() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Picture", "Width", "Height"})) redraw();
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) redraw();
        if (left_click_inside(w_, e))
            forward([this] {
                auto& c = static_cast<ui::PictureBox&>(control());
                if (c.usable()) ui::fire(c.Click);
            });
        return false;
    }

private:
    void redraw() {
        const std::string& name = static_cast<ui::PictureBox&>(control()).Picture();
        if (name.empty()) w_->clear();
        else w_->setPixmap(draw_picture(name, w_->size()));
    }
    QLabel* w_;
};

class CheckView : public ControlView {
public:
    CheckView(ui::CheckBox& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QCheckBox(parent)) {
        w_->setTristate(true);
        w_->installEventFilter(this);
        connect(w_, &QCheckBox::clicked, this, [this] { forward([this] { check().click(); }); });
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (live()) forward_focus(*this, check(), w_, e);
        return false;
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setText(qs(check().Caption()));
        if (any(prop, {"Value"})) {
            const int v = check().Value();
            w_->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        }
    }

private:
    ui::CheckBox& check() const { return static_cast<ui::CheckBox&>(control()); }
    QCheckBox* w_;
};

// Option buttons are grouped by their control's container; the widgets do
// not group themselves, the control's Value decides.
class OptionView : public ControlView {
public:
    OptionView(ui::OptionButton& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QRadioButton(parent)) {
        w_->setAutoExclusive(false);
        w_->installEventFilter(this);
        connect(w_, &QRadioButton::clicked, this, [this] { forward([this] { option().click(); }); });
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (live()) forward_focus(*this, option(), w_, e);
        return false;
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (any(prop, {"Caption"})) w_->setText(qs(option().Caption()));
        if (any(prop, {"Value"})) w_->setChecked(option().Value());
    }

private:
    ui::OptionButton& option() const { return static_cast<ui::OptionButton&>(control()); }
    QRadioButton* w_;
};

class ProgressView : public ControlView {
public:
    ProgressView(ui::ProgressBar& c, FormView& f, QWidget* parent) : ControlView(c, f), w_(new QProgressBar(parent)) {
        w_->setTextVisible(false);
    }
    QWidget* widget() const override { return w_; }
    void sync(const char* prop) override {
        if (!any(prop, {"Min", "Max", "Value"})) return;
        auto& c = static_cast<ui::ProgressBar&>(control());
        const int lo = static_cast<int>(std::lround(c.Min()));
        const int hi = std::max(lo, static_cast<int>(std::lround(c.Max())));
        w_->setRange(lo, hi);
        w_->setValue(std::clamp(static_cast<int>(std::lround(c.Value())), lo, hi));
    }

private:
    QProgressBar* w_;
};

}  // namespace

void register_basic_renderers(RendererRegistry& r) {
    r.add("Label", widget_renderer<ui::Label, LabelView>());
    r.add("CommandButton", widget_renderer<ui::CommandButton, ButtonView>());
    r.add("Frame", widget_renderer<ui::Frame, FrameView>());
    r.add("PictureBox", widget_renderer<ui::PictureBox, PictureView>());
    r.add("CheckBox", widget_renderer<ui::CheckBox, CheckView>());
    r.add("OptionButton", widget_renderer<ui::OptionButton, OptionView>());
    r.add("ProgressBar", widget_renderer<ui::ProgressBar, ProgressView>());
    // Timers and serial ports have nothing to show.
    for (const char* kind : {"Timer", "SerialPort"})
        r.add(kind, [](ui::Control& c, FormView& f, QWidget*) -> std::unique_ptr<ControlView> {
            return std::make_unique<NullView>(c, f);
        });
}

}  // namespace bx
