#include "ui/form.h"

#include <algorithm>

namespace ui {

Control::Control(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {
    owner_.add(this);
}

void Control::changed(const char* prop) {
    if (owner_.Shown()) owner_.rt().host().property_changed(*this, prop);
}

void Control::Move(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

bool Control::usable() const {
    if (!owner_.Loaded()) return false;
    for (const Control* c = this; c; c = c->Container())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

Form::Form(Runtime& rt, std::string name) : rt_(rt), name_(std::move(name)) {}

void Form::leave_out(Control& c) { controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end()); }

Control* Form::control(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void Form::Load() {
    if (loaded_) return;
    for (Control* c : controls_) c->reset();
    caption_.clear();
    client_w_ = client_h_ = -1;
    loaded_ = true;
    Build();
    Form_Load();
    // Form_Load may unload the form again.
    if (!loaded_) return;
    Show();
}

void Form::Show() {
    if (!loaded_) {
        Load();
        return;
    }
    if (shown_) return;
    shown_ = true;
    rt_.host().form_shown(*this);
    Activate();
}

void Form::Activate() {
    if (!loaded_) return;
    Form_Activate();
}

bool Form::Unload(bool force, int mode) {
    if (!loaded_ || unloading_) return true;
    unloading_ = true;
    unload_mode_ = mode;
    int cancel = 0;
    Form_Unload(cancel);
    unloading_ = false;
    if (cancel && !force) return false;
    if (!loaded_) return true;  // Form_Unload unloaded it already
    for (Control* c : controls_) c->discard();
    loaded_ = false;
    bool was_shown = shown_;
    shown_ = false;
    if (was_shown) rt_.host().form_unloaded(*this);
    return true;
}

void Form::changed(const char* prop) {
    if (shown_) rt_.host().form_changed(*this, prop);
}

void Form::setCaption(const std::string& v) {
    if (caption_ != v) {
        caption_ = v;
        changed("Caption");
    }
}

#define FORM_SETTER(fn, field, prop) \
    void Form::fn(int v) {           \
        if (field != v) {            \
            field = v;               \
            changed(prop);           \
        }                            \
    }
FORM_SETTER(setLeft, left_, "Left")
FORM_SETTER(setTop, top_, "Top")
FORM_SETTER(setWidth, width_, "Width")
FORM_SETTER(setHeight, height_, "Height")
#undef FORM_SETTER

void Form::Move(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

int Form::ScaleWidth() const { return client_w_ >= 0 ? client_w_ : std::max(0, width_ - chrome_w_); }
int Form::ScaleHeight() const { return client_h_ >= 0 ? client_h_ : std::max(0, height_ - chrome_h_); }

void Form::set_client_size(int w, int h) {
    client_w_ = w;
    client_h_ = h;
}

}  // namespace ui
