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

Form::~Form() { std::erase(rt_.shown_forms(), this); }

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
    focus_ = focus_left_ = nullptr;
    loaded_ = true;
    loading_ = true;
    Build();
    Form_Load();
    loading_ = false;
    // Form_Load may unload the form again.
    if (!loaded_) return;
    Show();
}

void Form::Show() {
    if (!loaded_) {
        Load();
        return;
    }
    const bool was_shown = shown_;
    show_window();
    if (loading_) return;  // the load activates it once Form_Load has returned
    // A window on screen already comes forward there too.
    if (was_shown) rt_.host().form_raised(*this);
    if (raise()) Form_Activate();
}

void Form::show_window() {
    if (shown_) return;
    shown_ = true;
    rt_.host().form_shown(*this);
}

void Form::Activate() {
    if (!loaded_ || loading_ || !shown_) return;
    if (raise()) Form_Activate();
}

Form* Form::Front() const {
    const std::vector<Form*>& z = rt_.shown_forms();
    for (auto it = z.rbegin(); it != z.rend(); ++it)
        if (!(*it)->IsMDIForm()) return *it;
    return z.empty() ? nullptr : z.back();
}

bool Form::raise() {
    Form* was = Front();
    std::vector<Form*>& z = rt_.shown_forms();
    std::erase(z, this);
    z.push_back(this);
    if (Front() != this || was == this) return false;
    if (was && was->loaded_ && !was->unloading_ && was->shown_) was->Form_Deactivate();
    return true;
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
    focus_ = focus_left_ = nullptr;
    loaded_ = false;
    loading_ = false;
    bool was_shown = shown_;
    shown_ = false;
    Form* was_front = Front();
    std::erase(rt_.shown_forms(), this);
    if (was_shown) rt_.host().form_unloaded(*this);
    // The window that comes to the front is activated, except while the
    // program ends. The main window around a closed child was active all
    // along.
    Form* now = Front();
    if (was_front == this && now && mode != vbFormMDIForm && now->Loaded() && !now->Unloading() &&
        !now->loading_ && !(now->IsMDIForm() && MDIChild()))
        now->Form_Activate();
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
