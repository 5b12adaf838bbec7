// The real program, offscreen, reads from and writes to `radio-sim --pty`.
#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <cstdio>
#include <unistd.h>

#include "bench/link_run.h"
#include "editors/channels/frm_chann.h"
#include "model/freq_codec.h"
#include "model/layouts.h"
#include "qt/host.h"
#include "qt_test_app.h"
#include "radio-sim/radio_sim.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

TEST(LinkEndToEnd, ReadThenWriteOverAPseudoTerminal) {
    bxtest::qt_app();
    const bxtest::DumpFile dump;
    ASSERT_FALSE(dump.path.empty());

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--pattern", "--password", "246810", "--dump", dump.path})) << run.error;
    auto& app = *run.app;
    EXPECT_EQ(app.Comm_port, linkrun::kSimPort);
    EXPECT_EQ(app.MDImain->StatusBar1.Panels(8).Text, " 136-- 174 MHZ");

    // The read brings the radio's 0x0000-0x313F into the image. (The
    // options window, open from start-up, would show it at once and store
    // its out-of-list settings back as its last items: closed first.)
    app.Window(bx::EditorId::frm_option)->Unload();
    radiosim::Radio model(radiosim::Memory::Pattern);
    model.Set_passwords("246810", "");
    ASSERT_GE(run.Read("246810"), 0) << run.error;
    for (int r = 0; r <= 787; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(app.Mem_image(r, b), model.mem[r * 16 + b]) << r;
    EXPECT_EQ(app.Form_Comm_Read->Label_tr_count.Caption(), "Read Data is Ok ！");

    // The write sends image records 0..783 back.
    run.Clear_channel_frequencies();
    for (int r = 768; r <= 783; ++r) app.Mem_image(r, 5) = static_cast<uint8_t>(r);
    ASSERT_GE(run.Write("246810"), 0) << run.error;
    EXPECT_EQ(app.Form_Comm_Write->Label_tr_count.Caption(), "Data Writed ！");

    EXPECT_EQ(run.sim.Stop(), 0);
    std::vector<uint8_t> mem = radiosim::Read_dump(dump.path);
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int r = 0; r <= 783; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(mem[r * 16 + b], app.Mem_image(r, b)) << r;
    for (int a = 0x3100; a < radiosim::kMemBytes; ++a) ASSERT_EQ(mem[a], model.mem[a]) << a;
}

// Program > Write chosen again (and the toolbar's write key, and the
// window's close box) while the write runs, on the real widgets: the running
// window comes to the front, the close is refused, and the write goes on to
// the end, so the radio holds the whole image.
TEST(LinkEndToEnd, WriteChosenAgainDuringTheWriteKeepsIt) {
    bxtest::qt_app();
    const bxtest::DumpFile dump;
    ASSERT_FALSE(dump.path.empty());

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--pattern", "--password", "246810", "--dump", dump.path})) << run.error;
    auto& app = *run.app;
    QMainWindow* mw = run.rt->forms().main_window();
    ASSERT_NE(mw, nullptr);
    QAction* write_item = nullptr;
    for (QAction* a : mw->menuBar()->actions())
        if (a->text() == "Program" && a->menu())
            for (QAction* i : a->menu()->actions())
                if (i->text() == "Write to radio") write_item = i;
    ASSERT_NE(write_item, nullptr);
    QAction* write_key = nullptr;
    for (QToolBar* bar : mw->findChildren<QToolBar*>())
        for (QAction* a : bar->actions())
            if (a->objectName() == "write") write_key = a;
    ASSERT_NE(write_key, nullptr);
    auto sub_of = [&](const ui::Form& f) {
        bx::FormView* v = run.rt->forms().view(f);
        return v ? qobject_cast<QMdiSubWindow*>(v->top.data()) : nullptr;
    };
    QMdiArea* area = mw->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);

    // Every channel within the radio's bands; a mark in the last records.
    run.Clear_channel_frequencies();
    for (int r = 768; r <= 783; ++r) app.Mem_image(r, 7) = static_cast<uint8_t>(r);
    write_item->trigger();
    auto& w = *app.Form_Comm_Write;
    ASSERT_TRUE(w.Loaded());
    QMdiSubWindow* sub = sub_of(w);
    ASSERT_NE(sub, nullptr);
    w.Text_PassWord.enter("246810");
    run.messages.clear();
    w.Command_Write.click();
    ASSERT_TRUE(bx::process_events_until([&] { return w.Link.st.Identified && w.Link.st.Block_no >= 200; },
                                         linkrun::kLimitS))
        << "the write does not get going";

    // The options editor in front, then the menu item and the toolbar key.
    auto& options = *app.Window(bx::EditorId::frm_option);
    options.Show();
    bxtest::settle();
    ASSERT_EQ(area->activeSubWindow(), sub_of(options));
    for (QAction* a : {write_item, write_key}) {
        const int before = w.Link.st.Block_no;
        a->trigger();
        bxtest::settle();
        EXPECT_EQ(sub_of(w), sub) << "a new write window";
        EXPECT_EQ(area->activeSubWindow(), sub);
        EXPECT_TRUE(w.Link.st.Write_busy);
        EXPECT_GE(w.Link.st.Block_no, before);
        options.Show();
        bxtest::settle();
    }
    // The close box is refused with the Cancel button's message.
    EXPECT_TRUE(run.messages.empty());
    sub->close();
    bxtest::settle();
    EXPECT_EQ(run.messages, std::vector<std::string>{"Read-write operating，don't close the window. ,"});
    EXPECT_TRUE(sub->isVisible());
    EXPECT_TRUE(w.Loaded());

    ASSERT_TRUE(linkrun::Until_reported(w.Link));
    EXPECT_EQ(run.messages, (std::vector<std::string>{"Read-write operating，don't close the window. ,",
                                                      "Complete Written the data to transceiver."}));
    EXPECT_EQ(w.Label_tr_count.Caption(), "Data Writed ！");

    EXPECT_EQ(run.sim.Stop(), 0);
    std::vector<uint8_t> mem = radiosim::Read_dump(dump.path);
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int r = 0; r <= 783; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(mem[r * 16 + b], app.Mem_image(r, b)) << r;
}

