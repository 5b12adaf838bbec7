#include "radio-sim/radio_sim.h"

#include <algorithm>
#include <cmath>

#include "link/frames.h"
#include "model/memory_map.h"

namespace radiosim {

namespace {
// A frame whose bytes stop coming for this long is dropped unfinished, so a
// request cut short by a time-out never swallows the next one.
constexpr int64_t kFrameGapUs = 200'000;
constexpr uint8_t kNak = 0x15;
constexpr uint8_t kFill = 0x00;  // extra and shifting bytes

void put_text(std::vector<uint8_t>& r, int at, const std::string& s, int len) {
    for (int i = 0; i < len; ++i)
        r[static_cast<size_t>(at + i)] = i < static_cast<int>(s.size()) ? static_cast<uint8_t>(s[static_cast<size_t>(i)]) : ' ';
}
}  // namespace

// ---- Radio ----

Radio::Radio(Memory m) {
    if (m == Memory::Pattern)
        Fill_pattern();
    else
        Fill_memory();
}

void Radio::Fill_pattern() {
    for (int a = 0; a < kMemBytes; ++a) mem[static_cast<size_t>(a)] = static_cast<uint8_t>((a * 37 + (a >> 8) * 11 + 0x5A) & 0xFF);
    Fill_adj_area();
    Set_passwords("", "");
}

namespace {
// Records 0..9 of the radio's alignment area: transmit powers (0-15),
// squelch levels (0-100) and compensations (0-10), the level lists, and the
// working range VHF 136-174, UHF 410-470 MHz.
constexpr uint8_t kAdjArea[10][16] = {
    {3, 4, 5, 6, 7, 8, 9, 10, 11, 10, 9, 8, 7, 6, 5, 4},
    {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 10, 9, 8, 7, 6, 5},
    {9, 10, 11, 12, 13, 14, 15, 1, 2, 3, 4, 8, 9, 10, 11, 12},
    {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0},
    {60, 62, 64, 66, 68, 70, 72, 74, 76, 78, 90, 90, 90, 90, 90, 90},
    {0, 1, 2, 3, 4, 6, 7, 9, 10, 1, 2, 3, 4, 5, 6, 7},
    {55, 57, 59, 61, 63, 65, 67, 69, 71, 73, 80, 80, 80, 80, 80, 80},
    {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 2, 3, 4, 5, 6, 7},
    {100, 40, 30, 3, 4, 5, 6, 7, 8, 9, 10, 200, 90, 0x11, 0x22, 0x33},
    {1, 3, 6, 1, 7, 4, 4, 1, 0, 4, 7, 0, 7, 7, 7, 7},
};
}  // namespace

void Radio::Fill_adj_area() {
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 16; ++r) mem[static_cast<size_t>(bx::area::kAdjAddr + 16 * c + r)] = kAdjArea[c][r];
}

bx::AdjTable Radio::Adj_area() const {
    bx::AdjTable t;
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) t(c, r) = mem[static_cast<size_t>(bx::area::kAdjAddr + 16 * c + r)];
    return t;
}

void Radio::Set_adj_area(const bx::AdjTable& t) {
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r)
            mem[static_cast<size_t>(bx::area::kAdjAddr + 16 * c + r)] = static_cast<uint8_t>(t(c, r) & 0xFF);
}

bx::MemImage Radio::Image() const {
    bx::MemImage img;
    for (int a = 0; a < kMemBytes; ++a) img.at_addr(a) = mem[static_cast<size_t>(a)];
    return img;
}

void Radio::Set_image(const bx::MemImage& img) {
    for (int a = 0; a < kMemBytes; ++a) mem[static_cast<size_t>(a)] = img.at_addr(a);
}

void Radio::Set_passwords(const std::string& p1, const std::string& p2) {
    const int at = bx::area::kPassWordAddr;
    for (int i = 0; i < 6; ++i) {
        mem[static_cast<size_t>(at + i)] = i < static_cast<int>(p1.size()) ? static_cast<uint8_t>(p1[static_cast<size_t>(i)]) : 0x20;
        mem[static_cast<size_t>(at + 6 + i)] = i < static_cast<int>(p2.size()) ? static_cast<uint8_t>(p2[static_cast<size_t>(i)]) : 0x20;
    }
}

