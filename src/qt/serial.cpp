#include "qt/serial.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QSerialPortInfo>

#include <sys/ioctl.h>

#include <cctype>
#include <sstream>

namespace bx {

std::string com_device_path(int port) {
    if (port >= 1 && port <= 4) return "/dev/ttyS" + std::to_string(port - 1);
    if (port >= 5 && port <= 8) return "/dev/ttyUSB" + std::to_string(port - 5);
    if (port >= 9 && port <= 12) return "/dev/ttyACM" + std::to_string(port - 9);
    return {};
}

std::optional<LineSettings> parse_line_settings(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream ss(text);
    std::string part;
    while (std::getline(ss, part, ',')) {
        size_t b = part.find_first_not_of(' ');
        size_t e = part.find_last_not_of(' ');
        parts.push_back(b == std::string::npos ? std::string() : part.substr(b, e - b + 1));
    }
    if (parts.size() != 4) return std::nullopt;
    LineSettings s;
    const std::string& baud = parts[0];
    if (baud.empty() || baud.size() > 7) return std::nullopt;
    for (char c : baud)
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    s.baud = std::stoi(baud);
    if (s.baud <= 0) return std::nullopt;
    if (parts[1].size() != 1) return std::nullopt;
    switch (std::toupper(static_cast<unsigned char>(parts[1][0]))) {
    case 'N': s.parity = QSerialPort::NoParity; break;
    case 'E': s.parity = QSerialPort::EvenParity; break;
    case 'O': s.parity = QSerialPort::OddParity; break;
    case 'M': s.parity = QSerialPort::MarkParity; break;
    case 'S': s.parity = QSerialPort::SpaceParity; break;
    default: return std::nullopt;
    }
    if (parts[2] == "5") s.data_bits = QSerialPort::Data5;
    else if (parts[2] == "6") s.data_bits = QSerialPort::Data6;
    else if (parts[2] == "7") s.data_bits = QSerialPort::Data7;
    else if (parts[2] == "8") s.data_bits = QSerialPort::Data8;
    else return std::nullopt;
    if (parts[3] == "1") s.stop_bits = QSerialPort::OneStop;
    else if (parts[3] == "1.5") s.stop_bits = QSerialPort::OneAndHalfStop;
    else if (parts[3] == "2") s.stop_bits = QSerialPort::TwoStop;
    else return std::nullopt;
    return s;
}

// ---- QtSerialDevice ----

QtSerialDevice::QtSerialDevice() {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { read_ready(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError e) { failed(e); });
}

QtSerialDevice::~QtSerialDevice() {
    *alive_ = false;
    closed_ = true;
    port_.disconnect();
    if (port_.isOpen()) port_.close();
}

bool QtSerialDevice::open(const QString& path, const LineSettings& s) {
    port_.setPortName(path);
    port_.setBaudRate(s.baud);
    port_.setParity(s.parity);
    port_.setDataBits(s.data_bits);
    port_.setStopBits(s.stop_bits);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) return false;
    port_.clear();  // nothing left over from before the open
    return true;
}

void QtSerialDevice::write(const std::vector<uint8_t>& bytes) {
    if (closed_ || bytes.empty()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the driver now: the caller may busy-wait before the
    // loop runs again.
    port_.flush();
}

// Bytes not yet on their way to the radio: those Qt still holds and those
// in the driver's output queue, as a serial port's output count means.
int QtSerialDevice::pending_out() const {
    if (closed_) return 0;
    int n = static_cast<int>(port_.bytesToWrite());
#ifdef TIOCOUTQ
    int queued = 0;
    if (port_.isOpen() && ::ioctl(port_.handle(), TIOCOUTQ, &queued) == 0 && queued > 0) n += queued;
#endif
    return n;
}

// The bytes read but not delivered, those Qt holds unread, and the
// driver's input queue.
void QtSerialDevice::discard_input() {
    pending_.clear();
    if (closed_ || !port_.isOpen()) return;
    port_.readAll();
    port_.clear(QSerialPort::Input);
}

void QtSerialDevice::close() {
    closed_ = true;
    pending_.clear();
    if (port_.isOpen()) port_.close();
}

void QtSerialDevice::read_ready() {
    if (closed_) return;
    const QByteArray data = port_.readAll();
    for (char c : data) pending_.push_back(static_cast<uint8_t>(c));
    // Deliver from a call of its own, so that the port can signal again
    // while a receive handler runs a nested loop.
    if (!pending_.empty() && !drain_posted_) {
        drain_posted_ = true;
        QMetaObject::invokeMethod(&port_, [this] { drain(); }, Qt::QueuedConnection);
    }
}

void QtSerialDevice::drain() {
    drain_posted_ = false;
    std::shared_ptr<bool> alive = alive_;
    while (!closed_ && !pending_.empty()) {
        uint8_t b = pending_.front();
        pending_.pop_front();
        // A copy: the handler may replace on_byte (closing the port does).
        auto cb = on_byte;
        if (cb) cb(b);
        if (!*alive) return;
    }
}

void QtSerialDevice::failed(QSerialPort::SerialPortError e) {
    // Only a device that went away ends the port; other errors (a failed
    // write, a time-out) leave it open as it is.
    if (closed_ || e != QSerialPort::ResourceError) return;
    closed_ = true;
    pending_.clear();
    // Reported from the loop, never from inside a write of a handler.
    QMetaObject::invokeMethod(
        &port_,
        [this] {
            if (port_.isOpen()) port_.close();
            auto cb = on_lost;
            if (cb) cb();
        },
        Qt::QueuedConnection);
}

// ---- QtSerialProvider ----

std::unique_ptr<ui::SerialDevice> QtSerialProvider::open(int port, const std::string& settings) {
    const std::string path = device_path(port);
    if (path.empty()) return nullptr;
    auto line = parse_line_settings(settings);
    if (!line) return nullptr;
    auto dev = std::make_unique<QtSerialDevice>();
    if (!dev->open(QString::fromStdString(path), *line)) return nullptr;
    return dev;
}

void QtSerialProvider::set_port_device(int port, const std::string& path) {
    if (path.empty()) overrides_.erase(port);
    else overrides_[port] = path;
}

std::string QtSerialProvider::device_path(int port) const {
    auto it = overrides_.find(port);
    if (it != overrides_.end()) return it->second;
    return com_device_path(port);
}

bool QtSerialProvider::device_present(int port) const {
    const QString path = QString::fromStdString(device_path(port));
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists()) return false;
    // An on-board port's device file is there whether or not a serial chip
    // is behind it: such a port counts when the system lists it.
    if (!file.isSymLink() && file.fileName().startsWith(QStringLiteral("ttyS"))) {
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            if (info.systemLocation() == path) return true;
        return false;
    }
    return true;
}


}  // namespace bx
