// Channel names typed into the grid: the record holds exactly what the cell
// shows, at once, after the window's redraw and after a trip through the
// radio.
#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/options/frm_option.h"

using namespace editortest;
using bx::kColName;

namespace {

// 145.5 MHz in and out, the new-channel settings.
const std::vector<uint8_t> kUsed = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 4};

struct Name {
    const char* typed;
    const char* cell;
    std::vector<uint8_t> bytes;  // name bytes 0-5
    bool message;                // the six-character message
};

const std::vector<Name>& names() {
    static const std::vector<Name> n = {
        {"éb1", "B1", {0x42, 0x31, 0xFF, 0xFF, 0xFF, 0xFF}, false},
        {"-AB", "-AB", {0xFD, 0x41, 0x42, 0xFF, 0xFF, 0xFF}, false},
        {"+1", "+1", {0xFB, 0x31, 0xFF, 0xFF, 0xFF, 0xFF}, false},
        {"A+B-C", "A+B-C", {0x41, 0xFB, 0x42, 0xFD, 0x43, 0xFF}, false},
        {"x9-Q_Z7", "X9-QZ7", {0x58, 0x39, 0xFD, 0x51, 0x5A, 0x37}, false},
        {"éééééé", "", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, false},
        {" a b  c ", "ABC", {0x41, 0x42, 0x43, 0xFF, 0xFF, 0xFF}, false},
        {"r-p+t-1x", "R-P+T-", {0x52, 0xFD, 0x50, 0xFB, 0x54, 0xFD}, true},
    };
    return n;
}

// Another window comes to the front, then the channel window again.
void reactivate(EditorProgram& p) {
    p.app.Editor<bx::EditorId::frm_option>()->Activate();
    ASSERT_TRUE(p.ch().Loaded());
    p.ch().Activate();
}

std::vector<uint8_t> name_bytes(EditorProgram& p, int k) {
    std::vector<uint8_t> r = p.rec(256 + k);
    r.resize(6);
    return r;
}

// Channels 0..n-1 in use, with the names typed into their rows.
void type_names(EditorProgram& p) {
    for (size_t i = 0; i < names().size(); ++i) p.put(static_cast<int>(i), kUsed);
    p.ch().Form_GotFocus();
    for (size_t i = 0; i < names().size(); ++i) {
        const Name& n = names()[i];
        const int row = static_cast<int>(i) + 1;
        p.rt.recorder.clear();
        p.type_at(row, kColName, n.typed, 30, 0);
        EXPECT_EQ(p.texts().size(), n.message ? 1u : 0u) << n.typed;
        EXPECT_EQ(p.cell(row, kColName), n.cell) << n.typed;
        EXPECT_EQ(name_bytes(p, row - 1), n.bytes) << n.typed;
    }
}

}  // namespace

TEST(ChannNames, TheCellShowsWhatTheRecordHolds) {
    EditorProgram p;
    p.open_chann();
    type_names(p);
    // The redraw at the window's next activation shows the same.
    p.ch().MSF_Chann.setTextMatrix(1, kColName, "stale");
    reactivate(p);
    for (size_t i = 0; i < names().size(); ++i) {
        EXPECT_EQ(p.cell(static_cast<int>(i) + 1, kColName), names()[i].cell) << names()[i].typed;
        EXPECT_EQ(name_bytes(p, static_cast<int>(i)), names()[i].bytes) << names()[i].typed;
    }
}

TEST(ChannNames, SurviveAWriteToTheRadioAndAReadBack) {
    EditorProgram p;
    p.open_chann(true);
    bx::frm_chann& w = p.ch();
    type_names(p);
    p.rt.recorder.clear();
    w.Command_Write.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete Written the data to transceiver."});
    for (size_t i = 0; i < names().size(); ++i) {
        const auto at = p.radio.radio.mem.begin() + 0x1000 + 16 * static_cast<int>(i);
        EXPECT_EQ(std::vector<uint8_t>(at, at + 6), names()[i].bytes) << names()[i].typed;
    }
    // The image forgets them; the editor's own read brings them back.
    for (size_t i = 0; i < names().size(); ++i)
        for (int b = 0; b < 16; ++b) p.app.Mem_image(256 + static_cast<int>(i), b) = 0xFF;
    reactivate(p);
    w.Command_read.click();
    ASSERT_TRUE(p.run_until_idle(w.Link));
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < names().size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            EXPECT_EQ(name_bytes(p, row - 1), names()[i].bytes) << names()[i].typed;
            EXPECT_EQ(p.cell(row, kColName), names()[i].cell) << names()[i].typed << " pass " << pass;
        }
        reactivate(p);  // the second pass: the row display's rule
    }
}
