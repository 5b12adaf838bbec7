#include "ui/controls.h"

#include "ui/text.h"

namespace ui {

// ---- TextBox ----

void TextBox::setText(const std::string& v) {
    if (p.Text == v) return;
    p.Text = v;
    changed("Text");
    fire(Change);
}

void TextBox::focus() {
    if (focused_ || !usable()) return;
    focused_ = true;
    fire(GotFocus);
}

void TextBox::blur() {
    if (!focused_) return;
    focused_ = false;
    fire(LostFocus);
}

void TextBox::type(const std::string& chars) {
    focus();
    for (const std::string& ch : utf8_chars(chars)) {
        if (!usable()) return;
        int key = utf8_code(ch);
        if (KeyPress) KeyPress(key);
        if (key == 0 || p.Locked) continue;
        if (key == 8) {
            auto cs = utf8_chars(p.Text);
            if (!cs.empty()) {
                cs.pop_back();
                setText(join(cs));
            }
            continue;
        }
        if (p.MaxLength > 0 && utf8_length(p.Text) >= p.MaxLength) continue;
        setText(p.Text + utf8_encode(key));
    }
}

// ---- OptionButton ----

void OptionButton::setValue(bool v) {
    if (v) {
        for (Control* c : owner().controls()) {
            auto* o = dynamic_cast<OptionButton*>(c);
            if (o && o != this && o->Container() == Container() && o->p.Value) {
                o->p.Value = false;
                o->changed("Value");
            }
        }
    }
    bool was = p.Value;
    if (was != v) {
        p.Value = v;
        changed("Value");
    }
    if (v && !was) fire(Click);
}

// ---- ListControl, ComboBox ----

void ListControl::AddItem(const std::string& item, int index) {
    if (index < 0 || index > ListCount()) index = ListCount();
    items_.insert(items_.begin() + index, item);
    if (index_ >= index && index_ >= 0) ++index_;
    changed("List");
}

void ListControl::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return;
    items_.erase(items_.begin() + index);
    if (index_ == index) index_ = -1;
    else if (index_ > index) --index_;
    changed("List");
}

void ListControl::Clear() {
    items_.clear();
    index_ = -1;
    changed("List");
    selection_changed();
}

std::string ListControl::List(int i) const {
    if (i < 0 || i >= ListCount()) return {};
    return items_[i];
}

void ListControl::setList(int i, const std::string& v) {
    if (i < 0 || i >= ListCount() || items_[i] == v) return;
    items_[i] = v;
    changed("List");
    if (i == index_) selection_changed();
}

void ListControl::setListIndex(int i) {
    if (i < -1 || i >= ListCount()) return;
    if (i == index_) return;
    index_ = i;
    changed("ListIndex");
    selection_changed();
    fire(Click);
}

int ListControl::find(const std::string& text) const {
    for (int i = 0; i < ListCount(); ++i)
        if (items_[i] == text) return i;
    return -1;
}

void ComboBox::selection_changed() {
    std::string t = List(index_);
    if (t != p.Text) {
        p.Text = t;
        changed("Text");
        fire(Change);
    }
}

void ComboBox::setText(const std::string& v) {
    int i = find(v);
    if (i >= 0) {
        // The text of an item selects that item.
        if (i != index_) {
            index_ = i;
            changed("ListIndex");
        }
    } else if (p.Style == 2) {
        return;  // a drop-down list holds only its items
    } else if (index_ != -1) {
        index_ = -1;
        changed("ListIndex");
    }
    if (p.Text != v) {
        p.Text = v;
        changed("Text");
        fire(Change);
    }
}

void ComboBox::focus() {
    if (focused_ || !usable()) return;
    focused_ = true;
    fire(GotFocus);
}

void ComboBox::blur() {
    if (!focused_) return;
    focused_ = false;
    fire(LostFocus);
}

void ComboBox::type(const std::string& chars) {
    focus();
    for (const std::string& ch : utf8_chars(chars)) {
        if (!usable()) return;
        int key = utf8_code(ch);
        if (KeyPress) KeyPress(key);
        if (key == 0 || p.Locked || p.Style == 2) continue;
        if (key == 8) {
            auto cs = utf8_chars(p.Text);
            if (!cs.empty()) {
                cs.pop_back();
                setText(join(cs));
            }
            continue;
        }
        setText(p.Text + utf8_encode(key));
    }
}

// ---- Timer ----

void Timer::start() {
    stop();
    if (!enabled_ || interval_ <= 0 || !owner().Loaded()) return;
    id_ = owner().rt().loop().add_timer(interval_, [this] { fire(OnTimer); });
}

