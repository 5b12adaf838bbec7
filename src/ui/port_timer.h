// The timer and the serial port control: the two controls that receive
// events from the loop rather than from a user.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ui/event.h"
#include "ui/form.h"

namespace ui {

// A timer with the windows' restart rule: a new interval starts the count
// anew; enabling a stopped timer starts a count; the same interval, or
// enabling a running timer, leaves the count running. Interval 0 never ticks.
class Timer : public Control {
public:
    using Control::Control;
    ~Timer() override { stop(); }
    const char* kind() const override { return "Timer"; }
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool on);
    bool running() const { return id_ != 0; }
    Event OnTimer;
    void discard() override { stop(); }

protected:
    void reset_props() override {
        stop();
        interval_ = 0;
        enabled_ = true;
    }

private:
    void start();
    void stop();
    int interval_ = 0;
    bool enabled_ = true;
    int id_ = 0;
};

// The serial port control: one byte per Input, a receive event per byte.
class SerialPort : public Control {
public:
    using Control::Control;
    ~SerialPort() override;
    const char* kind() const override { return "SerialPort"; }
    static constexpr int comEvReceive = 2;

    int CommPort() const { return p.CommPort; }
    void setCommPort(int v) { p.CommPort = v; }
    const std::string& Settings() const { return p.Settings; }
    void setSettings(const std::string& v) { p.Settings = v; }
    int InBufferSize() const { return p.InBufferSize; }
    void setInBufferSize(int v) { p.InBufferSize = v; }
    int InputLen() const { return p.InputLen; }
    void setInputLen(int v) { p.InputLen = v; }
    int RThreshold() const { return p.RThreshold; }
    void setRThreshold(int v) { p.RThreshold = v; }
    int InputMode() const { return p.InputMode; }
    void setInputMode(int v) { p.InputMode = v; }
    int CommEvent() const { return comm_event_; }

    bool PortOpen() const { return dev_ != nullptr; }
    // Opens or closes the port; opening returns false when the port cannot
    // be opened (the port then stays closed).
    bool setPortOpen(bool open);
    int InBufferCount() const { return static_cast<int>(in_.size()); }
    // Setting 0 discards everything received and not yet taken.
    void setInBufferCount(int n);
    // Empties the input list and what the device holds received but not
    // yet handed over (read, or in the system's queue), so nothing that came
    // in before can come in behind. Only where no answer can be on its way:
    // before a frame goes out.
    void Flush_input();
    int OutBufferCount() const { return dev_ ? dev_->pending_out() : 0; }
    // Takes InputLen bytes (all when 0) from the input buffer.
    std::vector<uint8_t> Input();
    // The byte at index i of the input buffer, left there (0 past its end).
    uint8_t InBufferByte(int i) const;
    void Output(const std::vector<uint8_t>& bytes);

    // Raised once for every received byte, after it is in the buffer.
    Event OnComm;
    void discard() override { setPortOpen(false); }

protected:
    void reset_props() override;

private:
    struct P {
        int CommPort = 1;
        std::string Settings = "9600,N,8,1";
        int InBufferSize = 1024;
        int InputLen = 0;
        int RThreshold = 0;
        int InputMode = 0;
    } p;
    void received(uint8_t b);
    void release();
    std::unique_ptr<SerialDevice> dev_;
    std::deque<uint8_t> in_;
    int comm_event_ = 0;
};

}  // namespace ui
