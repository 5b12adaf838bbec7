// The paste benchmark: long texts pasted with Ctrl+V into every kind of box,
// in the real program on the Qt front end offscreen: the boxes without a
// length limit of their own (a channel's receive frequency and name cells,
// the CTCSS/DCS list's text, an FM cell, the 2-tone encode cell) and each
// box with a key filter of its own (a password box, the power-on line, the
// ANI box, a PTT-ID code box, a VFO frequency box, a DTMF code box, a
// 2-tone tone box, the 5-tone frame cell, an alignment range box). Each
// paste replaces the box's selected text with 4 096 and then 32 767
// characters; it is timed from the key to the box showing what its control
// holds (the paint included). Each box's filter judges every pasted
// character as it would a typed one, so the text a paste leaves is checked
// against what typing the characters makes (a filter refusing most of them
// leaves a short text). Prints the mean and the worst of five pastes per
// box and length and the ratio of the two means; exits 1 when a mean for
// 32 767 characters is above 100 ms, that mean is more than 10 times the
// one for 4 096 (a linear paste makes it 8), or a paste is not taken as
// typing would take it.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "chann_redraw.h"
#include "editors/channels/chann_columns.h"
#include "editors/alignment/frm_adj_txp.h"
#include "editors/channels/frm_chann.h"
#include "editors/fm/frm_fm.h"
#include "editors/options/frm_option.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "qt/host.h"
#include "qt/program.h"
#include "qt/runtime.h"

namespace {

constexpr int kLongest = 32767;
constexpr int kShorter = 4096;
constexpr int kRounds = 5;
constexpr double kTargetMs = 100;
constexpr double kMostRatio = 10;

struct Case {
    const char* name;
    ui::Form& form;
    std::function<void()> open;  // opens the box (over its cell)
    ui::Control& box;
    std::function<std::string()> held;
    char ch;  // the character pasted
    // The characters of a paste the box takes (its filter refuses the
    // rest); -1: every one.
    int takes = -1;
};

struct Figures {
    double mean = 0, worst = 0, cpu = 0;  // wall time mean and worst, processor time mean
    bool whole = true;
};

// The processor time the program has used, in ms: on a shared machine it
// shows the work a paste does apart from the time it waited for a core.
double cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

QLineEdit* line_edit(bx::QtRuntime& rt, const ui::Control& c) {
    bx::FormView* v = rt.forms().view(c.owner());
    bx::ControlView* cv = v ? v->find(&c) : nullptr;
    QWidget* w = cv ? cv->widget() : nullptr;
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->lineEdit();
    return qobject_cast<QLineEdit*>(w);
}

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    // An argument runs only the boxes whose names contain it.
    const std::string only = argc > 1 ? argv[1] : "";
    bench::Use_1280x800_offscreen_screen();
    bx::ensure_qt_application();
    bx::QtRuntime rt;
    for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-bench-com" + std::to_string(port));
    bx::accept_message_boxes(rt, [](const std::string&) {});
    bx::App app(rt);
    rt.set_close_handler([&] { app.End(); });
    bx::start_program(app);
    bx::frm_chann& ch = *app.Editor<bx::EditorId::frm_chann>();
    bx::frm_FM& fm = *app.Editor<bx::EditorId::frm_FM>();
    bx::frm_option& op = *app.Editor<bx::EditorId::frm_option>();
    bx::frm_dtmf& dt = *app.Editor<bx::EditorId::frm_dtmf>();
    bx::frm_2tone& t2 = *app.Editor<bx::EditorId::frm_2tone>();
    bx::frm_5tone& t5 = *app.Editor<bx::EditorId::frm_5tone>();
    bx::frm_Adj_Txp& adj = *app.Editor<bx::EditorId::frm_Adj_Txp>();
    auto text_of = [](ui::TextBox& b) { return [&b] { return b.Text(); }; };
    auto none = [] {};