void Timer::stop() {
    if (id_ != 0) {
        owner().rt().loop().cancel_timer(id_);
        id_ = 0;
    }
}

void Timer::setInterval(int ms) {
    if (ms == interval_) return;  // the same interval leaves the count running
    interval_ = ms;
    start();  // a new interval starts the count anew (or stops it at 0)
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) {
        if (on && id_ == 0) start();  // enabled but never started (form just loaded)
        return;
    }
    enabled_ = on;
    if (on) start();
    else stop();
}

// ---- SerialPort ----

SerialPort::~SerialPort() {
    if (dev_) {
        dev_->on_byte = nullptr;
        dev_->on_lost = nullptr;
        dev_->close();
    }
}

// Closes the device now and destroys it once the current handler has
// returned: a receive handler may close the port from inside a delivery.
void SerialPort::release() {
    if (!dev_) return;
    dev_->on_byte = nullptr;
    dev_->on_lost = nullptr;
    dev_->close();
    std::shared_ptr<SerialDevice> keep(std::move(dev_));
    owner().rt().loop().post([keep] {});
}

void SerialPort::reset_props() {
    setPortOpen(false);
    p = P{};
    in_.clear();
    comm_event_ = 0;
}

bool SerialPort::setPortOpen(bool open) {
    if (open == PortOpen()) return true;
    if (!open) {
        release();
        in_.clear();
        changed("PortOpen");
        return true;
    }
    auto dev = owner().rt().serial().open(p.CommPort, p.Settings);
    if (!dev) return false;
    dev_ = std::move(dev);
    in_.clear();
    dev_->on_byte = [this](uint8_t b) { received(b); };
    dev_->on_lost = [this] {
        // The device went away: the port is closed, as after a cable pull.
        release();
        changed("PortOpen");
    };
    changed("PortOpen");
    return true;
}

void SerialPort::received(uint8_t b) {
    if (!dev_) return;
    if (static_cast<int>(in_.size()) >= p.InBufferSize) return;  // overrun: the byte is lost
    in_.push_back(b);
    comm_event_ = comEvReceive;
    fire(OnComm);
}

void SerialPort::setInBufferCount(int n) {
    if (n == 0) in_.clear();
}

std::vector<uint8_t> SerialPort::Input() {
    size_t n = p.InputLen <= 0 ? in_.size() : std::min<size_t>(p.InputLen, in_.size());
    std::vector<uint8_t> out(in_.begin(), in_.begin() + static_cast<long>(n));
    in_.erase(in_.begin(), in_.begin() + static_cast<long>(n));
    return out;
}

void SerialPort::Output(const std::vector<uint8_t>& bytes) {
    if (dev_) dev_->write(bytes);
}

// ---- MenuItem ----

MenuItem::MenuItem(Form& owner, std::string name, MenuItem* parent)
    : Control(owner, std::move(name)), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

void MenuItem::click() {
    if (!usable()) return;
    for (MenuItem* m = parent_; m; m = m->parent_)
        if (!m->usable()) return;
    fire(Click);
}

// ---- Toolbar ----

void Toolbar::AddButton(const std::string& key, const std::string& image, const std::string& tip) {
    buttons_.push_back(Button{key, image, tip});
    changed("Buttons");
}

void Toolbar::click(const std::string& key) {
    if (!usable()) return;
    for (const Button& b : buttons_)
        if (b.Key == key) {
            if (ButtonClick) ButtonClick(b);
            return;
        }
}

// ---- Enter and Escape ----

static bool press(Form& f, bool enter) {
    for (Control* c : f.controls()) {
        auto* b = dynamic_cast<CommandButton*>(c);
        if (b && (enter ? b->Default() : b->Cancel()) && b->usable()) {
            b->click();
            return true;
        }
    }
    return false;
}

bool press_enter(Form& f) { return press(f, true); }
bool press_escape(Form& f) { return press(f, false); }

// ---- StatusBar ----

void StatusBar::setPanelCount(int n) {
    panels_.resize(static_cast<size_t>(n));
    changed("Panels");
}

void StatusBar::setPanelText(int i, const std::string& text) {
    Panel& pn = panels_.at(static_cast<size_t>(i - 1));
    if (pn.Text == text) return;
    pn.Text = text;
    changed("Panels");
}

void StatusBar::setPanelWidth(int i, float width) {
    Panel& pn = panels_.at(static_cast<size_t>(i - 1));
    if (pn.Width == width) return;
    pn.Width = width;
    changed("Panels");
}

}  // namespace ui
