// The channel editor's activation redraw, timed in the real program on the
// Qt front end offscreen: the grid set back to 201 rows, the 200 channel
// numbers written by making each row current (a LeaveCell each), 200
// Show_chann_row, then the view's paint. The image alternates between the
// factory channels (with names) and an erased channel area outside the
// timing, so every redraw changes the cells.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/channels/frm_chann.h"
#include "model/defaults.h"
#include "model/layouts.h"
#include "qt/program.h"
#include "qt/runtime.h"

namespace bench {

// Offscreen, the screen is 1280 x 800 (unless a platform was chosen): the
// main window and the editor take the sizes they have on such a screen.
inline void Use_1280x800_offscreen_screen() {
    if (std::getenv("QT_QPA_PLATFORM")) return;
    const std::filesystem::path cfg = std::filesystem::temp_directory_path() / "bx_bench_screen.json";
    std::ofstream(cfg) << R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                       << R"( "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})";
    const std::string platform = "offscreen:configfile=" + cfg.string();
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

struct RedrawFigures {
    double mean_ms = 0, worst_ms = 0;
    int width_px = 0, height_px = 0;
    bool ok = false;
};

// paint_count(grid) counts the view's paints of the grid.
inline RedrawFigures Time_chann_redraw(bx::QtRuntime& rt, const std::function<long(const ui::Grid&)>& paint_count,
                                       int redraws, int warm_up) {
    RedrawFigures out;
    for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-bench-com" + std::to_string(port));
    bx::accept_message_boxes(rt, [](const std::string&) {});
    bx::App app(rt);
    rt.set_close_handler([&] { app.End(); });
    bx::start_program(app);
    bx::frm_chann& w = *app.Editor<bx::EditorId::frm_chann>();
    bx::App::Open(w);
    const ui::Grid& g = w.MSF_Chann;
    bx::process_events_until([&] { return paint_count(g) > 0; }, 5);

    auto factory = [&] {
        bx::Load_chann_defaults(app.Mem_image);
        for (int k = 0; k < 200; ++k) {
            const std::string name = "CH" + std::to_string(k);
            for (int j = 0; j < 6; ++j)
                bx::layout::Chann_name_record::Name.ref(app.Mem_image, k, j) =
                    j < static_cast<int>(name.size()) ? static_cast<uint8_t>(name[static_cast<size_t>(j)]) : 0xFF;
        }
    };
    auto erased = [&] {
        for (int k = 0; k < 200; ++k) bx::layout::Chann_record::Rx_freq.ref(app.Mem_image, k, 0) = 0xFF;
    };
    std::vector<double> ms;
    for (int i = 0; i < warm_up + redraws; ++i) {
        if (i % 2 == 0)
            factory();
        else
            erased();
        const long before = paint_count(g);
        const auto t0 = std::chrono::steady_clock::now();
        w.Form_GotFocus();
        if (!bx::process_events_until([&] { return paint_count(g) > before; }, 5)) return out;
        const auto t1 = std::chrono::steady_clock::now();
        if (i >= warm_up) ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    double sum = 0;
    for (double v : ms) sum += v;
    out.mean_ms = sum / static_cast<double>(ms.size());
    out.worst_ms = *std::max_element(ms.begin(), ms.end());
    out.width_px = g.Width() / 15;
    out.height_px = g.Height() / 15;
    out.ok = true;
    app.End();
    return out;
}

}  // namespace bench
