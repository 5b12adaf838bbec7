// The 2-tone editor in the real front end, both pages, in English and in
// Chinese. With BX_SHOTS_DIR set each page is saved as a screenshot.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTabBar>

#include <string>

#include "appstate/app.h"
#include "editors/signalling/frm_2tone.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

TEST(QtTwoTone, BothPagesInBothLanguages) {
    bxtest::QtProgram program;
    bx::QtRuntime& rt = program.rt;
    bx::App& app = *program.app;
    rt.forms().main_window()->resize(1280, 800);

    for (int16_t lang : {int16_t{0}, int16_t{-1}}) {
        app.Lang_chinese = lang;
        bx::Set_lang_texts(app.Lang_texts, lang);
        app.MDImain->Sig_2tone.click();
        auto& w = *app.Editor<bx::EditorId::frm_2tone>();
        ASSERT_TRUE(w.Loaded());
        bx::FormView* v = rt.forms().view(w);
        ASSERT_NE(v, nullptr);
        auto* bar = v->top->findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->count(), 2);
        const std::string suffix = lang ? "_chn" : "_eng";
        w.MSF_Encode.click(2, 1);
        bxtest::save_shot(rt.forms().main_window(), "two_tone_encode" + suffix);
        w.TabStrip1.click(2);
        w.MSF_Decode.click(3, 2);
        bxtest::save_shot(rt.forms().main_window(), "two_tone_decode" + suffix);
        w.Command_close.click();
        EXPECT_FALSE(w.Loaded());
    }
    app.End();
}
