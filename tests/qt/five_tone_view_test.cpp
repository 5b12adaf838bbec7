// The 5-tone editor in the real front end, both pages, in English and in
// Chinese, with a cell editor open on each. With BX_SHOTS_DIR set each page
// is saved as a screenshot.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTabBar>

#include <string>

#include "appstate/app.h"
#include "editors/signalling/frm_5tone.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

TEST(QtFiveTone, BothPagesInBothLanguages) {
    bxtest::QtProgram program;
    bx::QtRuntime& rt = program.rt;
    bx::App& app = *program.app;
    rt.forms().main_window()->resize(1280, 800);

    for (int16_t lang : {int16_t{0}, int16_t{-1}}) {
        app.Lang_chinese = lang;
        bx::Set_lang_texts(app.Lang_texts, lang);
        app.MDImain->Sig_5tone.click();
        auto& w = *app.Editor<bx::EditorId::frm_5tone>();
        ASSERT_TRUE(w.Loaded());
        bx::FormView* v = rt.forms().view(w);
        ASSERT_NE(v, nullptr);
        auto* bar = v->top->findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->count(), 2);
        const std::string suffix = lang ? "_chn" : "_eng";
        w.Combo_stxh.pick(3);
        w.MSF_Chann.click(5, 1);
        EXPECT_TRUE(w.Combo_edit.Visible());
        bxtest::save_shot(rt.forms().main_window(), "five_tone_standard" + suffix);
        w.TabStrip1.click(2);
        w.MSF_Encode.click(1, 2);
        w.Text_Encode.Select(5, 0);  // a click at the end of the selected frame
        w.Text_Encode.type("\b\b");
        EXPECT_EQ(w.Text_Encode.Text(), "345");
        bxtest::save_shot(rt.forms().main_window(), "five_tone_encode" + suffix);
        w.Command_close.click();
        EXPECT_FALSE(w.Loaded());
    }
    app.End();
}