std::vector<uint8_t> Radio::Ident_reply() const {
    std::vector<uint8_t> r(bx::frame::kIdentLen, 0);
    r[0] = bx::frame::Ack;
    for (int k = 0; k < 4; ++k) {
        int v = bands[static_cast<size_t>(k)];
        r[static_cast<size_t>(1 + 3 * k)] = static_cast<uint8_t>(v / 100 % 10);
        r[static_cast<size_t>(2 + 3 * k)] = static_cast<uint8_t>(v / 10 % 10);
        r[static_cast<size_t>(3 + 3 * k)] = static_cast<uint8_t>(v % 10);
    }
    for (int i = 0; i < 4; ++i) r[static_cast<size_t>(13 + i)] = maker[static_cast<size_t>(i)];
    if (faults.wrong_ident) r[16] = static_cast<uint8_t>(r[16] + 1);
    put_text(r, 17, model, 6);
    put_text(r, 23, version, 6);
    put_text(r, 33, serial, 16);
    r[49] = faults.no_end_mark ? static_cast<uint8_t>('T') : bx::frame::kEndMark;
    if (faults.ident_01_mark_at == 48 || faults.ident_01_mark_at == 49) {
        r[0] = 0x01;
        r[48] = r[49] = 0x00;
        r[static_cast<size_t>(faults.ident_01_mark_at)] = bx::frame::kEndMark;
    }
    return r;
}

int Radio::Count(Frame::Kind k) const {
    return static_cast<int>(std::count_if(frames.begin(), frames.end(), [k](const Frame& f) { return f.kind == k; }));
}

void Radio::Add_frame(Frame::Kind k, int64_t t_us) {
    frames.push_back(Frame{k, {}, t_us});
}

std::vector<Piece> Radio::Receive(uint8_t b, int64_t t_us) {
    std::vector<Piece> out;
    if (vanished) return out;
    if (!rx_.empty() && last_rx_us_ >= 0 && t_us - last_rx_us_ > kFrameGapUs) {
        frames.push_back(Frame{Frame::Junk, rx_, last_rx_us_});
        rx_.clear();
    }
    last_rx_us_ = t_us;
    rx_.push_back(b);
    for (;;) {
        if (rx_.empty()) break;
        auto take = [&](Frame::Kind k, size_t n) {
            Frame f{k, std::vector<uint8_t>(rx_.begin(), rx_.begin() + static_cast<long>(n)), t_us};
            rx_.erase(rx_.begin(), rx_.begin() + static_cast<long>(n));
            frames.push_back(f);
            for (auto& piece : Answer(f)) out.push_back(std::move(piece));
        };
        const auto& cmd = bx::Cmd_program;
        size_t n = std::min(rx_.size(), cmd.size());
        if (std::equal(rx_.begin(), rx_.begin() + static_cast<long>(n), cmd.begin())) {
            if (n < cmd.size()) break;  // more of the request to come
            take(Frame::Program, n);
            continue;
        }
        const uint8_t head = rx_[0];
        if (!program_mode) {
            take(Frame::Junk, 1);
        } else if (head == bx::frame::Ack) {
            take(Frame::Ack, 1);
        } else if (head == bx::frame::kReadCmd) {
            if (rx_.size() < 4) break;
            take(Frame::Read, 4);
        } else if (head == bx::frame::kDataMark) {
            if (rx_.size() < 4) break;
            size_t len = 4 + rx_[3];
            if (rx_.size() < len) break;
            take(Frame::Write, len);
        } else {
            take(Frame::Junk, 1);
        }
    }
    return out;
}

std::vector<Piece> Radio::Answer(const Frame& f) {
    if (f.kind == Frame::Junk || f.kind == Frame::Ack) return {};
    int n = 0;
    for (const Frame& g : frames)
        if (g.kind == Frame::Program || g.kind == Frame::Read || g.kind == Frame::Write) ++n;
    // n counts this frame too.
    if (faults.vanish_after >= 0 && n > faults.vanish_after) {
        vanished = true;
        return {};
    }
    std::vector<Piece> stray;
    if (faults.stray_frame > 0 && n == faults.stray_frame)
        stray.push_back(Piece{faults.stray_ms, {faults.stray_byte}, true});
    if (faults.silent || (faults.silent_after >= 0 && n > faults.silent_after)) {
        if (f.kind == Frame::Program) program_mode = true;
        return stray;
    }
    std::vector<uint8_t> reply;
    const auto& b = f.bytes;
    switch (f.kind) {
    case Frame::Program:
        program_mode = true;
        reply = Ident_reply();
        break;
    case Frame::Read: {
        const int addr = b[1] * 256 + b[2], len = b[3];
        reply.push_back(bx::frame::Ack);
        reply.insert(reply.end(), static_cast<size_t>(std::max(0, faults.x_shift)), kFill);
        reply.insert(reply.end(), {bx::frame::kDataMark, b[1], b[2], b[3]});
        for (int i = 0; i < len; ++i) {
            int a = addr + i;
            reply.push_back(a < kMemBytes ? mem[static_cast<size_t>(a)] : 0xFF);
        }
        break;
    }
    case Frame::Write: {
        const int addr = b[1] * 256 + b[2], len = b[3];
        for (int i = 0; i < len; ++i) {
            int a = addr + i;
            if (a < kMemBytes) mem[static_cast<size_t>(a)] = b[static_cast<size_t>(4 + i)];
        }
        reply.push_back(faults.wrong_ack ? kNak : bx::frame::Ack);
        break;
    }
    default:
        break;
    }
    std::vector<Piece> out = Shape(std::move(reply));
    out.insert(out.end(), stray.begin(), stray.end());
    return out;
}

