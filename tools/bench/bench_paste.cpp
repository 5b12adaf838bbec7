// The paste benchmark: the longest text a box takes (32 767 characters)
// pasted with Ctrl+V into boxes without a length limit of their own, in the
// real program on the Qt front end offscreen: a channel's receive
// frequency and name cells, the CTCSS/DCS list's text, an FM cell and the
// 2-tone encode cell. Each paste replaces the box's selected text; it is
// timed from the key to the box showing what its control holds (the
// paint included). Prints the mean and the worst of five pastes a box;
// exits 1 when a box's mean is above 250 ms or a paste is not taken whole.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "chann_redraw.h"
#include "editors/channels/chann_columns.h"
#include "editors/channels/frm_chann.h"
#include "editors/fm/frm_fm.h"
#include "editors/signalling/frm_2tone.h"
#include "qt/host.h"
#include "qt/program.h"
#include "qt/runtime.h"

namespace {

constexpr int kLongest = 32767;
constexpr int kRounds = 5;
constexpr double kTargetMs = 250;

struct Case {
    const char* name;
    ui::Form& form;
    std::function<void()> open;  // opens the box over its cell
    ui::Control& box;
    std::function<std::string()> held;
    char ch;  // the character pasted
};

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

int main() {
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
    bx::frm_2tone& t2 = *app.Editor<bx::EditorId::frm_2tone>();

    const std::vector<Case> cases = {
        {"channel receive frequency", ch, [&] { ch.MSF_Chann.click(10, bx::kColRxFreq); }, ch.Text_Edit,
         [&] { return ch.Text_Edit.Text(); }, '1'},
        {"channel name", ch, [&] { ch.MSF_Chann.click(10, bx::kColName); }, ch.Text_Edit,
         [&] { return ch.Text_Edit.Text(); }, 'A'},
        {"channel CTCSS/DCS list", ch, [&] { ch.MSF_Chann.click(10, bx::kColRxTone); }, ch.Combo_edit,
         [&] { return ch.Combo_edit.Text(); }, '7'},
        {"FM frequency", fm, [&] { fm.MSF_Chann.click(2, 1); }, fm.Text_Edit, [&] { return fm.Text_Edit.Text(); },
         '8'},
        {"2-tone encode", t2, [&] { t2.MSF_Encode.click(2, 1); }, t2.Text_Encode,
         [&] { return t2.Text_Encode.Text(); }, '5'},
    };
    bool met = true;
    std::printf("a paste of %d characters over the selected text, %d pastes a box\n", kLongest, kRounds);
    for (const Case& c : cases) {
        double worst = 0, sum = 0;
        bool whole = true;
        for (int i = 0; i < kRounds; ++i) {
            bx::App::Open(c.form);
            c.form.Activate();
            settle();
            c.open();
            settle();
            QLineEdit* le = line_edit(rt, c.box);
            if (!le || !le->isVisible()) {
                std::fprintf(stderr, "bench_paste: %s: the box did not open\n", c.name);
                return 2;
            }
            le->setFocus();
            le->selectAll();
            QGuiApplication::clipboard()->setText(QString(kLongest, QChar(c.ch)));
            settle();
            const auto t0 = std::chrono::steady_clock::now();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
            QApplication::sendEvent(le, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
            QApplication::sendEvent(le, &release);
            settle();
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
            whole = whole && static_cast<int>(c.held().size()) == kLongest && le->text().size() == kLongest;
            worst = std::max(worst, ms);
            sum += ms;
            // The window closes, storing what leaving the box stores.
            c.form.Unload(true);
            settle();
        }
        std::printf("%-28s mean %8.1f ms  worst %8.1f ms  %s\n", c.name, sum / kRounds, worst,
                    whole ? "taken whole" : "NOT taken whole");
        met = met && sum / kRounds <= kTargetMs && whole;
    }
    std::printf("target: mean <= %.0f ms a box, every paste taken whole: %s\n", kTargetMs, met ? "met" : "NOT met");
    app.End();
    settle();
    return met ? 0 : 1;
}
