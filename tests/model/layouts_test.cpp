#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "model/adj_table.h"
#include "model/layouts.h"
#include "model/memory_map.h"

using namespace bx;
using namespace bx::layout;

namespace {

// Every field lies inside its instance and its bit range inside its byte; no
// two fields of one layout share a bit; the instances lie in the image.
TEST(Layouts, FieldsFitAndDoNotOverlap) {
    for (const RecordLayout& l : Image_layouts) {
        std::map<std::pair<int, int>, int> bits;  // (first record, byte) -> bits taken
        for (const Field& f : l.fields) {
            SCOPED_TRACE(std::string(l.name) + "::" + f.name);
            EXPECT_GE(f.at.first, 0);
            EXPECT_LT(f.at.last(), kImageRecords);
            EXPECT_GE(f.byte, 0);
            EXPECT_LE(f.byte + f.len, f.at.bytes());
            if (f.len == 1) {
                EXPECT_LE(f.shift + f.width, 8);
            } else {
                EXPECT_EQ(f.shift, 0);
                EXPECT_EQ(f.width, 8);
            }
            if (f.codec == Codec::List_index) {
                EXPECT_GT(f.items, 0);
            }
            for (int k = 0; k < f.len; ++k) {
                int& taken = bits[{f.at.first, f.byte + k}];
                EXPECT_EQ(taken & f.mask(), 0) << "byte " << f.byte + k << " used twice";
                taken |= f.mask();
            }
        }
    }
}

// The record kinds of the image never share a record, and each lies in an
// area of the memory map that has a defined content.
TEST(Layouts, RecordKindsLieInTheirAreas) {
    std::map<int, std::string> owner;
    std::set<std::string> seen;
    for (const RecordLayout& l : Image_layouts)
        for (const Field& f : l.fields) {
            if (!seen.insert(f.at.name).second) continue;
            for (int r = f.at.first; r <= f.at.last(); ++r) {
                auto [it, fresh] = owner.emplace(r, f.at.name);
                EXPECT_TRUE(fresh) << "record " << r << " in " << f.at.name << " and " << it->second;
                bool defined = false;
                for (const MemArea& a : Memory_map)
                    if (a.recs.contains(r)) defined = a.defined;
                EXPECT_TRUE(defined) << f.at.name << " record " << r;
            }
        }
}

// The areas derived from the record sets stand at the radio's addresses, and
// the memory map covers every record of the image once, in order.
TEST(MemoryMap, AreasAtTheRadiosAddresses) {
    const struct {
        const char* name;
        RecordRange r;
        int first_addr, last_addr;
    } areas[] = {
        {"channels", area::kChann, 0x0000, 0x0C7F},
        {"options block", area::kOption, 0x0E00, 0x0EFF},
        {"VFO A", area::kVfoA, 0x0F00, 0x0F1F},
        {"VFO B", area::kVfoB, 0x0F20, 0x0F3F},
        {"options area", area::kOptionArea, 0x0E00, 0x0FFF},
        {"channel names", area::kChannName, 0x1000, 0x1C7F},
        {"5-tone tables", area::kSig5toneTables, 0x2000, 0x23FF},
        {"5-tone data", area::kSig5toneData, 0x2400, 0x25FF},
        {"DTMF", area::kDtmf, 0x2900, 0x2AFF},
        {"DTMF decoder", area::kDtmfDec, 0x2A00, 0x2AFF},
        {"2-tone", area::kSig2tone, 0x2D00, 0x2FFF},
        {"FM", area::kFm, 0x3000, 0x30FF},
        {"full read", full_xfer::kRead, 0x0000, 0x31FF},
        {"full read stored", full_xfer::kReadStore, 0x0000, 0x313F},
        {"full write", full_xfer::kWrite, 0x0000, 0x30FF},
    };
    for (const auto& a : areas) {
        EXPECT_EQ(a.r.first_addr(), a.first_addr) << a.name;
        EXPECT_EQ(a.r.last_addr(), a.last_addr) << a.name;
    }
    EXPECT_EQ(area::kPassWordAddr, 0x3DF0);
    EXPECT_EQ(kChannCountDefault, 200);

    int next = 0;
    for (const MemArea& a : Memory_map) {
        EXPECT_EQ(a.recs.first, next) << a.name;
        EXPECT_GE(a.recs.last, a.recs.first) << a.name;
        next = a.recs.last + 1;
    }
    EXPECT_EQ(next, kImageRecords);
}

TEST(Layouts, OptionOffsetsTable) {
    int last = -1;
    for (const OptionSetting& s : Option_offsets) {
        SCOPED_TRACE(s.constant);
        EXPECT_GT(s.pos, last);  // position order, no position twice
        last = s.pos;
        EXPECT_EQ(std::string(s.constant).rfind("Option_ofs_", 0), 0u);
        if (s.control) {
            EXPECT_EQ(std::string(s.constant).substr(11), std::string(s.control).substr(6));  // "Combo_" dropped
            EXPECT_GT(s.items, 0);
            EXPECT_LT(s.factory, s.items);
        } else {
            EXPECT_EQ(std::string(s.constant), "Option_ofs_" + std::to_string(s.pos));
        }
    }
    EXPECT_EQ(std::size(Option_offsets), 51u);  // positions 0..48, 132, 133
    EXPECT_EQ(Option_ofs_RPT_DL, 47);
    EXPECT_EQ(Option_ofs_PttId_End, 240);
}

TEST(Field, BitFieldsWordsAndRuns) {
    MemImage img;
    // A bit field takes the low bits of the value and keeps the byte's other bits.
    Chann_record::Sq_mode.set(img, 5, 0x12);
    EXPECT_EQ(img(5, 13), 0x2F);
    EXPECT_EQ(Chann_record::Sq_mode.get(img, 5), 2);
    EXPECT_EQ(Chann_record::Opt_sig.get(img, 5), 0xF);
    Chann_record::Narrow.set(img, 5, 0);
    EXPECT_EQ(img(5, 15), 0xBF);
    // A word is little-endian; a field past byte 15 of its instance lies in
    // the instance's next record.
    Vfo_record::Tx_tone.set(img, Vfo_B, 0x029E);
    EXPECT_EQ(img(243, 2), 0x9E);
    EXPECT_EQ(img(243, 3), 0x02);
    EXPECT_EQ(Vfo_record::Tx_tone.get(img, Vfo_B), 0x029E);
    // Runs: put writes as far as the data reaches, never past the field.
    const uint8_t name[] = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'};
    Fm_record::Name.put(img, 0, name);
    EXPECT_EQ(Fm_record::Name.bytes(img, 0), std::vector<uint8_t>(name, name + 8));
    EXPECT_EQ(img(769, 0), 0xFF);
    // Instances and bytes outside the field are refused.
    EXPECT_THROW(Chann_record::Rx_tone.get(img, 200), std::out_of_range);
    EXPECT_THROW(Fm_record::Name.ref(img, 0, 8), std::out_of_range);
    EXPECT_THROW(Fm_record::Name.get(img, 0), std::logic_error);
    // A list byte beyond the list shows as its last entry.
    EXPECT_EQ(Dtmf_dec_settings_record::Reset_time.list_pos(img), 79);
    EXPECT_EQ(Option_block::setting_at(Option_ofs_tot).list_pos(img), 39);
    EXPECT_EQ(Option_block::setting_at(Option_ofs_Emc_Ch).items, 200);
}

TEST(Layouts, AdjCellsFitTheTable) {
    std::set<std::pair<int, int>> used;
    for (const AdjCells& c : adj::all) {
        SCOPED_TRACE(c.name);
        EXPECT_GE(c.record, 0);
        EXPECT_LT(c.record, kAdjRecords);
        EXPECT_LE(c.first + c.count, kAdjCells);
        for (int r = c.first; r < c.first + c.count; ++r) EXPECT_TRUE(used.insert({c.record, r}).second);
    }
}

}  // namespace
