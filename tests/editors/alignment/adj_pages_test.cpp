// The alignment editor's pages: what it shows right after start-up, the page
// switch, the level lists, and a display of cells that its boxes refuse.
#include <gtest/gtest.h>

#include "adj_support.h"

using namespace adjtest;

namespace {

class AdjPages : public ::testing::Test {
protected:
    Adj p;
    bx::frm_Adj_Txp& w = (p.begin(), p.w());
};

TEST_F(AdjPages, FactoryPagesInEitherLanguage) {
    for (int16_t lang : {int16_t{0}, int16_t{-1}}) {
        SCOPED_TRACE(lang);
        p.app.Lang_chinese = lang;
        bx::App::Reopen(w);
        ASSERT_TRUE(w.Loaded());
        // Page 0, its title and its labels, whatever the language.
        EXPECT_EQ(w.Caption(), "发射功率调整（高功率）");
        EXPECT_EQ(w.Frame_Frame.Caption(), "发射功率调整（高功率）");
        EXPECT_EQ(w.TabStrip1.SelectedKey(), "Adj_Txp_High");
        EXPECT_TRUE(w.Frame_Frame.Visible());
        EXPECT_FALSE(w.Frame_Sql.Visible() || w.Frame_Dev.Visible() || w.Frame_Other.Visible());
        EXPECT_EQ(w.Command_read.Caption(), "读  取");
        EXPECT_EQ(w.Command_Write.Caption(), "写  入");
        EXPECT_EQ(w.Command_def.Caption(), "默认值");
        EXPECT_FALSE(w.Has_password_box());
        EXPECT_FALSE(w.ProgressBar1.Visible());
        EXPECT_EQ(Adj::texts_of(w.Text1, 16),
                  numbers({12, 13, 13, 13, 13, 13, 14, 15, 15, 15, 15, 15, 15, 15, 15, 15}));
        EXPECT_EQ(Adj::texts_of(w.Text2, 16),
                  numbers({12, 12, 13, 13, 13, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12}));
        EXPECT_EQ(w.Label1[0].Caption(), "130MHZ");
        EXPECT_EQ(w.Label1[15].Caption(), "190MHZ");
        EXPECT_EQ(w.Label_UHF[0].Caption(), "400MHZ");
        EXPECT_EQ(w.Label_UHF[15].Caption(), "490MHZ");
        for (size_t i = 16; i < 25; ++i) EXPECT_FALSE(w.Label_UHF[i].Visible() || w.Text2[i].Visible()) << i;
    }
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjPages, TabsSwitchPagesAndShowTheirColumns) {
    p.tab(2);
    EXPECT_EQ(w.Adj_page, 1);
    EXPECT_EQ(w.Caption(), "发射功率调整（低功率）");
    EXPECT_EQ(w.Frame_Frame.Caption(), "发射功率调整（低功率）");
    EXPECT_EQ(Adj::texts_of(w.Text1, 16), numbers({6, 5, 5, 5, 5, 5, 6, 6, 7, 6, 6, 6, 7, 7, 7, 7}));
    EXPECT_EQ(Adj::texts_of(w.Text2, 16), numbers(std::vector<int>(16, 5)));
    // Typing on the low-power page edits columns 2 and 3.
    w.Text1[3].enter("9");
    EXPECT_EQ(p.app.Adj_table(2, 3), 9);
    EXPECT_EQ(p.app.Adj_table(0, 3), 13);

    p.tab(3);
    EXPECT_EQ(w.Caption(), "静噪等级调整");
    EXPECT_TRUE(w.Frame_Sql.Visible());
    EXPECT_FALSE(w.Frame_Frame.Visible());
    EXPECT_EQ(Adj::texts_of(w.Text_SQ_VHF, 10), numbers({38, 35, 36, 37, 38, 39, 41, 43, 45, 48}));
    EXPECT_EQ(Adj::texts_of(w.Text_SQ_UHF, 10), numbers({38, 31, 32, 33, 34, 35, 36, 37, 39, 41}));
    EXPECT_EQ(Adj::texts_of(w.Text_Sq_Offset_VHF, 16),
              numbers({8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Adj::texts_of(w.Text_Sq_Offset_UHF, 16), numbers({1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Adj::captions_of(w.Label_Sql_VHF, 10), numbers({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(w.Label_Sq_Offset_Vhf[15].Caption(), "190");
    EXPECT_EQ(w.Label_Sq_Offset_UHF[15].Caption(), "490");

    p.tab(4);
    EXPECT_EQ(w.Caption(), "调制度、输出音量调整");
    std::vector<std::string> shown;
    for (const auto& l : w.Level_lists()) shown.push_back(l.list->Text());
    EXPECT_EQ(shown, (std::vector<std::string>{" 60", " 21", " 16", " 9", " 15", " 15", " 15", " 12", " 12", " 2",
                                                " 2", " 128", " 50"}));

    p.tab(5);
    EXPECT_EQ(w.Caption(), "频率范围");
    EXPECT_TRUE(w.Frame_Other.Visible());
    EXPECT_EQ(w.Text_Freq_L[0].Text(), " 130");
    EXPECT_EQ(w.Text_Freq_H[0].Text(), " 179");
    EXPECT_EQ(w.Text_Freq_L[1].Text(), " 400");
    EXPECT_EQ(w.Text_Freq_H[1].Text(), " 480");
    EXPECT_EQ(w.Text_user_PassWord.Text(), "123456");
    EXPECT_EQ(w.Text_Super_PassWord.Text(), "888888");
    EXPECT_EQ(w.Label_F0.Caption(), "VHF0" + std::string(21, ' ') + "130 - 179  ");

    p.tab(1);
    EXPECT_EQ(w.Caption(), "发射功率调整（高功率）");
    EXPECT_EQ(w.Text1[3].Text(), "13");
    // Showing pages stores nothing new: only the one edit differs.
    bx::AdjTable expect = p.app.Adj_defaults;
    expect(2, 3) = 9;
    EXPECT_EQ(p.app.Adj_table, expect);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjPages, LevelListsPickAndRefuseTyping) {
    p.tab(4);
    for (const auto& l : w.Level_lists()) {
        SCOPED_TRACE(l.list->name());
        EXPECT_EQ(l.list->ListCount(), l.last + 1);
        EXPECT_EQ(l.list->List(0), " 0");
        EXPECT_EQ(l.list->List(l.last), " " + std::to_string(l.last));
    }
    EXPECT_EQ(w.Combo_Voice_Dev.ListCount(), 128);
    EXPECT_EQ(w.Combo_CT_Dev.ListCount(), 64);
    EXPECT_EQ(w.Combo_TXP_Temp.ListCount(), 256);
    w.Combo_Beep_C.pick(7);
    EXPECT_EQ(w.Combo_Beep_C.Text(), " 7");
    EXPECT_EQ(p.app.Adj_table(8, 7), 7);
    w.Combo_Tone_Dev.pick(127);
    EXPECT_EQ(p.app.Adj_table(8, 12), 127);
    // Typed keys change neither the list nor the cell.
    w.Combo_Beep_C.type("3");
    EXPECT_EQ(w.Combo_Beep_C.Text(), " 7");
    EXPECT_EQ(p.app.Adj_table(8, 7), 7);
    // Delete, Cut and a paste are judged as keys would be: the text part
    // keeps naming the entry the cell holds (" 60" less its "6" would read
    // " 0"); a paste naming an entry exactly is a pick of it.
    EXPECT_EQ(w.Combo_Voice_Dev.delete_at(1, 1), -1);
    EXPECT_EQ(w.Combo_Voice_Dev.cut_at(0, 3), -1);
    EXPECT_EQ(w.Combo_CT_Dev.paste_at("5", 0, 3), -1);
    EXPECT_EQ(w.Combo_Wide_C.paste_at("x", 0, 0), -1);
    for (auto [list, text, cell] : {std::tuple{&w.Combo_Voice_Dev, " 60", 0}, {&w.Combo_CT_Dev, " 21", 1},
                                    {&w.Combo_Wide_C, " 9", 3}}) {
        SCOPED_TRACE(list->name());
        EXPECT_EQ(list->Text(), text);
        EXPECT_EQ(list->ListIndex(), p.app.Adj_table(8, cell));
    }
    w.Combo_CT_Dev.paste_at(" 5", 0, 3);
    EXPECT_EQ(w.Combo_CT_Dev.Text(), " 5");
    EXPECT_EQ(p.app.Adj_table(8, 1), 5);
    // A cell beyond its list shows nothing, and keeps showing nothing.
    p.app.Adj_table(8, 3) = 200;
    p.tab(4);
    w.Combo_Wide_C.paste_at("9", 0, 0);
    EXPECT_EQ(w.Combo_Wide_C.Text(), "");
    EXPECT_EQ(w.Combo_Wide_C.ListIndex(), -1);
    EXPECT_EQ(p.app.Adj_table(8, 3), 200);
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjPages, LevelCellBeyondItsListShowsNoEntryAndKeepsItsByte) {
    p.app.Adj_table(8, 3) = 200;   // wide coarse: 16 entries
    p.app.Adj_table(8, 0) = 255;   // voice: 128 entries
    p.app.Adj_table(8, 11) = 255;  // temperature: 256 entries
    p.tab(4);
    EXPECT_EQ(w.Combo_Wide_C.ListIndex(), -1);
    EXPECT_EQ(w.Combo_Voice_Dev.ListIndex(), -1);
    EXPECT_EQ(w.Combo_TXP_Temp.ListIndex(), 255);
    EXPECT_EQ(p.app.Adj_table(8, 3), 200);
    EXPECT_EQ(p.app.Adj_table(8, 0), 255);
    // Shown again (Default is not pressed): still kept; a pick replaces it.
    p.tab(5);
    p.tab(4);
    EXPECT_EQ(p.app.Adj_table(8, 3), 200);
    w.Combo_Wide_C.pick(4);
    EXPECT_EQ(p.app.Adj_table(8, 3), 4);
    EXPECT_TRUE(p.all_bytes());
}

TEST_F(AdjPages, DisplayRefusesCellsOutsideTheirBoxes) {
    bx::AdjTable& t = p.app.Adj_table;
    t(0, 5) = 20;    // high power, VHF point 5: 0-15
    t(1, 0) = 255;
    t(4, 2) = 150;   // squelch VHF level 2: 0-100
    t(7, 9) = 11;    // compensation UHF point 9: 0-10
    // Page 0 shown again: both power cells bring the power message and take
    // their factory values, box and cell.
    p.tab(1);
    const std::string power = " 输入数字范围为 0 - 15 ！";
    ASSERT_EQ(p.rt.recorder.count(power), 2);
    EXPECT_EQ(p.rt.recorder.shown[0].style, ui::vbInformation);
    EXPECT_EQ(p.rt.recorder.shown[0].title, "操作提示");
    EXPECT_EQ(t(0, 5), 13);
    EXPECT_EQ(w.Text1[5].Text(), "13");
    EXPECT_EQ(t(1, 0), 12);
    EXPECT_EQ(w.Text2[0].Text(), "12");
    // The focus went to the last refusing box, on the visible page.
    EXPECT_EQ(p.w().ActiveControl(), &w.Text2[0]);
    // The level page also fills the hidden squelch boxes: their messages
    // show, the factory values are stored, the focus stays.
    p.rt.recorder.clear();
    p.tab(4);
    EXPECT_EQ(p.texts(), (std::vector<std::string>{" 输入数字范围为 0 - 100 ！", " 输入数字范围为 0 - 10 ！"}));
    EXPECT_EQ(t(4, 2), 36);
    EXPECT_EQ(t(7, 9), 0);
    EXPECT_EQ(p.w().ActiveControl(), &w.Text2[0]);
    EXPECT_EQ(t, p.app.Adj_defaults);
}

TEST_F(AdjPages, ActivatingTheWindowRedisplaysNothing) {
    p.app.Adj_table(0, 0) = 3;
    p.app.Adj_table(0, 1) = 99;
    w.Activate();
    w.Form_GotFocus();
    EXPECT_EQ(w.Text1[0].Text(), "12");
    EXPECT_EQ(w.Text1[1].Text(), "13");
    EXPECT_EQ(p.app.Adj_table(0, 1), 99);
    // A dialog closing over it hands the activation back: nothing redisplays.
    w.Command_open.click();
    ASSERT_NE(p.app.Form_named("Form_open_adj"), nullptr);
    p.app.Form_named("Form_open_adj")->Unload();
    EXPECT_EQ(w.Text1[0].Text(), "12");
    EXPECT_TRUE(p.rt.recorder.shown.empty());
}

TEST_F(AdjPages, CommandOpensTheEditorOnceAndItsMenuItemStaysHidden) {
    EXPECT_FALSE(p.main().frm_adj.Visible());
    EXPECT_FALSE(p.main().frm_adj.Enabled());
    w.Text1[0].enter("7");
    p.tab(3);
    // A second command while loaded neither reloads nor redisplays it.
    p.main().frm_adj_Click();
    EXPECT_EQ(w.Adj_page, 2);
    w.Command_close.click();
    EXPECT_FALSE(w.Loaded());
    // Reopened: page 0, the table as it was left.
    p.main().frm_adj_Click();
    ASSERT_TRUE(w.Loaded());
    EXPECT_EQ(w.Adj_page, 0);
    EXPECT_EQ(w.Text1[0].Text(), "7");
    EXPECT_FALSE(p.main().frm_adj.Visible());
}

}  // namespace
