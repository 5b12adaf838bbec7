// The simulated radio: the radio's side of the serial link.
//
// Radio is the protocol alone: bytes from the PC go in, the bytes the radio
// answers come out. It answers the program-mode request with its 50-byte
// identification, every read (the password record and the 64-byte blocks
// alike) with an Ack followed by the data frame, and every 16-byte write
// with an Ack, from and into its own 0x4010-byte memory. Faults can be
// injected.
//
// SimRadio puts a Radio on a serial port of the simulated platform: it
// implements ui::SerialDevice and delivers every byte at the 9600-baud byte
// pace (1/960 s a byte, both directions) on the virtual clock. The program
// radio-sim (main.cpp) serves the same Radio on a pseudo-terminal.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/adj_table.h"
#include "model/mem_image.h"
#include "ui/loop.h"
#include "ui/runtime.h"

namespace radiosim {

constexpr int kMemBytes = bx::kImageRecords * bx::kRecordBytes;  // 0x0000-0x400F
// One byte on a 9600-baud line with 10 bits a byte.
constexpr double kByteUs = 1e6 / 960.0;

// What the radio's memory holds when it starts.
enum class Memory {
    InUse,    // a memory a radio in use could hold (Fill_memory)
    Pattern,  // a fixed byte pattern that no default image holds (Fill_pattern)
};

// Faults the radio can be told to show.
struct Faults {
    bool silent = false;       // answers nothing
    bool wrong_ident = false;  // the maker ident differs in its last letter
    bool no_end_mark = false;  // byte 49 of the identification is not 0x55
    // > 0: the identification begins with 0x01 instead of the Ack and its end
    // mark stands at this byte (48 or 49) only.
    int ident_01_mark_at = 0;
    int pieces = 0;            // > 0: replies go out in pieces of this many bytes ...
    int piece_gap_ms = 20;     // ... with this pause between the pieces
    int extra_bytes = 0;       // bytes sent behind every reply
    int x_shift = 0;           // bytes put between the Ack and the 'X' of read replies
    bool wrong_ack = false;    // writes are answered with 0x15 instead of the Ack
    int late_last_ms = 0;      // > 0: the last byte of every reply follows the rest this much later
    int silent_after = -1;     // >= 0: answers nothing after this many frames
    // > 0: one stray byte (stray_byte) arrives stray_ms after the radio has
    // had its stray_frame-th frame (counted as silent_after counts), apart
    // from the order of the line: in front of the answer or among its bytes,
    // as a byte that an adapter releases late.
    int stray_frame = 0;
    int stray_ms = 0;
    uint8_t stray_byte = 0x00;
    int vanish_after = -1;     // >= 0: the port goes away after this many frames
};

// A piece of a reply: its bytes go out back to back, gap_ms after the piece
// before them.
struct Piece {
    int gap_ms = 0;
    std::vector<uint8_t> bytes;
    // Sent gap_ms after the frame it answers came in, whatever else is on
    // the line then, and holding up nothing behind it.
    bool apart = false;
};

// One frame the PC sent, as the radio parsed it.
struct Frame {
    enum Kind { Program, Ack, Read, Write, Junk } kind;
    std::vector<uint8_t> bytes;
    int64_t t_us = 0;  // when its last byte arrived
};

class Radio {
public:
    explicit Radio(Memory m = Memory::InUse);

    // ---- what the radio is ----
    // Band limits in MHz: A low, A high, B low, B high (sent as 3 digits each).
    std::array<int, 4> bands{136, 174, 400, 480};
    std::array<uint8_t, 4> maker{'R', 'A', 'V', 'O'};
    std::string model = "BX5610";             // 6 characters
    std::string version = "010203";           // 6 characters
    std::string serial = "RADSIM0000010001";  // 16 characters
    std::array<uint8_t, kMemBytes> mem{};
    Faults faults;

    // Fills the memory with what a radio in use could hold: a few named
    // channels, FM presets, signalling entries and the factory options, every
    // value inside `bands` and the editors' lists, the alignment area of
    // Fill_adj_area and both passwords blank (any password passes).
    void Fill_memory();
    // Fills the memory with a fixed pattern that no default image holds,
    // with a valid alignment area (Fill_adj_area) and both passwords blank
    // (any password passes).
    void Fill_pattern();
    // Writes an alignment area of the radio's own (records 0..9 of
    // 0x3C00-0x3DFF): every cell an editor control shows lies within that
    // control's range, and none holds its factory value. The other cells,
    // the passwords among them, are left as they are.
    void Fill_adj_area();
    // The alignment area 0x3C00-0x3DFF as a table, and setting it (each cell
    // stored as its byte).
    bx::AdjTable Adj_area() const;
    void Set_adj_area(const bx::AdjTable& t);
    // The memory as an image (record r: addresses 16r..16r+15), and setting
    // the whole memory from one.
    bx::MemImage Image() const;
    void Set_image(const bx::MemImage& img);
    // Sets password 1 (user) and password 2 (super), blank-padded to 6.
    void Set_passwords(const std::string& p1, const std::string& p2);

    // ---- the line ----
    // One byte from the PC, arrived at t_us; returns the bytes the radio
    // answers, in pieces (more than one when a fault asks for it).
    std::vector<Piece> Receive(uint8_t b, int64_t t_us);

    // ---- what happened ----
    std::vector<Frame> frames;
    bool program_mode = false;
    bool vanished = false;  // the port has gone away
    int Count(Frame::Kind k) const;
    // The 50-byte identification as the radio sends it (faults applied).
    std::vector<uint8_t> Ident_reply() const;

private:
    std::vector<Piece> Answer(const Frame& f);
    std::vector<Piece> Shape(std::vector<uint8_t> reply) const;
    void Add_frame(Frame::Kind k, int64_t t_us);
    std::vector<uint8_t> rx_;
    int64_t last_rx_us_ = -1;
};

// A Radio on a port of the simulated platform, paced at 9600 baud on the
// virtual clock. It outlives the opens of the port: the radio keeps its
// memory from one exchange to the next.
class SimRadio {
public:
    explicit SimRadio(ui::SimLoop& loop, Memory m = Memory::InUse);
    ~SimRadio();
    SimRadio(const SimRadio&) = delete;
    SimRadio& operator=(const SimRadio&) = delete;

    Radio radio;

    // A factory for SimSerialProvider::add_port: each open of the port
    // makes a device on this radio; nullptr once the port has vanished.
    std::function<std::unique_ptr<ui::SerialDevice>()> Port();

    // Every byte on the line, each way, in order.
    std::vector<uint8_t> pc_bytes, radio_bytes;
    int opens = 0;
    bool open() const { return dev_ != nullptr; }

private:
    class Device;
    void Attach(Device* d);
    void Detach(Device* d);
    void Write(const std::vector<uint8_t>& bytes);
    void Arrive(uint64_t gen, uint8_t b);
    ui::SimLoop& loop_;
    Device* dev_ = nullptr;
    uint64_t gen_ = 0;
    double in_free_us_ = 0, out_free_us_ = 0;
    int pending_out_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace radiosim
