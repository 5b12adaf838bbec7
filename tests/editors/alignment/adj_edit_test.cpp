// The alignment editor's range boxes store exactly what the user did: a box
// entered and left as shown stores nothing, a changed one still focused is
// left before Write, Save, another window coming to the front and closing,
// and a box whose page is shown again from the table stores nothing of its
// old text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adj_support.h"
#include "model/adj_file.h"
#include "support/tempdir.h"

using namespace adjtest;

namespace {

const char* const kBelowBand = "Receive frequency of lower limit can't less than the lowest of work frequency. ";

class AdjEdit : public ::testing::Test {
protected:
    void SetUp() override {
        p.begin();
        p.tab(5);
        p.rt.recorder.clear();
    }
    // The UHF band's six cells: low limit, then high limit, hundreds first.
    std::vector<int> uhf() { return p.cells(9, 6, 6); }
    void show(int16_t l0, int16_t l1, int16_t l2) {
        p.app.Adj_table(9, 6) = l0;
        p.app.Adj_table(9, 7) = l1;
        p.app.Adj_table(9, 8) = l2;
        p.tab(4);
        p.tab(5);
    }
    Adj p;
    bx::frm_Adj_Txp& w = p.w();
};

}  // namespace

// Cells that show a limit their digits do not spell (a digit cell above 9)
// stay as they are when the box is entered and left; a shown limit outside
// the band still brings its message and the band's limit.
TEST_F(AdjEdit, LookStoresNothing) {
    show(3, 15, 0);
    EXPECT_EQ(w.Text_Freq_L[1].Text(), " 450");
    w.Text_Freq_L[1].focus();
    w.Text_Freq_H[1].focus();
    w.Text_user_PassWord.focus();
    EXPECT_EQ(uhf(), (std::vector<int>{3, 15, 0, 4, 8, 0}));
    EXPECT_TRUE(p.texts().empty());

    show(3, 9, 0);  // 390: below the band
    w.Text_Freq_L[1].focus();
    w.Text_user_PassWord.focus();
    EXPECT_EQ(p.texts(), std::vector<std::string>{kBelowBand});
    EXPECT_EQ(w.Text_Freq_L[1].Text(), "400");
}

// A limit typed, then X: stored first, once.
TEST_F(AdjEdit, TypedLimitStoredBeforeCommands) {
    struct Case {
        const char* name;
        std::function<void(Adj&, bx::frm_Adj_Txp&)> act;
    } cases[] = {
        {"Write",
         [](Adj& q, bx::frm_Adj_Txp& x) {
             x.Command_Write.click();
             ASSERT_TRUE(q.run_until_idle(x.Link));
         }},
        {"Save", [](Adj&, bx::frm_Adj_Txp& x) { x.Command_save.click(); }},
        {"another window in front", [](Adj& q, bx::frm_Adj_Txp&) { q.main().Prog_read.click(); }},
        {"main Save", [](Adj& q, bx::frm_Adj_Txp&) { q.main().Toolbar1.click("save"); }},
        {"Close", [](Adj&, bx::frm_Adj_Txp& x) { x.Command_close.click(); }},
        {"close box", [](Adj&, bx::frm_Adj_Txp& x) { EXPECT_TRUE(x.Unload(false, ui::vbFormControlMenu)); }},
    };
    for (const Case& c : cases) {
        for (const char* typed : {"450", "390"}) {
            SCOPED_TRACE(std::string(c.name) + " " + typed);
            for (const char* f : {"Form_save_adj", "Form_Comm_Read", "Form_save_chann"})
                if (ui::Form* d = p.app.Form_named(f); d && d->Loaded()) bx::App::Unload(*d);
            if (!w.Loaded()) p.main().frm_adj_Click();
            p.app.Adj_table = p.app.Adj_defaults;
            p.tab(4);
            p.tab(5);
            p.rt.recorder.clear();
            w.Text_Freq_L[1].enter(typed);
            ASSERT_TRUE(w.Text_Freq_L[1].focused());
            c.act(p, w);
            const bool ok = std::string(typed) == "450";
            EXPECT_EQ(uhf(), ok ? std::vector<int>({4, 5, 0, 4, 8, 0}) : std::vector<int>({4, 0, 0, 4, 8, 0}));
            EXPECT_EQ(p.rt.recorder.count(kBelowBand), ok ? 0 : 1);
        }
    }
}

// A limit typed, then the table is replaced from a file and the page shown
// again: leaving the box stores nothing of the typed text.
TEST_F(AdjEdit, TypedLimitGoesWithALoad) {
    bxtest::TempDir dir;
    bx::AdjTable file = p.app.Adj_table;
    file(9, 6) = 4;
    file(9, 7) = 2;
    file(9, 8) = 0;
    const std::string path = dir / "adj.dat";
    ASSERT_FALSE(bx::Save_adj_file(path, file));
    w.Text_Freq_L[1].enter("450");
    p.app.Adj_file_requests.push_back({false, path, {}});
    p.rt.sim.run_for(600);
    EXPECT_EQ(w.Text_Freq_L[1].Text(), " 420");
    w.Text_user_PassWord.focus();
    EXPECT_EQ(uhf(), (std::vector<int>{4, 2, 0, 4, 8, 0}));
}
