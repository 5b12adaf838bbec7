// Editing the channel grid as a user: click a cell, pick or type, leave the
// cell or press Enter; what reaches the image and what the row shows.
#include "editors/chann_support.h"
#include "editors/channels/chann_columns.h"

using namespace editortest;
using bx::kColBand;
using bx::kColName;
using bx::kColRxFreq;
using bx::kColRxTone;
using bx::kColTxFreq;
using bx::kColTxTone;

namespace {

const std::vector<uint8_t> kFF(16, 0xFF);
// 145.5 MHz in and out, the new-channel settings.
const std::vector<uint8_t> kNew1455 = {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14,
                                       0, 0, 0, 0, 0, 0, 0, 4};

std::vector<uint8_t> freqs(const std::vector<uint8_t>& rec) { return {rec.begin(), rec.begin() + 8}; }

}  // namespace

TEST(ChannEdit, FrequencyCommitsByLeaveAndEnter) {
    // Row 10 (channel 9) starts empty; row 1 holds factory channel 0
    // (155.025 MHz in and out, 67.0 Hz both ways).
    struct Case {
        const char* what;
        int col;
        const char* typed;
        bool enter;
        const char* rx_cell;
        const char* tx_cell;
        const char* message;  // "" for none
    };
    static const std::string huge(400, '9');
    const Case cases[] = {
        {"leave: accepted", kColRxFreq, "145.5", false, "145.50000", "145.50000", ""},
        {"enter: accepted", kColRxFreq, "145.5", true, "145.50000", "145.50000", ""},
        {"leave: whole number", kColRxFreq, "145", false, "145.00000", "145.00000", ""},
        {"enter: whole number", kColRxFreq, "145", true, "145.00000", "145.00000", ""},
        {"leave: band A plus a MHz", kColRxFreq, "179.5", false, "179.50000", "179.50000", ""},
        {"enter: band A ends at its limit", kColRxFreq, "179.5", true, "130.00000", "130.00000",
         "Over the range of receive frequency ."},
        {"leave: band B top", kColRxFreq, "520", false, "520.00000", "520.00000", ""},
        {"enter: band B bottom", kColRxFreq, "400", true, "400.00000", "400.00000", ""},
        {"leave: above band B", kColRxFreq, "520.00001", false, "130.00000", "130.00000",
         "Over the range of receive frequency ."},
        {"enter: gap", kColRxFreq, "399.99", true, "130.00000", "130.00000", "Over the range of receive frequency ."},
        {"leave: 180", kColRxFreq, "180", false, "130.00000", "130.00000", "Over the range of receive frequency ."},
        {"leave: letters", kColRxFreq, "abc", false, "130.00000", "130.00000",
         "Over the range of receive frequency ."},
        {"leave: too large to hold", kColRxFreq, huge.c_str(), false, "130.00000", "130.00000",
         "Over the range of receive frequency ."},
        {"leave: snapped to the grid", kColRxFreq, "145.0137", false, "145.01250", "145.01250", ""},
        {"leave: transmit first", kColTxFreq, "145.5", false, "", "", "Please input the receive frequency in advance."},
    };
    for (const Case& c : cases) {
        EditorProgram p;
        p.open_chann();
        p.ch().MSF_Chann.click(10, c.col);
        p.ch().Text_Edit.enter(c.typed);
        if (c.enter)
            p.ch().Text_Edit.type("\r");
        else
            p.ch().MSF_Chann.click(20, 0);
        EXPECT_EQ(p.cell(10, kColRxFreq), c.rx_cell) << c.what;
        EXPECT_EQ(p.cell(10, kColTxFreq), c.tx_cell) << c.what;
        const std::vector<std::string> want = *c.message ? std::vector<std::string>{c.message}
                                                         : std::vector<std::string>{};
        EXPECT_EQ(p.texts(), want) << c.what;
        if (*c.rx_cell) {
            EXPECT_EQ(p.cell(10, kColBand), "VHF/UHF ") << c.what;
            EXPECT_EQ(p.cell(10, 6), "HIGH") << c.what;
            const std::vector<uint8_t> r = p.rec(9);
            EXPECT_EQ(std::vector<uint8_t>(r.begin() + 8, r.end()), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 4}))
                << c.what;
        } else {
            EXPECT_EQ(p.rec(9), kFF) << c.what;
        }
        EXPECT_EQ(p.rec(256 + 9), kFF) << c.what;
    }
}

