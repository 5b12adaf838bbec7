// The grid benchmark: a 202 x 16 grid with the channel editor's English
// column format in a window of the channel editor's size (a 1280 x 800 main
// window divided by 1.06 and 1.26), drawn by the real Qt front end
// offscreen. One full redraw rewrites rows 1-200 x 16 cells through
// TextMatrix, factory channel texts and empty texts in turn so that every
// cell changes, then lets the view paint. Prints the mean and the worst
// time of a redraw; exits 1 when the mean is above 2 ms.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "model/code_tables.h"
#include "model/codecs.h"
#include "model/defaults.h"
#include "model/freq_codec.h"
#include "chann_redraw.h"
#include "qt/grid_view.h"
#include "qt/program.h"
#include "qt/runtime.h"
#include "ui/all.h"

namespace {

constexpr int kRedraws = 300;
constexpr int kWarmUp = 10;
constexpr double kTargetMeanMs = 2.0;
constexpr int kMainW = 1280 * 15, kMainH = 800 * 15;

const char* const kEnglishFormat =
    "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N |^PTT-ID|"
    "^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name";

using RowTexts = std::array<std::string, 16>;

// The texts of the factory channels, as the channel editor shows a used
// channel: band, frequencies, tones and the settings' names.
std::vector<RowTexts> factory_rows() {
    bx::MemImage img;
    bx::Load_chann_defaults(img);
    bx::ToneNameTable tones;
    bx::RadioIdent ident;
    bx::Load_code_tables(tones, ident);
    std::vector<RowTexts> rows;
    for (int k = 0; k < 200; ++k) {
        const auto rec = [&](int b) { return img(k, b); };
        if (rec(0) == 0xFF) continue;
        RowTexts t;
        t[1] = "VHF/UHF ";
        t[2] = bx::Freq_bcd_to_text(rec(0), rec(1), rec(2), rec(3));
        t[3] = rec(4) == 0xFF ? "" : bx::Freq_bcd_to_text(rec(4), rec(5), rec(6), rec(7));
        t[4] = bx::Tone_code_to_text(rec(8), rec(9), tones);
        t[5] = bx::Tone_code_to_text(rec(10), rec(11), tones);
        t[6] = (rec(14) & 7) == 1 ? "LOW" : "HIGH";
        t[7] = std::string((rec(15) & 0x40) ? "N" : "W");
        t[8] = "OFF";
        t[9] = (rec(15) & 8) ? "ON" : "OFF";
        t[10] = (rec(15) & 4) ? "ON" : "OFF";
        t[11] = std::to_string((rec(12) & 15) + 1);
        t[12] = "OFF";
        t[13] = "QT";
        t[14] = "OFF";
        t[15] = "CH" + std::to_string(k);
        rows.push_back(t);
    }
    return rows;
}

class Editor : public ui::Form {
public:
    explicit Editor(ui::Runtime& rt) : ui::Form(rt, "bench_grid") { set_mdi_child(false); }
    ui::Grid MSF_Chann{*this, "MSF_Chann"};

protected:
    void Build() override {
        setCaption("Channel Information");
        Move(0, 0, static_cast<int>(kMainW / 1.06), static_cast<int>(kMainH / 1.26));
        MSF_Chann.Move(120, 120, static_cast<int>(ScaleWidth() / 1.02), ScaleHeight() - 1200);
        MSF_Chann.setRows(202);
        MSF_Chann.setFixedCols(0);
        MSF_Chann.setFormatString(kEnglishFormat);
    }
};

}  // namespace

int main() {
    bench::Use_1280x800_offscreen_screen();
    bx::ensure_qt_application();
    bx::QtRuntime rt;
    Editor ed(rt);
    ed.Load();
    ui::Grid& g = ed.MSF_Chann;
    bx::process_events_until([&] { return bx::grid_paint_count(rt, g) > 0; }, 5);
    const std::vector<RowTexts> factory = factory_rows();
    if (factory.empty()) {
        std::fprintf(stderr, "bench_grid: no factory channels\n");
        return 2;
    }

    std::vector<double> ms;
    long paints = 0;
    double write_ms = 0;
    for (int i = 0; i < kWarmUp + kRedraws; ++i) {
        const bool fill = i % 2 == 0;
        const long before = bx::grid_paint_count(rt, g);
        const auto t0 = std::chrono::steady_clock::now();
        for (int r = 1; r <= 200; ++r) {
            const RowTexts& t = factory[static_cast<size_t>(r - 1) % factory.size()];
            for (int c = 0; c < 16; ++c)
                g.setTextMatrix(r, c, !fill ? std::string() : c == 0 ? std::to_string(r - 1) : t[static_cast<size_t>(c)]);
        }
        const auto tw = std::chrono::steady_clock::now();
        if (!bx::process_events_until([&] { return bx::grid_paint_count(rt, g) > before; }, 5)) {
            std::fprintf(stderr, "bench_grid: the view did not paint\n");
            return 2;
        }
        const auto t1 = std::chrono::steady_clock::now();
        if (i >= kWarmUp) {
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            write_ms += std::chrono::duration<double, std::milli>(tw - t0).count();
            paints += bx::grid_paint_count(rt, g) - before;
        }
    }
    double sum = 0;
    for (double v : ms) sum += v;
    const double mean = sum / static_cast<double>(ms.size());
    const double worst = *std::max_element(ms.begin(), ms.end());
    std::printf("grid 202 x 16, %d full redraws (3200 cells each), view %d x %d px\n", kRedraws, g.Width() / 15,
                g.Height() / 15);
    std::printf("mean %.3f ms (cell writes %.3f ms)  worst %.3f ms  paints per redraw %.2f\n", mean,
                write_ms / kRedraws, worst, static_cast<double>(paints) / static_cast<double>(kRedraws));
    std::printf("target: mean <= %.1f ms: %s\n", kTargetMeanMs, mean <= kTargetMeanMs ? "met" : "NOT met");
    ed.Unload(true);

    // The channel editor's own activation redraw in the real program.
    const bench::RedrawFigures ch = bench::Time_chann_redraw(
        rt, [&](const ui::Grid& grid) { return bx::grid_paint_count(rt, grid); }, kRedraws, kWarmUp);
    if (!ch.ok) {
        std::fprintf(stderr, "bench_grid: the channel editor's view did not paint\n");
        return 2;
    }
    std::printf("frm_chann activation redraw (201 rows, numbers, 200 Show_chann_row), %d redraws, view %d x %d px\n",
                kRedraws, ch.width_px, ch.height_px);
    std::printf("mean %.3f ms  worst %.3f ms\n", ch.mean_ms, ch.worst_ms);
    std::printf("target: mean <= %.1f ms: %s\n", kTargetMeanMs, ch.mean_ms <= kTargetMeanMs ? "met" : "NOT met");
    return mean <= kTargetMeanMs && ch.mean_ms <= kTargetMeanMs ? 0 : 1;
}
