// The memory map: which image records each area of the radio's memory takes,
// derived from the record layouts, and the ranges each whole-image exchange
// moves. Every bound is written once; radio addresses follow from records.
//
//   area::kFm.first_addr()            // 0x3000, the FM presets
//   area::kSig2tone.records()         // 48 records of the 2-tone area
//   Memory_map                        // every record 0..1024 in one table
#pragma once

#include "model/adj_table.h"
#include "model/layouts.h"
#include "model/mem_image.h"

namespace bx {

// Image records first..last, inclusive, and the radio addresses they hold.
struct RecordRange {
    int first;
    int last;

    constexpr int records() const { return last - first + 1; }
    constexpr int first_addr() const { return addr_of(first); }
    constexpr int last_addr() const { return addr_of(last + 1) - 1; }
    constexpr bool contains(int r) const { return r >= first && r <= last; }
};

// The records of one record set, or from the first of `from` to the last of `to`.
constexpr RecordRange span_of(const RecordSet& s) { return {s.first, s.last()}; }
constexpr RecordRange span_of(const RecordSet& from, const RecordSet& to) { return {from.first, to.last()}; }

// The areas of the radio's memory.
namespace area {
inline constexpr RecordRange kChann = span_of(layout::Chann_record::Records);
inline constexpr RecordRange kChannName = span_of(layout::Chann_name_record::Records);
// The optional features: the block, VFO A and VFO B; the options editor moves
// the whole of kOptionArea, up to the channel names.
inline constexpr RecordRange kOption = span_of(layout::Option_block::Records);
inline constexpr RecordRange kVfoA = {layout::Vfo_record::Records.record(layout::Vfo_A),
                                      layout::Vfo_record::Records.record(layout::Vfo_B) - 1};
inline constexpr RecordRange kVfoB = {layout::Vfo_record::Records.record(layout::Vfo_B),
                                      layout::Vfo_record::Records.last()};
inline constexpr RecordRange kOptionArea = {kOption.first, kChannName.first - 1};
// The 5-tone tone tables (four tables of kTableSlots records) and the 5-tone
// records the editor edits.
inline constexpr RecordRange kSig5toneTables = {
    layout::Sig_5tone_tables::Hz_low_rows.first,
    layout::Sig_5tone_tables::Hz_low_rows.first + 4 * layout::Sig_5tone_tables::kTableSlots - 1};
inline constexpr RecordRange kSig5toneData = span_of(layout::Sig_5tone_std_record::Records,
                                                     layout::Sig_5tone_settings::Records);
inline constexpr RecordRange kSig5tone = {kSig5toneTables.first, kSig5toneData.last};
// DTMF: the encoder half, the decoder half, and both.
inline constexpr RecordRange kDtmfEnc = span_of(layout::Dtmf_enc_block::Records,
                                                layout::Dtmf_enc_timing_record::Records);
inline constexpr RecordRange kDtmfDec = span_of(layout::Dtmf_dec_block::Commands,
                                                layout::Dtmf_dec_settings_record::Records);
inline constexpr RecordRange kDtmf = {kDtmfEnc.first, kDtmfDec.last};
inline constexpr RecordRange kSig2tone = span_of(layout::Sig_2tone_enc_record::Records,
                                                 layout::Sig_2tone_reset_record::Records);
inline constexpr RecordRange kFm = span_of(layout::Fm_record::Records);

// Radio addresses outside the image's areas: the alignment area (kAdjRecords
// records, kept in AdjTable), the password record (its last record) and the
// record that takes the marker frame before an alignment write.
inline constexpr int kAdjAddr = 0x3C00;
inline constexpr int kPassWordAddr = kAdjAddr + adj::PassWord_record * kRecordBytes;
inline constexpr int kAdjMarkerAddr = 0x3B90;
}  // namespace area

// What the read window and the write window move.
namespace full_xfer {
// The read requests every record up to kReadLast, stores those up to
// kReadStoreLast and drops the rest.
inline constexpr RecordRange kRead = {area::kChann.first, rec_of(0x31FF)};
inline constexpr RecordRange kReadStore = {area::kChann.first, rec_of(0x313F)};
// The write sends every record up to the FM presets.
inline constexpr RecordRange kWrite = {area::kChann.first, area::kFm.last};
}  // namespace full_xfer

// The number of channel records the program starts with.
inline constexpr int kChannCountDefault = layout::Chann_record::Records.count;

// A range of records and what holds it; `defined` false: no defined content.
struct MemArea {
    const char* name;
    RecordRange recs;
    bool defined;
};

// Every record of the image, in address order, in one table.
inline constexpr MemArea Memory_map[] = {
    {"Chann_area", area::kChann, true},
    {"", {area::kChann.last + 1, area::kChann.last + 1}, false},  // the channel editor's record 200
    {"", {area::kChann.last + 2, area::kOption.first - 1}, false},
    {"Option_block", area::kOption, true},
    {"Vfo_A", area::kVfoA, true},
    {"Vfo_B", area::kVfoB, true},
    {"", {area::kVfoB.last + 1, area::kOptionArea.last}, false},
    {"Chann_name_area", area::kChannName, true},
    {"", {area::kChannName.last + 1, area::kChannName.last + 1}, false},  // the channel editor's name record 200
    {"", {area::kChannName.last + 2, area::kSig5toneTables.first - 1}, false},
    {"Sig_5tone_tables", area::kSig5toneTables, true},
    {"Sig_5tone_data", area::kSig5toneData, true},
    {"", {area::kSig5toneData.last + 1, area::kDtmf.first - 1}, false},
    {"Dtmf_enc_block", area::kDtmfEnc, true},
    {"Dtmf_dec_block", area::kDtmfDec, true},
    {"", {area::kDtmf.last + 1, area::kSig2tone.first - 1}, false},
    {"Sig_2tone_area", area::kSig2tone, true},
    {"Fm_area", area::kFm, true},
    {"", {area::kFm.last + 1, full_xfer::kReadStore.last}, false},
    {"", {full_xfer::kReadStore.last + 1, full_xfer::kRead.last}, false},
    {"", {full_xfer::kRead.last + 1, kImageRecords - 1}, false},
};

}  // namespace bx