TEST(ChannEdit, NewChannelTakesItsDefaultsAndLosesItsName) {
    EditorProgram p;
    p.open_chann();
    p.put(256 + 9, {0x41, 0x42, 0xFF});  // a leftover name of the empty channel
    p.type_at(10, kColRxFreq, "145.5", 20, 0);
    EXPECT_EQ(p.rec(9), kNew1455);
    EXPECT_EQ(p.rec(256 + 9), kFF);
    const char* shown[] = {"VHF/UHF ", "145.50000", "145.50000", "OFF", "OFF", "HIGH", "W", "OFF",
                           "OFF",      "ON",        "1",         "OFF", "QT",  "OFF", ""};
    for (int c = 1; c <= 15; ++c) EXPECT_EQ(p.cell(10, c), shown[c - 1]) << c;
}

TEST(ChannEdit, ReceiveOverwritesTransmitAndDeletesTheChannel) {
    EditorProgram p;
    p.open_chann();
    p.type_at(1, kColTxFreq, "150", 20, 0);
    EXPECT_EQ(p.cell(1, kColTxFreq), "150.00000");
    EXPECT_EQ(freqs(p.rec(0)), (std::vector<uint8_t>{0x00, 0x25, 0x50, 0x15, 0x00, 0x00, 0x00, 0x15}));
    // A new receive frequency becomes the transmit frequency too.
    p.type_at(1, kColRxFreq, "146", 20, 0);
    EXPECT_EQ(freqs(p.rec(0)), (std::vector<uint8_t>{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x60, 0x14}));
    // An emptied transmit frequency: receive only, its tone gone.
    const uint8_t rx_tone_lo = p.rec(0)[8];
    p.type_at(1, kColTxFreq, "", 20, 0);
    std::vector<uint8_t> r = p.rec(0);
    EXPECT_EQ(std::vector<uint8_t>(r.begin() + 4, r.begin() + 8), std::vector<uint8_t>(4, 0xFF));
    EXPECT_EQ(r[10], 0xFF);
    EXPECT_EQ(r[11], 0xFF);
    EXPECT_EQ(r[8], rx_tone_lo);
    EXPECT_EQ(p.cell(1, kColTxFreq), "");
    EXPECT_EQ(p.cell(1, kColTxTone), "");
    // A refused transmit frequency: band A's lowest, tone off.
    p.type_at(1, kColTxFreq, "600", 20, 0);
    EXPECT_EQ(p.texts(), std::vector<std::string>{"Over the range of transmit frequency ."});
    EXPECT_EQ(p.cell(1, kColTxFreq), "130.00000");
    EXPECT_EQ(p.cell(1, kColTxTone), "OFF");
    // An emptied receive frequency deletes the channel with its name.
    p.put(256, {0x41, 0x42, 0xFF});
    p.type_at(1, kColRxFreq, "  ", 20, 0);
    EXPECT_EQ(p.rec(0), kFF);
    EXPECT_EQ(p.rec(256), kFF);
    for (int c = 1; c <= 15; ++c) EXPECT_EQ(p.cell(1, c), "") << c;
}

