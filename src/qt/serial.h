// Serial ports on Qt SerialPort. A port number COMn is turned into a device
// path by one rule (com_device_path), which a map of overrides can replace
// port by port (tests and end-to-end runs point a port at a pseudo-terminal).
#pragma once

#include <QObject>
#include <QSerialPort>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/runtime.h"

namespace bx {

// The device behind COM<port>:
//   COM1-COM4   /dev/ttyS0-/dev/ttyS3     (on-board serial ports)
//   COM5-COM8   /dev/ttyUSB0-/dev/ttyUSB3 (USB serial adapters)
//   COM9-COM12  /dev/ttyACM0-/dev/ttyACM3 (USB modem-class cables)
// so the start-up scan from COM8 down tries USB cables first. Any other
// number has no device (empty text).
std::string com_device_path(int port);

struct LineSettings {
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits data_bits = QSerialPort::Data8;
    QSerialPort::StopBits stop_bits = QSerialPort::OneStop;
};

// Parses a settings text "baud,parity,data bits,stop bits" such as
// "9600,N,8,1" (parity N, E, O, M or S in either case; 5 to 8 data bits;
// stop bits 1, 1.5 or 2). Nothing when the text is malformed.
std::optional<LineSettings> parse_line_settings(const std::string& text);

// An open QSerialPort. Received bytes are queued and handed to on_byte one
// at a time from the event loop, so a handler that opens a modal box (a
// nested loop) still sees later bytes in order. After close() nothing more
// is delivered, not even the rest of a batch.
class QtSerialDevice : public ui::SerialDevice {
public:
    QtSerialDevice();
    ~QtSerialDevice() override;
    bool open(const QString& path, const LineSettings& settings);
    void write(const std::vector<uint8_t>& bytes) override;
    int pending_out() const override;
    void discard_input() override;
    void close() override;

private:
    void read_ready();
    void drain();
    void failed(QSerialPort::SerialPortError e);

    QSerialPort port_;
    std::deque<uint8_t> pending_;
    bool closed_ = false;
    bool drain_posted_ = false;
    // Cleared when the device is destroyed: a handler may have it destroyed
    // while a delivery of this device is still on the stack.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class QtSerialProvider : public ui::SerialProvider {
public:
    std::unique_ptr<ui::SerialDevice> open(int port, const std::string& settings) override;
    // Points COM<port> at this device instead of the rule's; an empty path
    // removes the override.
    void set_port_device(int port, const std::string& path);
    // The device COM<port> opens: the override, or else the rule's.
    std::string device_path(int port) const;
    std::string device_name(int port) const override { return device_path(port); }
    // Whether the device file exists now.
    bool device_present(int port) const override;

private:
    std::map<int, std::string> overrides_;
};

}  // namespace bx