std::vector<Piece> Radio::Shape(std::vector<uint8_t> reply) const {
    reply.insert(reply.end(), static_cast<size_t>(std::max(0, faults.extra_bytes)), kFill);
    if (reply.empty()) return {};
    std::vector<Piece> out;
    const size_t step = faults.pieces > 0 ? static_cast<size_t>(faults.pieces) : reply.size();
    for (size_t i = 0; i < reply.size(); i += step) {
        size_t e = std::min(reply.size(), i + step);
        out.push_back(Piece{i == 0 ? 0 : faults.piece_gap_ms,
                            std::vector<uint8_t>(reply.begin() + static_cast<long>(i), reply.begin() + static_cast<long>(e))});
    }
    if (faults.late_last_ms > 0 && reply.size() > 1) {
        const uint8_t last = out.back().bytes.back();
        out.back().bytes.pop_back();
        if (out.back().bytes.empty()) out.pop_back();
        out.push_back(Piece{faults.late_last_ms, {last}});
    }
    return out;
}

// ---- SimRadio ----

class SimRadio::Device : public ui::SerialDevice {
public:
    Device(SimRadio& s, std::shared_ptr<bool> alive) : sim_(s), alive_(std::move(alive)) {}
    ~Device() override {
        if (*alive_) sim_.Detach(this);
    }
    void write(const std::vector<uint8_t>& bytes) override {
        if (*alive_ && sim_.dev_ == this) sim_.Write(bytes);
    }
    int pending_out() const override { return *alive_ && sim_.dev_ == this ? sim_.pending_out_ : 0; }
    void close() override {
        if (*alive_) sim_.Detach(this);
    }

private:
    SimRadio& sim_;
    std::shared_ptr<bool> alive_;
};

SimRadio::SimRadio(ui::SimLoop& loop, Memory m) : radio(m), loop_(loop) {}

SimRadio::~SimRadio() { *alive_ = false; }

std::function<std::unique_ptr<ui::SerialDevice>()> SimRadio::Port() {
    return [this, alive = alive_]() -> std::unique_ptr<ui::SerialDevice> {
        if (!*alive || radio.vanished) return nullptr;
        auto d = std::make_unique<Device>(*this, alive);
        Attach(d.get());
        return d;
    };
}

void SimRadio::Attach(Device* d) {
    dev_ = d;
    ++gen_;
    ++opens;
    pending_out_ = 0;
}

void SimRadio::Detach(Device* d) {
    if (dev_ != d) return;
    dev_ = nullptr;
    ++gen_;  // bytes still on the line are lost with the port
    pending_out_ = 0;
}

void SimRadio::Write(const std::vector<uint8_t>& bytes) {
    const double now = static_cast<double>(loop_.now_us());
    for (uint8_t b : bytes) {
        pc_bytes.push_back(b);
        in_free_us_ = std::max(in_free_us_, now) + kByteUs;
        ++pending_out_;
        loop_.at_us(std::llround(in_free_us_), [this, alive = alive_, gen = gen_, b] {
            if (*alive) Arrive(gen, b);
        });
    }
}

void SimRadio::Arrive(uint64_t gen, uint8_t b) {
    if (gen != gen_) return;
    if (pending_out_ > 0) --pending_out_;
    auto pieces = radio.Receive(b, loop_.now_us());
    if (radio.vanished) {
        // The device goes away as after a cable pull.
        loop_.post([this, alive = alive_, gen] {
            if (!*alive || gen != gen_ || !dev_) return;
            Device* d = dev_;
            Detach(d);
            if (d->on_lost) d->on_lost();
        });
        return;
    }
    const double now = static_cast<double>(loop_.now_us());
    auto send_at = [&](double t, uint8_t r) {
        loop_.at_us(std::llround(t), [this, alive = alive_, gen, r] {
            if (!*alive || gen != gen_ || !dev_) return;
            radio_bytes.push_back(r);
            if (dev_->on_byte) dev_->on_byte(r);
        });
    };
    for (const Piece& piece : pieces) {
        if (piece.apart) {
            double t = now + piece.gap_ms * 1000.0;
            for (uint8_t r : piece.bytes) {
                send_at(t, r);
                t += kByteUs;
            }
            continue;
        }
        out_free_us_ = std::max(out_free_us_, now) + piece.gap_ms * 1000.0;
        for (uint8_t r : piece.bytes) send_at(out_free_us_ += kByteUs, r);
    }
}

}  // namespace radiosim
