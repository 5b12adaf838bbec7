// The soak program: the real program on the Qt front end (offscreen unless
// a Qt platform is chosen) opens and closes every editor window N times,
// each window painted once before it closes, and prints the resident memory
// before and after, and its growth per open and close. Memory that stays
// flat over any number of opens shows as a growth of a few hundred bytes at
// most per open (the allocator's own rounding); a window that leaves
// something behind grows the figure by the kilobytes it leaves.
//
//   soak [N]   N rounds of the eight editors (default 200)
#include <QApplication>
#include <QWidget>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../bench/chann_redraw.h"
#include "appstate/app.h"
#include "appstate/editor_ids.h"
#include "qt/program.h"
#include "qt/runtime.h"

namespace {

// Resident memory of this process, in kB.
long rss_kb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// Heap in use (allocated and not freed), in kB.
long heap_kb() { return static_cast<long>(mallinfo2().uordblks / 1024); }

// Lets the loop run until nothing is due (shown windows paint, deferred
// deletions run).
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// One round: every editor in the program opened and painted, one after
// the other, each coming to the front over the ones before, then every one
// closed again.
int round(bx::App& app) {
    std::vector<ui::Form*> opened;
    for (int id = 0; id < bx::kEditorCount; ++id) {
        ui::Form* f = app.Window(static_cast<bx::EditorId>(id));
        if (!f) continue;
        if (f->Loaded()) bx::App::Unload(*f);
        bx::App::Open(*f);
        settle();
        opened.push_back(f);
    }
    for (ui::Form* f : opened) {
        bx::App::Unload(*f);
        settle();
    }
    return static_cast<int>(opened.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 200;
    if (n <= 0) {
        std::fprintf(stderr, "usage: soak [rounds]\n");
        return 2;
    }
    bench::Use_1280x800_offscreen_screen();
    bx::ensure_qt_application();
    bx::QtRuntime rt;
    for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-soak-com" + std::to_string(port));
    bx::accept_message_boxes(rt, [](const std::string&) {});
    bx::App app(rt);
    rt.set_close_handler([&] { app.End(); });
    bx::start_program(app);
    settle();

    // Warm-up: the first opens fill caches (fonts, styles, pictures) once.
    const int warm = 5;
    for (int i = 0; i < warm; ++i) round(app);
    const long before = rss_kb();
    const long heap_before = heap_kb();
    const int widgets_before = static_cast<int>(QApplication::allWidgets().size());
    int opens = 0;
    for (int i = 0; i < n; ++i) {
        opens += round(app);
        if ((i + 1) % 50 == 0 || i + 1 == n)
            std::printf("round %4d  rss %ld kB  heap in use %ld kB\n", i + 1, rss_kb(), heap_kb());
        std::fflush(stdout);
    }
    const long after = rss_kb();
    const long heap_after = heap_kb();
    const int widgets_after = static_cast<int>(QApplication::allWidgets().size());
    std::printf("%d rounds of the %d editors: %d opens and closes (after %d warm-up rounds)\n", n,
                opens / n, opens, warm);
    std::printf("rss before %ld kB  after %ld kB  growth %ld kB  per open and close %.2f kB\n", before, after,
                after - before, opens ? static_cast<double>(after - before) / opens : 0.0);
    std::printf("heap in use before %ld kB  after %ld kB  per open and close %.2f kB\n", heap_before, heap_after,
                opens ? static_cast<double>(heap_after - heap_before) / opens : 0.0);
    std::printf("widgets before %d  after %d\n", widgets_before, widgets_after);
    app.End();
    return 0;
}
