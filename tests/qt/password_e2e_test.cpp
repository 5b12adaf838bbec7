// The real program, offscreen, changes the password of `radio-sim --pty`
// through the password window, also with the boxes typed into by real keys
// and an edit undone. With BX_SHOTS_DIR set, the window is saved
// there as a picture (English and Chinese) for a look by eye.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "bench/link_run.h"
#include "link/form_write_password.h"
#include "qt/host.h"
#include "qt_input.h"
#include "qt_test_app.h"
#include "radio-sim/radio_sim.h"

namespace {

void shoot(bx::QtRuntime& rt, const ui::Form& main, const std::string& name) {
    const char* dir = std::getenv("BX_SHOTS_DIR");
    bx::FormView* v = rt.forms().view(main);
    if (!dir || !*dir || !v || !v->top) return;
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    v->top->grab().save(QString::fromStdString(std::string(dir) + "/" + name + ".png"));
}

// Modify pressed: the exchange reports success, the window closes, and the
// radio's password record holds `want`.
void Modify_and_expect(linkrun::Run& run, bx::Form_Write_PassWord& w, const bxtest::DumpFile& dump,
                       const std::vector<uint8_t>& want) {
    run.messages.clear();
    w.Command_Write.click();
    ASSERT_TRUE(linkrun::Until_reported(w.Link)) << "the exchange does not end";
    ASSERT_TRUE(bx::process_events_until([&] { return !w.Loaded(); }, linkrun::kLimitS)) << "the window stays open";
    EXPECT_EQ(run.messages, std::vector<std::string>{"PassWord Modify Success ! "});

    EXPECT_EQ(run.sim.Stop(), 0);
    std::vector<uint8_t> mem = radiosim::Read_dump(dump.path);
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    EXPECT_EQ(std::vector<uint8_t>(mem.begin() + 0x3DF0, mem.begin() + 0x3E00), want);
}

}  // namespace

TEST(PassWordEndToEnd, ChangesThePasswordOverAPseudoTerminal) {
    bxtest::qt_app();
    const bxtest::DumpFile dump;
    ASSERT_FALSE(dump.path.empty());

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--password", "OLD123,SUPER9", "--dump", dump.path})) << run.error;
    auto& app = *run.app;
    auto& w = *app.Editor<bx::EditorId::Form_Write_PassWord>();
    if (bx::FormView* v = run.rt->forms().view(*app.MDImain); v && v->top) v->top->resize(1280, 800);

    app.Lang_chinese = -1;
    app.MDImain->PC_PassWord.click();
    w.Text_Old_PassWord.enter("OLD123");
    shoot(*run.rt, *app.MDImain, "password_window_chn");
    app.Lang_chinese = 0;
    app.MDImain->PC_PassWord.click();
    EXPECT_EQ(w.Text_Old_PassWord.Text(), "");
    w.Text_Old_PassWord.enter("SUPER9");
    w.Text_New_Password_1.enter("n3w");
    w.Text_New_PassWord_2.enter("n3w");
    shoot(*run.rt, *app.MDImain, "password_window_eng");

    Modify_and_expect(run, w, dump, {'n', '3', 'w', ' ', ' ', ' ', 'S', 'U', 'P', 'E', 'R', '9', 0, 0, 0, 0});
}

// The new password typed with the real keys into the real boxes, the first
// try taken back with Ctrl+Z or the context menu's Undo: each box shows
// what it holds ("*" a character), and Modify sets on the radio what the
// boxes show.
TEST(PassWordEndToEnd, UndoInAPasswordBoxTakesBackWhatItShows) {
    bxtest::qt_app();
    const bxtest::DumpFile dump;
    ASSERT_FALSE(dump.path.empty());

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--password", "OLD123,SUPER9", "--dump", dump.path})) << run.error;
    auto& app = *run.app;
    auto& w = *app.Editor<bx::EditorId::Form_Write_PassWord>();
    app.MDImain->PC_PassWord.click();
    bx::FormView* v = run.rt->forms().view(w);
    ASSERT_NE(v, nullptr);
    auto line_edit = [&](const ui::Control& c) { return qobject_cast<QLineEdit*>(v->find(&c)->widget()); };
    struct Box {
        const ui::TextBox& box;
        const char* first;  // typed, then undone
        const char* then;   // typed after
        bool by_menu;       // Undo from the context menu, else Ctrl+Z
    };
    const Box boxes[] = {
        {w.Text_Old_PassWord, "XY", "OLD123", false},
        {w.Text_New_Password_1, "AB", "123456", false},
        {w.Text_New_PassWord_2, "AB", "123456", true},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.box.name());
        QLineEdit* le = line_edit(b.box);
        ASSERT_NE(le, nullptr);
        le->setFocus();
        bxtest::type(le, b.first);
        bxtest::settle();
        if (b.by_menu) bxtest::context_menu_item(le, QStringLiteral("edit-undo"));
        else bxtest::key(le, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(b.box.Text(), "");
        EXPECT_EQ(le->text().toStdString(), "");
        bxtest::type(le, b.then);
        bxtest::settle();
        EXPECT_EQ(b.box.Text(), b.then);
        EXPECT_EQ(le->displayText().toStdString(), std::string(std::string(b.then).size(), '*'));
    }

    Modify_and_expect(run, w, dump, {'1', '2', '3', '4', '5', '6', 'S', 'U', 'P', 'E', 'R', '9', 0, 0, 0, 0});
}
