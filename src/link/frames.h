// Fixed frames of the serial link to the radio, and what the program reads
// out of the radio's replies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/mem_image.h"

namespace bx {

// The program-mode request: eight constant bytes that put the radio into
// programming mode. The radio simulator accepts exactly these.
inline constexpr std::array<uint8_t, 8> Cmd_program = {0x50, 0x52, 0x4F, 0x47, 0x42, 0x58, 0x35, 0x36};

// The marker frame an alignment write sends before its records: an Ack,
// then a data frame of 16 bytes for radio address 0x3B90 (area::
// kAdjMarkerAddr, written only, never read). Its data are a constant 8-byte
// pattern, seven zero bytes and a constant last byte. The zeros are fixed,
// so every write sends the same marker, whatever frame went out before it
// (no byte of an earlier record, a password least of all, goes to 0x3B90).
inline constexpr std::array<uint8_t, 8> kAdjMarkerPattern = {0x41, 0x44, 0x4A, 0x55, 0x53, 0x54, 0x42, 0x58};
inline constexpr uint8_t kAdjMarkerLast = 0xA5;
inline constexpr int kAdjMarkerLen = 21;
// The 21 bytes of the marker frame.
std::array<uint8_t, kAdjMarkerLen> Adj_marker();

// Line settings of every exchange.
inline constexpr const char* kLinkSettings = "9600,N,8,1";

namespace frame {
constexpr uint8_t Ack = 0x06;
constexpr uint8_t kReadCmd = 0x53;   // 'S'
constexpr uint8_t kDataMark = 0x58;  // 'X'
constexpr uint8_t kEndMark = 0x55;   // 'U', last byte of the identification reply

constexpr int kIdentLen = 50;         // identification reply
constexpr int kIdentMakerAt = 13;    // 4 letters of the maker ident
constexpr int kIdentEndAt = 49;
// The password reply is looked at once this many bytes of it are in: its
// 'X' must stand at an index below kPassWordMarkLimit. The data frame from
// the 'X' on ('X', address high and low, length, the 16-byte record) has
// kPassWordFrameLen bytes.
constexpr int kPassWordTaken = 20;
constexpr int kPassWordMarkLimit = 10;
constexpr int kPassWordFrameLen = 4 + kRecordBytes;
constexpr int kReadReplyLen = 69;    // Ack + 'X' hi lo len + 64 data bytes
constexpr int kBlockBytes = 64;
constexpr int kBlockRecords = kBlockBytes / kRecordBytes;
// Read_blocks has 71 slots a row; a stored reply fills slots 0..68.
constexpr int kReplySlots = 71;
}  // namespace frame

// 'S', address high, address low, length.
std::vector<uint8_t> Cmd_read(int addr, int len);
// 'X', address high, address low, 0x10 and the 16 bytes; with an Ack in front
// when with_ack.
std::vector<uint8_t> Write_frame(int addr, const uint8_t* data16, bool with_ack);

// Index of the first 'X' among bytes 0..last of buf (last inclusive, clipped
// to the buffer), or -1.
int Find_data_mark(const uint8_t* buf, int len, int last);

// The address high, address low and length bytes of a request for `len`
// bytes at `addr`: what the data frame answering it carries behind its 'X'.
using FrameHead = std::array<uint8_t, 3>;
FrameHead Frame_head(int addr, int len);

// Index of the first 'X' among bytes 0..last of buf (last inclusive, clipped
// so that the three bytes behind it lie inside the buffer) that is followed
// by head, or -1.
int Find_frame_mark(const uint8_t* buf, int len, int last, const FrameHead& head);

// Where the password reply's data frame begins among its first
// kPassWordTaken bytes (head): the first 'X' below kPassWordMarkLimit that
// is followed by the password record's address and length, so that a
// stray 'X' in front of the reply is not taken for its mark; when no 'X'
// there is, the first 'X' below kPassWordMarkLimit; -1 when there is none.
int PassWord_reply_mark(const uint8_t* head);

// How many bytes the whole password reply has, judged from its first
// kPassWordTaken bytes (head): with its mark (PassWord_reply_mark) at index
// k, the k bytes in front and the data frame from the 'X' on (k +
// kPassWordFrameLen, 20 for a bare data frame, 21 behind an Ack); without
// one, the kPassWordTaken bytes it is dropped with.
int PassWord_reply_len(const uint8_t* head);

// A byte that arrives after a request has left but belongs to no reply of
// it (the late last byte of the reply before, or bytes trailing it) lands
// in front of the answer. These find how many such bytes stand in front of
// the reply among the n bytes received so far, so that they are dropped
// before the reply is taken and judged. Only bytes in front of the reply's
// own Ack are dropped, and only where the Ack stands exactly where the
// reply's fixed bytes say it must; anything else (a reply whose mark
// stands further from its Ack, say) is judged as received.
//
// Read reply: the bytes in front of the Ack that directly precedes the
// first 'X' followed by the address and length requested (head).
int Read_reply_strays(const uint8_t* buf, int n, const FrameHead& head);
// Identification reply: the bytes in front of the Ack that stands 13 bytes
// before the first copy of the maker ident.
int Ident_reply_strays(const uint8_t* buf, int n, const std::array<uint8_t, 4>& radio_ident);

// Where the 64 data bytes of a stored 69-byte read reply begin: 4 bytes
// after the first 'X' among bytes 0..5, or byte 4 when none stands there.
// Never more than 5, so the data always lie inside the reply.
int Reply_data_start(const uint8_t* reply);

// A read reply is taken only when its first 'X' among bytes 0..5 stands at
// index 0 or 1: then its 64 data bytes lie inside the 69 received.
bool Read_reply_usable(const uint8_t* reply);

// A read reply is stored when it is usable and its 'X' is followed by the
// address and length requested (head). A byte that came in among the bytes
// of its header would otherwise shift every data byte behind it.
bool Read_reply_answers(const uint8_t* reply, const FrameHead& head);

// What an accepted identification reply says about the radio.
struct IdentInfo {
    int band_a_low = 0, band_a_high = 0, band_b_low = 0, band_b_high = 0;  // MHz
    std::string model;    // status panel 2
    std::string serial;   // status panel 4
    std::string version;  // status panel 6
    std::string band_a;   // status panel 8
    std::string band_b;   // status panel 10
};

// The reply (50 bytes) is accepted when bytes 13..16 equal the maker ident
// and byte 49 is the end mark.
bool Ident_accepted(const uint8_t* reply, const std::array<uint8_t, 4>& radio_ident);
IdentInfo Ident_decode(const uint8_t* reply);

// One reply byte as a character (printable ASCII as itself, any other code
// as the Latin-1 character of that code, as UTF-8).
std::string Byte_char(uint8_t b);

// The password check of the password stage. record holds the 16 bytes that
// follow the reply's header; only its first `received` bytes came from the
// radio, and a password byte beyond them never matches. typed holds the
// character codes of the typed password, slots 0..5 compared.
bool PassWord_passes(const uint8_t* record, int received, const int32_t* typed);

}  // namespace bx
