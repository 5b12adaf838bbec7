// A termination signal during a write over `radio-sim --pty`: the program
// ends as its quit ends it, warning once, with the port let go.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <signal.h>
#include <unistd.h>

#include "bench/link_run.h"
#include "qt/program.h"
#include "qt_test_app.h"
#include "support/test_texts.h"

using namespace bxtest::texts;

namespace {

// How many of this process's open files are the device at `path`.
int open_files_on(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path device = fs::canonical(path, ec);
    int n = 0;
    for (const auto& e : fs::directory_iterator("/proc/self/fd", ec)) {
        std::error_code link_ec;
        const fs::path target = fs::read_symlink(e.path(), link_ec);
        if (!link_ec && target == device) ++n;
    }
    return n;
}

}  // namespace

TEST(ProgramEndEndToEnd, TerminationSignalDuringAWriteEndsThroughTheEndPath) {
    bxtest::qt_app();
    for (int sig : bx::ProgramEnd::kSignals) {
        SCOPED_TRACE(strsignal(sig));
        linkrun::Run run;
        ASSERT_TRUE(run.Start({"--password", "246810"})) << run.error;
        auto& app = *run.app;
        const bx::ProgramEnd end(*run.rt, app);
        run.Clear_channel_frequencies();
        app.MDImain->Prog_write.click();
        auto& w = *app.Form_Comm_Write;
        w.Text_PassWord.enter("246810");
        run.messages.clear();
        w.Command_Write.click();
        ASSERT_TRUE(bx::process_events_until([&] { return w.Link.st.Identified && w.Link.st.Block_no >= 50; },
                                             linkrun::kLimitS))
            << "the write does not get going";
        ASSERT_GT(open_files_on(run.sim.path()), 0);

        ASSERT_EQ(kill(getpid(), sig), 0);
        ASSERT_TRUE(bx::process_events_until([&] { return app.Ended(); }, linkrun::kLimitS))
            << "the signal did not end the program";
        EXPECT_TRUE(run.rt->quit_requested());
        // The write window's warning, once, as for any other end.
        EXPECT_EQ(run.messages, std::vector<std::string>{kNoClose});
        for (ui::Form* f : app.forms()) EXPECT_FALSE(f->Loaded()) << f->name();
        EXPECT_FALSE(w.Link.Running());
        EXPECT_EQ(open_files_on(run.sim.path()), 0) << "the port is still held";
        EXPECT_EQ(run.sim.Stop(), 0);
    }
}
