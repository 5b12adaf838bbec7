// The program's one copy of the radio's memory, and the map of what lies
// where in it.
#pragma once

#include <array>
#include <cstdint>

namespace bx {

constexpr int kImageRecords = 1025;  // records 0..1024, radio 0x0000..0x400F
constexpr int kRecordBytes = 16;
constexpr uint8_t kErased = 0xFF;

// 1025 records of 16 bytes; record r holds radio addresses 16r..16r+15. Each
// record has a 17th element that no format, exchange or file uses.
class MemImage {
public:
    using Record = std::array<uint8_t, kRecordBytes + 1>;

    MemImage() { Erase(); }
    uint8_t& operator()(int r, int b) { return rec_.at(static_cast<size_t>(r)).at(static_cast<size_t>(b)); }
    uint8_t operator()(int r, int b) const { return rec_.at(static_cast<size_t>(r)).at(static_cast<size_t>(b)); }
    // The byte at radio address a.
    uint8_t& at_addr(int a) { return (*this)(a / kRecordBytes, a % kRecordBytes); }
    uint8_t at_addr(int a) const { return (*this)(a / kRecordBytes, a % kRecordBytes); }
    Record& record(int r) { return rec_.at(static_cast<size_t>(r)); }
    const Record& record(int r) const { return rec_.at(static_cast<size_t>(r)); }
    // Bytes 0..15 of every record := 0xFF.
    void Erase() {
        for (auto& r : rec_)
            for (int b = 0; b < kRecordBytes; ++b) r[static_cast<size_t>(b)] = kErased;
    }
    bool operator==(const MemImage&) const = default;

private:
    std::array<Record, kImageRecords> rec_{};
};

// A range of records and what holds it.
struct MemArea {
    const char* name;
    int first_addr, last_addr;  // radio addresses, inclusive
    int first_rec, last_rec;    // image records, inclusive
    bool defined;               // false: no defined content
};

constexpr int rec_of(int addr) { return addr / kRecordBytes; }

// Radio address ranges and the image records that hold them.
inline constexpr MemArea Memory_map[] = {
    {"Chann_area", 0x0000, 0x0C7F, 0, 199, true},
    {"", 0x0C80, 0x0C8F, 200, 200, false},
    {"", 0x0C90, 0x0DFF, 201, 223, false},
    {"Option_block", 0x0E00, 0x0EFF, 224, 239, true},
    {"Vfo_A", 0x0F00, 0x0F1F, 240, 241, true},
    {"Vfo_B", 0x0F20, 0x0F3F, 242, 243, true},
    {"", 0x0F40, 0x0FFF, 244, 255, false},
    {"Chann_name_area", 0x1000, 0x1C7F, 256, 455, true},
    {"", 0x1C80, 0x1C8F, 456, 456, false},
    {"", 0x1C90, 0x1FFF, 457, 511, false},
    {"Sig_5tone_tables", 0x2000, 0x23FF, 512, 575, true},
    {"Sig_5tone_data", 0x2400, 0x25FF, 576, 607, true},
    {"", 0x2600, 0x28FF, 608, 655, false},
    {"Dtmf_enc_block", 0x2900, 0x29FF, 656, 671, true},
    {"Dtmf_dec_block", 0x2A00, 0x2AFF, 672, 687, true},
    {"", 0x2B00, 0x2CFF, 688, 719, false},
    {"Sig_2tone_area", 0x2D00, 0x2FFF, 720, 767, true},
    {"Fm_area", 0x3000, 0x30FF, 768, 783, true},
    {"", 0x3100, 0x313F, 784, 787, false},
    {"", 0x3140, 0x31FF, 788, 799, false},
    {"", 0x3200, 0x400F, 800, 1024, false},
};

// Area bases and sizes the windows and builders use.
namespace area {
constexpr int kChannFirst = 0;            // channel k in record k
constexpr int kChannNameFirst = 256;     // name of channel k in record 256 + k
constexpr int kOptionFirst = 224, Option_last = 239;
constexpr int kVfoAFirst = 240, Vfo_B_first = 242;
constexpr int kSig5toneTablesFirst = 512, Sig_5tone_tables_last = 575;
constexpr int kSig5toneDataFirst = 576, Sig_5tone_data_last = 607;
constexpr int kDtmfFirst = 656, Dtmf_last = 687;
constexpr int kSig2toneFirst = 720, Sig_2tone_last = 767;
constexpr int kFmFirst = 768, Fm_last = 783;  // preset n (1..16) in record 767 + n
constexpr int kAdjAddr = 0x3C00;              // alignment area, kept in Adj_table
constexpr int kPassWordAddr = 0x3DF0;         // the radio's password record
constexpr int kAdjMarkerAddr = 0x3B90;       // marker record before an alignment write
}  // namespace area

// What the full read and the full write move.
namespace full_xfer {
constexpr int kReadFirstAddr = 0x0000, Read_last_addr = 0x31FF;  // requested
constexpr int kReadStoreFirst = 0, Read_store_last = 787;        // stored (0x0000-0x313F)
constexpr int kWriteFirst = 0, Write_last = 783;                  // sent (0x0000-0x30FF)
}  // namespace full_xfer

constexpr int kChannCountDefault = 200;

}  // namespace bx
