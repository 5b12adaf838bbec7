// The link benchmark: a full read and a full write through the real
// program's windows (Qt front end, offscreen) against `radio-sim --pty`
// pacing every byte at 9600 baud. Prints each transfer's wall time, its
// line time (an estimate, which a transfer can come in just under) and
// their ratio; exits 1 when a ratio is above 1.05.
#include <cstdio>

#include "bench/link_run.h"

int main() {
    bx::ensure_qt_application();
    linkrun::Run run;
    if (!run.Start({"--pace", "--password", "135790"})) {
        std::fprintf(stderr, "bench_link: %s\n", run.error.c_str());
        return 2;
    }
    const double read_s = run.Read("135790");
    if (read_s < 0) {
        std::fprintf(stderr, "bench_link: %s\n", run.error.c_str());
        return 2;
    }
    run.Clear_channel_frequencies();
    const double write_s = run.Write("135790");
    if (write_s < 0) {
        std::fprintf(stderr, "bench_link: %s\n", run.error.c_str());
        return 2;
    }
    struct Row {
        const char* what;
        double wall;
        linkrun::LineCount line;
    } rows[] = {{"read ", read_s, linkrun::Read_line()}, {"write", write_s, linkrun::Write_line()}};
    bool ok = true;
    std::printf("transfer  wall (s)  line time (s)  bytes  frames  ratio\n");
    for (const Row& r : rows) {
        const double line_s = r.line.seconds();
        const double ratio = r.wall / line_s;
        ok = ok && ratio <= 1.05;
        std::printf("%s     %8.3f  %13.3f  %5ld  %6ld  %5.3f\n", r.what, r.wall, line_s, r.line.bytes, r.line.frames,
                    ratio);
    }
    std::printf("target: ratio <= 1.05 for both: %s\n", ok ? "met" : "NOT met");
    return ok ? 0 : 1;
}