TEST(ChannEdit, EnterMovesTheEditingOn) {
    EditorProgram p;
    p.open_chann();
    bx::frm_chann& w = p.ch();
    // Receive, Enter: the transmit frequency's box, holding the same text.
    w.MSF_Chann.click(10, kColRxFreq);
    w.Text_Edit.enter("145.5");
    w.Text_Edit.type("\r");
    EXPECT_EQ(w.MSF_Chann.Col(), kColTxFreq);
    EXPECT_TRUE(w.Text_Edit.Visible());
    EXPECT_EQ(w.Text_Edit.Text(), "145.50000");
    EXPECT_EQ(p.rec(9), kNew1455);
    // Transmit, Enter: on to the receive tone's list.
    w.Text_Edit.enter("146");
    w.Text_Edit.type("\r");
    EXPECT_EQ(w.MSF_Chann.Col(), kColRxTone);
    EXPECT_TRUE(w.Combo_edit.Visible());
    EXPECT_FALSE(w.Text_Edit.Visible());
    EXPECT_EQ(p.rec(9)[6], 0x60);
    EXPECT_EQ(w.Combo_edit.Text(), "");
    EXPECT_EQ(w.Combo_edit.ListCount(), 261);

    // Enter in an empty row's transmit box: the band of the next channel;
    // on the last channel row the editing stays on that row.
    p.put(199, kFF);
    w.Form_GotFocus();
    for (int row : {30, 200}) {
        w.MSF_Chann.click(row, kColTxFreq);
        w.Text_Edit.type("\r");
        EXPECT_EQ(w.MSF_Chann.Col(), kColBand) << row;
        EXPECT_EQ(w.MSF_Chann.Row(), row == 200 ? 200 : row + 1) << row;
        EXPECT_TRUE(w.Combo_edit.Visible()) << row;
    }
    EXPECT_TRUE(p.texts().empty());
    // Enter in the name box commits the name as leaving the cell does and
    // hides the box; the leave that follows stores nothing more.
    const std::vector<uint8_t> ab_cd = {0x41, 0x42, 0xFD, 0x43, 0x44, 0xFF, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    w.MSF_Chann.click(10, kColName);
    w.Text_Edit.enter("ab-cd");
    w.Text_Edit.type("\r");
    EXPECT_FALSE(w.Text_Edit.Visible());
    EXPECT_EQ(p.cell(10, kColName), "AB-CD");
    EXPECT_EQ(p.rec(256 + 9), ab_cd);
    w.MSF_Chann.click(11, 0);
    EXPECT_EQ(p.cell(10, kColName), "AB-CD");
    EXPECT_EQ(p.rec(256 + 9), ab_cd);
    EXPECT_TRUE(p.texts().empty());
}

TEST(ChannEdit, NamesOnlyOnChannelsInUse) {
    EditorProgram p;
    p.open_chann();
    p.type_at(1, kColName, "abcdefgh", 20, 0);
    ASSERT_EQ(p.texts(), std::vector<std::string>{"The letter of channel name max 6 bit . "});
    EXPECT_EQ(p.rt.recorder.shown[0].title, "Operate Prompt");
    EXPECT_EQ(p.cell(1, kColName), "ABCDEF");
    EXPECT_EQ(p.rec(256)[5], 'F');
    // A row not in use keeps no name.
    p.type_at(12, kColName, "xy", 20, 0);
    EXPECT_EQ(p.cell(12, kColName), "");
    EXPECT_EQ(p.rec(256 + 11), kFF);
}

TEST(ChannEdit, PicksGoStraightIntoTheRecord) {
    EditorProgram p;
    p.open_chann();
    bx::frm_chann& w = p.ch();
    // Power LOW on a channel with the scrambler on.
    p.app.Mem_image(0, 14) = 0x10;
    w.MSF_Chann.click(1, 6);
    ASSERT_TRUE(w.Combo_edit.Visible());
    EXPECT_EQ(w.Combo_edit.Text(), "HIGH");
    w.Combo_edit.pick(1);
    EXPECT_EQ(p.app.Mem_image(0, 14), 0x11);
    EXPECT_EQ(p.cell(1, 6), "HIGH");  // the cell follows when it is left
    w.MSF_Chann.click(1, 7);
    EXPECT_EQ(p.cell(1, 6), "LOW");
    // W/N keeps the other bits of byte 15.
    w.Combo_edit.pick(1);
    EXPECT_EQ(p.app.Mem_image(0, 15), 0x44);
    // The receive tone: its transmit tone follows and the row is redrawn.
    w.MSF_Chann.click(2, kColRxTone);
    w.Combo_edit.pick(51);
    EXPECT_EQ(p.rec(1)[8], 1);
    EXPECT_EQ(p.rec(1)[10], 1);
    EXPECT_EQ(p.cell(2, kColTxTone), "D023N");
    EXPECT_EQ(p.cell(2, kColRxTone), p.app.Tone_name_table[51]);
    // The transmit tone alone.
    w.MSF_Chann.click(2, kColTxTone);
    w.Combo_edit.pick(0);
    EXPECT_EQ(p.rec(1)[10], 0);
    EXPECT_EQ(p.rec(1)[11], 0);
    EXPECT_EQ(p.rec(1)[8], 1);
    // Typing in a settings list is undone.
    w.MSF_Chann.click(2, 8);
    w.Combo_edit.type("x");
    EXPECT_EQ(w.Combo_edit.Text(), "OFF");
    EXPECT_TRUE(p.texts().empty());
}

TEST(ChannEdit, TypedTones) {
    struct Case {
        int col;
        const char* typed;
        const char* rx_cell;
        const char* tx_cell;
        std::vector<uint8_t> bytes;  // bytes 8-11
    };
    // Factory channel 6 (row 7) holds D754I both ways: 0xD2 0x00.
    const Case cases[] = {
        {kColRxTone, "88.5", "88.5", "88.5", {0x75, 0x03, 0x75, 0x03}},
        {kColRxTone, "100", "100.0", "100.0", {0xE8, 0x03, 0xE8, 0x03}},
        {kColRxTone, "59.9", "", "D754I", {0xD2, 0x00, 0xD2, 0x00}},
        {kColRxTone, "260", "", "D754I", {0xD2, 0x00, 0xD2, 0x00}},
        {kColRxTone, "d023n", "", "D023N", {0x01, 0x00, 0x01, 0x00}},
        {kColTxTone, "120", "", "120.0", {0xD2, 0x00, 0xB0, 0x04}},
    };
    for (const Case& c : cases) {
        EditorProgram p;
        p.open_chann();
        const std::string d754i = p.cell(7, kColRxTone);
        p.app.Mem_image(6, 12) = 0x05;
        p.app.Mem_image(6, 13) = 0x21;
        p.ch().MSF_Chann.click(7, c.col);
        p.ch().Combo_edit.type(c.typed);
        p.ch().MSF_Chann.click(20, 0);
        const std::vector<uint8_t> r = p.rec(6);
        EXPECT_EQ(std::vector<uint8_t>(r.begin() + 8, r.begin() + 12), c.bytes) << c.typed;
        EXPECT_EQ(r[12], 0x05) << c.typed;
        EXPECT_EQ(r[13], 0x21) << c.typed;
        EXPECT_EQ(p.cell(7, kColTxTone), c.tx_cell) << c.typed;
        if (*c.rx_cell) {
            EXPECT_EQ(p.cell(7, kColRxTone), c.rx_cell) << c.typed;
        }
        EXPECT_TRUE(p.texts().empty()) << c.typed;
    }
}

TEST(ChannEdit, BandPickAndListsOnlyOnUsedRows) {
    EditorProgram p;
    p.open_chann();
    bx::frm_chann& w = p.ch();
    // An empty row offers no settings, and no transmit tone without a
    // receive frequency.
    w.MSF_Chann.click(10, 6);
    EXPECT_FALSE(w.Combo_edit.Visible());
    w.MSF_Chann.click(10, kColBand);
    ASSERT_TRUE(w.Combo_edit.Visible());
    p.put(9, {0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    p.put(256 + 9, {0x41, 0x42});
    w.Combo_edit.pick(0);
    EXPECT_EQ(p.rec(9), kFF);
    EXPECT_EQ(p.rec(256 + 9), kFF);
    // Nothing is stored for a row not in use: its band shows empty, so its
    // settings open no list.
    EXPECT_EQ(p.cell(10, kColBand), "");
    EXPECT_FALSE(w.Combo_edit.Visible());
    for (const int col : {static_cast<int>(kColRxTone), static_cast<int>(kColTxTone), 6}) {
        w.MSF_Chann.click(10, col);
        EXPECT_FALSE(w.Combo_edit.Visible()) << col;
        EXPECT_FALSE(w.Text_Edit.Visible()) << col;
    }
    // The band picked again on a used channel changes nothing.
    const std::vector<uint8_t> before = p.rec(0);
    w.MSF_Chann.click(1, kColBand);
    w.Combo_edit.pick(0);
    w.MSF_Chann.click(1, kColRxFreq);
    EXPECT_EQ(p.rec(0), before);
    w.Form_GotFocus();
    EXPECT_EQ(p.cell(1, kColBand), "VHF/UHF ");
}

TEST(ChannEdit, MovesWithoutAnEditorStoreNothing) {
    EditorProgram p;
    p.open_chann();
    bx::frm_chann& w = p.ch();
    const bx::MemImage before = p.app.Mem_image;
    // Arrow keys over frequencies, names and lists.
    w.MSF_Chann.click(1, 0);
    for (int i = 0; i < 16; ++i) w.MSF_Chann.key(ui::Grid::Key::Right);
    for (int i = 0; i < 5; ++i) w.MSF_Chann.key(ui::Grid::Key::Down);
    EXPECT_EQ(p.app.Mem_image, before);
    // The band list left visible after its cell was left writes nothing.
    w.MSF_Chann.click(12, kColBand);
    w.MSF_Chann.key(ui::Grid::Key::Down);
    ASSERT_TRUE(w.Combo_edit.Visible());
    w.Combo_edit.pick(0);
    EXPECT_EQ(p.app.Mem_image, before);
    EXPECT_EQ(p.cell(13, kColBand), "");
    // An edit typed and left by a key is still stored on its own cell.
    w.MSF_Chann.click(1, kColRxFreq);
    w.Text_Edit.enter("146");
    w.MSF_Chann.key(ui::Grid::Key::Down);
    EXPECT_EQ(p.cell(1, kColRxFreq), "146.00000");
    EXPECT_EQ(p.cell(2, kColRxFreq), "136.10000");
    EXPECT_TRUE(p.texts().empty());
}
