// The program's one copy of the radio's memory. What lies where in it is
// declared in layouts.h (the records of each kind) and memory_map.h (the areas
// and the ranges each exchange moves).
#pragma once

#include <array>
#include <cstddef>
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
    void Erase() { Erase(0, kImageRecords - 1); }
    // Bytes 0..15 of records first..last := 0xFF.
    void Erase(int first, int last) {
        for (int r = first; r <= last; ++r)
            for (int b = 0; b < kRecordBytes; ++b) record(r)[static_cast<size_t>(b)] = kErased;
    }
    bool operator==(const MemImage&) const = default;

private:
    std::array<Record, kImageRecords> rec_{};
};

// Record of radio address a, and radio address of record r's byte 0.
constexpr int rec_of(int addr) { return addr / kRecordBytes; }
constexpr int addr_of(int rec) { return rec * kRecordBytes; }

}  // namespace bx