    // Blanks are what the password, power-on and range boxes take without
    // limit (blanks at either end don't count); the ANI box refuses every
    // "A", each after asking whether its text could still become a valid ANI.
    const std::vector<Case> cases = {
        {"channel receive frequency", ch, [&] { ch.MSF_Chann.click(10, bx::kColRxFreq); }, ch.Text_Edit,
         text_of(ch.Text_Edit), '1'},
        {"channel name", ch, [&] { ch.MSF_Chann.click(10, bx::kColName); }, ch.Text_Edit, text_of(ch.Text_Edit), 'A'},
        {"channel CTCSS/DCS list", ch, [&] { ch.MSF_Chann.click(10, bx::kColRxTone); }, ch.Combo_edit,
         [&] { return ch.Combo_edit.Text(); }, '7'},
        {"FM frequency", fm, [&] { fm.MSF_Chann.click(2, 1); }, fm.Text_Edit, text_of(fm.Text_Edit), '8'},
        {"2-tone encode", t2, [&] { t2.MSF_Encode.click(2, 1); }, t2.Text_Encode, text_of(t2.Text_Encode), '5'},
        {"password (blanks)", adj, [&] { adj.TabStrip1.click(5); }, adj.Text_user_PassWord, text_of(adj.Text_user_PassWord), ' '},
        {"power-on line (blanks)", op, none, op.Text_PON_MSG_U, text_of(op.Text_PON_MSG_U), ' '},
        {"ANI (refused)", op, none, op.Text_ANI, text_of(op.Text_ANI), 'A', 0},
        {"PTT-ID code", op, none, op.Text_PttId_Begin, text_of(op.Text_PttId_Begin), '1', 16},
        {"VFO frequency", op, none, op.Text_Freq_a, text_of(op.Text_Freq_a), '1', 9},
        {"DTMF code", dt, none, dt.Text_tx_Encode[0], text_of(dt.Text_tx_Encode[0]), '1', 16},
        {"2-tone tone box", t2, [&] { t2.TabStrip1.click(2); }, t2.Text_A, text_of(t2.Text_A), '1', 7},
        {"5-tone frame cell", t5,
         [&] {
             t5.TabStrip1.click(2);
             t5.MSF_Encode.click(1, 1);
         },
         t5.Text_Encode, text_of(t5.Text_Encode), '1', 5},
        {"alignment range (blanks)", adj, [&] { adj.TabStrip1.click(5); }, adj.Text_Freq_L[0], text_of(adj.Text_Freq_L[0]), ' '},
    };
    // One paste of n characters into the box of case c.
    auto paste = [&](const Case& c, int n, Figures& f) -> bool {
        bx::App::Open(c.form);
        c.form.Activate();
        settle();
        c.open();
        settle();
        QLineEdit* le = line_edit(rt, c.box);
        if (!le || !le->isVisible() || !le->isEnabled()) {
            std::fprintf(stderr, "bench_paste: %s: the box did not open\n", c.name);
            return false;
        }
        le->setFocus();
        le->selectAll();
        const std::string before = c.held();
        QGuiApplication::clipboard()->setText(QString(n, QChar(c.ch)));
        settle();
        const auto t0 = std::chrono::steady_clock::now();
        const double cpu0 = cpu_ms();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(le, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(le, &release);
        settle();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        f.cpu += (cpu_ms() - cpu0) / kRounds;
        // A paste taking nothing leaves the text as it was.
        const std::string want = c.takes == 0 ? before : std::string(c.takes < 0 ? n : c.takes, c.ch);
        const std::string held = c.held();
        f.whole = f.whole && held == want && le->text().toStdString() == held;
        f.worst = std::max(f.worst, ms);
        f.mean += ms / kRounds;
        // The window closes, storing what leaving the box stores.
        c.form.Unload(true);
        settle();
        return true;
    };
    bool met = true;
    std::printf("pastes over the selected text, %d a box and length: mean and worst time, mean processor time "
                "(ms); ratio of the means\n",
                kRounds);
    std::printf("%-26s %26s %26s %6s\n", "", "4 096 characters", "32 767 characters", "ratio");
    for (const Case& c : cases) {
        if (std::string(c.name).find(only) == std::string::npos) continue;
        Figures shorter, longest;
        for (int i = 0; i < kRounds; ++i)
            if (!paste(c, kShorter, shorter)) return 2;
        for (int i = 0; i < kRounds; ++i)
            if (!paste(c, kLongest, longest)) return 2;
        const double ratio = longest.mean / std::max(shorter.mean, 0.001);
        const bool whole = shorter.whole && longest.whole;
        std::printf("%-26s %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f %6.1f  %s\n", c.name, shorter.mean, shorter.worst,
                    shorter.cpu, longest.mean, longest.worst, longest.cpu, ratio,
                    whole ? "taken as typed" : "NOT taken as typed");
        std::fflush(stdout);
        met = met && longest.mean <= kTargetMs && ratio <= kMostRatio && whole;
    }
    std::printf("target: mean <= %.0f ms for %d characters, at most %.0f times the mean for %d, every paste taken "
                "as typed: %s\n",
                kTargetMs, kLongest, kMostRatio, kShorter, met ? "met" : "NOT met");
    app.End();
    settle();
    return met ? 0 : 1;
}
