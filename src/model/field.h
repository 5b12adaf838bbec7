// Named fields of the image's records: where each value lies (records, byte,
// bits) and how it is coded. Builders, editors and tests read and write the
// image through these instead of repeating byte arithmetic.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/mem_image.h"

namespace bx {

// How the bytes of a field are coded. The codecs themselves live with the
// code tables; the tag says which one a field uses.
enum class Codec : uint8_t {
    Number,           // the value itself
    List_index,       // position in a fixed list of `items` entries
    Flag,             // one bit, 1 = on
    Bits,             // a set of independent flag bits
    Freq_bcd,         // 8 packed BCD digits in 10 Hz units, least significant byte first
    Freq_digits,      // 8 one-digit bytes, hundreds of MHz first
    Offset_digits,    // 6 one-digit bytes, hundreds of MHz down to kHz
    Mhz_digits,       // 3 one-digit bytes of whole MHz
    Tone_code,        // CTCSS/DCS tone word, low byte first
    Dtmf_code,        // one DTMF digit code
    Dtmf_code_field,  // DTMF digit codes from the first byte on, 0xFF after
    Disp_chars,       // display character codes
    Password_chars,   // printable ASCII codes as typed, left-aligned, blank-padded
    Ascii_name,       // channel name characters, 0xFF where none
    Ansi_name,        // FM station name characters, 0xFF where none
    Hex_digit,        // one hex digit code, 0xFF none
    Hex_digits,       // hex digit codes, 0xFF none
    Hz_word,          // a frequency in whole hertz, little-endian word
    Period_word,      // a tone period count, little-endian word
    Std_index,        // index of a 5-tone standard
    Raw,              // constant bytes no editor interprets
};

// The records that hold one kind of record: instance i starts at image record
// first + i * stride and spans stride records.
struct RecordSet {
    const char* name;
    int first;
    int stride;
    int count;

    constexpr int record(int i) const { return first + i * stride; }
    constexpr int last() const { return first + count * stride - 1; }
    constexpr int bytes() const { return stride * kRecordBytes; }  // bytes of one instance
    constexpr bool has(int i) const { return i >= 0 && i < count; }  // i names an instance
};

// One named field of a record kind. A field of one byte may be a bit range
// (shift, width) of that byte; a field of two bytes is a little-endian word;
// longer fields are runs of bytes read and written with bytes()/put().
struct Field {
    const char* name;
    RecordSet at;
    int byte = 0;   // first byte within the instance, 0 .. at.bytes() - 1
    int len = 1;    // bytes
    int shift = 0;  // one-byte fields: lowest bit
    int width = 8;  // one-byte fields: number of bits
    Codec codec = Codec::Number;
    int items = 0;  // List_index fields: number of list entries

    // Image record and byte of byte k of instance i. Throw std::out_of_range
    // for an instance or byte outside the field.
    int record_of(int i, int k = 0) const;
    int byte_of(int i, int k = 0) const;
    uint8_t& ref(MemImage& img, int i, int k = 0) const;
    uint8_t ref(const MemImage& img, int i, int k = 0) const;

    // One-byte fields: the bits of the field. Two-byte fields: the word.
    int get(const MemImage& img, int i = 0) const;
    // Stores v into the field; a bit field keeps the other bits of its byte
    // and takes the low bits of v only.
    void set(MemImage& img, int i, int v) const;
    void set(MemImage& img, int v) const { set(img, 0, v); }

    // Every byte of the field, in order.
    std::vector<uint8_t> bytes(const MemImage& img, int i = 0) const;
    // Writes the given bytes from the field's first byte on; bytes beyond the
    // field's length are dropped, field bytes beyond the data are left alone.
    void put(MemImage& img, int i, std::span<const uint8_t> data) const;
    void fill(MemImage& img, int i, uint8_t v) const;

    // A list position as a byte stores it, shown as the list's last entry when
    // the byte lies beyond the list.
    int list_pos(const MemImage& img, int i = 0) const;

    // Throws std::logic_error unless the field is coded as c in n bytes. A
    // codec calls it first, so that it never writes into a field of another
    // kind (a tone code into a frequency, four BCD bytes into a word).
    void require(Codec c, int n) const;
    // Whether i names an instance of the field.
    constexpr bool has(int i) const { return at.has(i); }

    constexpr int mask() const { return width >= 8 ? 0xFF : ((1 << width) - 1) << shift; }
};

// A named layout: the fields of one record kind, for listing and checking.
struct RecordLayout {
    const char* name;
    std::span<const Field> fields;
};

}  // namespace bx
