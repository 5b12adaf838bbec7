#include "ui/port_timer.h"

#include <algorithm>

namespace ui {

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

void SerialPort::Flush_input() {
    in_.clear();
    if (dev_) dev_->discard_input();
}

std::vector<uint8_t> SerialPort::Input() {
    size_t n = p.InputLen <= 0 ? in_.size() : std::min<size_t>(p.InputLen, in_.size());
    std::vector<uint8_t> out(in_.begin(), in_.begin() + static_cast<long>(n));
    in_.erase(in_.begin(), in_.begin() + static_cast<long>(n));
    return out;
}

uint8_t SerialPort::InBufferByte(int i) const {
    return i >= 0 && i < static_cast<int>(in_.size()) ? in_[static_cast<size_t>(i)] : 0;
}

void SerialPort::Output(const std::vector<uint8_t>& bytes) {
    if (dev_) dev_->write(bytes);
}

}  // namespace ui