// The channel editor's Write over the pseudo-terminal, Default and Clear
// pressed while it runs: both are refused, the screen and image keep the
// user's channels, and the radio gets exactly the image the write began
// with.
TEST(LinkEndToEnd, ChannelWriteSendsTheImageItBeganWith) {
    bxtest::qt_app();
    const bxtest::DumpFile dump;
    ASSERT_FALSE(dump.path.empty());

    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--password", "246810", "--dump", dump.path})) << run.error;
    auto& app = *run.app;
    // 200 channels on 146.52 MHz, unlike the factory table.
    for (int k = 0; k < 200; ++k)
        for (const bx::Field* f : {&bx::layout::Chann_record::Rx_freq, &bx::layout::Chann_record::Tx_freq}) {
            std::string text = "146.52000";
            ASSERT_TRUE(bx::Store_freq_bcd(text, app.Mem_image, *f, k)) << k;
        }
    app.MDImain->chann_edit.click();
    auto& ch = *app.Editor<bx::EditorId::frm_chann>();
    ASSERT_TRUE(ch.Loaded());
    const bx::MemImage began = app.Mem_image;
    ch.Text_PassWord.enter("246810");
    run.messages.clear();
    ch.Command_Write.click();
    ASSERT_TRUE(bx::process_events_until([&] { return ch.Link.st.Identified && ch.Link.st.Block_no >= 98; },
                                         linkrun::kLimitS))
        << "the write does not get going";
    ch.Command_def.click();
    ch.Command_Clear.click();
    EXPECT_EQ(run.messages, (std::vector<std::string>{kBusy, kBusy}));
    EXPECT_EQ(app.Mem_image, began);
    ASSERT_TRUE(linkrun::Until_reported(ch.Link));
    EXPECT_EQ(run.messages, (std::vector<std::string>{kBusy, kBusy, kWriteDone}));

    EXPECT_EQ(run.sim.Stop(), 0);
    std::vector<uint8_t> mem = radiosim::Read_dump(dump.path);
    ASSERT_EQ(mem.size(), static_cast<size_t>(radiosim::kMemBytes));
    for (int r = 0; r < 200; ++r)
        for (int b = 0; b < 16; ++b) ASSERT_EQ(mem[r * 16 + b], began(r, b)) << r;
}

// The radio falls silent mid-write; Cancel and the close box in the pause
// before the failure report are refused, and the report shows.
TEST(LinkEndToEnd, CloseInThePauseWaitsForTheFailureReport) {
    bxtest::qt_app();
    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--password", "246810", "--silent-after", "60"})) << run.error;
    auto& app = *run.app;
    run.Clear_channel_frequencies();
    app.MDImain->Prog_write.click();
    auto& w = *app.Form_Comm_Write;
    bx::FormView* v = run.rt->forms().view(w);
    ASSERT_NE(v, nullptr);
    QWidget* sub = v->top.data();
    ASSERT_NE(sub, nullptr);
    w.Text_PassWord.enter("246810");
    run.messages.clear();
    w.Command_Write.click();
    ASSERT_TRUE(bx::process_events_until([&] { return w.Timer3.running(); }, linkrun::kLimitS))
        << "no pause after the radio fell silent";
    w.Command_Cancel.click();
    sub->close();
    bxtest::settle();
    EXPECT_TRUE(w.Loaded());
    EXPECT_TRUE(sub->isVisible());
    ASSERT_TRUE(linkrun::Until_reported(w.Link));
    EXPECT_EQ(run.messages, (std::vector<std::string>{"Read-write operating，don't close the window. ,",
                                                      "Read-write operating，don't close the window. ,",
                                                      "Fail connect with transceiver."}));
    EXPECT_EQ(w.Label_tr_count.Caption(), "Communication fault.");
    EXPECT_TRUE(w.Loaded());
    EXPECT_EQ(run.sim.Stop(), 0);
}

// A radio that sends a few bytes behind every reply, at the line's pace: the
// port is emptied before every frame, the bytes the port layer holds
// included, so no byte of one reply stands in front of the next. The read
// and the write end with their success reports. (Whether a retry was
// needed is not asserted: on a loaded machine the radio's trailing bytes
// may come later than the next frame, and then the retry is what recovers.)
TEST(LinkEndToEnd, BytesTrailingEveryReplyNeverShiftTheNext) {
    bxtest::qt_app();
    linkrun::Run run;
    ASSERT_TRUE(run.Start({"--pattern", "--extra", "3", "--pace"})) << run.error;
    auto& app = *run.app;
    app.Window(bx::EditorId::frm_option)->Unload();
    ASSERT_GE(run.Read(""), 0) << run.error;
    EXPECT_EQ(app.Form_Comm_Read->Label_tr_count.Caption(), "Read Data is Ok ！");
    run.Clear_channel_frequencies();
    ASSERT_GE(run.Write(""), 0) << run.error;
    EXPECT_EQ(app.Form_Comm_Write->Label_tr_count.Caption(), "Data Writed ！");
    EXPECT_EQ(run.sim.Stop(), 0);
}
