// The DTMF editor in the real front end on a 1280 x 800 screen: in Chinese,
// where the rights header is one line of five names, each rights box stands
// under its name.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>

#include <string>

#include "appstate/app.h"
#include "editors/signalling/frm_dtmf.h"
#include "qt/host.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

TEST(QtDtmf, RightsBoxesStandUnderTheirNamesInChinese) {
    bxtest::use_screen_1280x800();
    bxtest::QtProgram program;
    bx::App& app = *program.app;
    app.Lang_chinese = -1;
    app.MDImain->Sig_dtmf.click();
    auto& w = *app.Editor<bx::EditorId::frm_dtmf>();
    ASSERT_TRUE(w.Loaded());
    bxtest::settle();
    bx::FormView* v = program.rt.forms().view(w);
    ASSERT_NE(v, nullptr);
    auto* head = qobject_cast<QLabel*>(v->find(&w.Label_xcjtyyybkj_1)->widget());
    ASSERT_NE(head, nullptr);
    const QString text = head->text();
    const char* names[] = {"巡查", "监听", "遥晕", "遥毙", "开机"};
    for (size_t k = 0; k < 5; ++k) {
        const QString name = QString::fromUtf8(names[k]);
        const int from = head->x() + head->fontMetrics().horizontalAdvance(text.left(text.indexOf(name)));
        const int to = from + head->fontMetrics().horizontalAdvance(name);
        for (const ui::CheckBox* c : {&w.Check_M[k], &w.Check_S[k]}) {
            QWidget* box = v->find(c)->widget();
            const int tick = box->x() + bx::px(100);  // the tick mark's centre
            EXPECT_GE(tick, from) << names[k];
            EXPECT_LE(tick, to) << names[k];
        }
    }
    w.Command_close.click();
}
