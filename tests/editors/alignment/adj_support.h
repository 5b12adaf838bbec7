// The alignment editor on the simulated platform, with the simulated radio
// on COM3, opened by the main window's alignment command.
#pragma once

#include <string>
#include <vector>

#include "appstate/app.h"
#include "editors/alignment/frm_adj_txp.h"
#include "link/link_support.h"
#include "shell/mdimain.h"

namespace adjtest {

struct Adj : linktest::RadioProgram {
    bx::frm_Adj_Txp& w() { return *app.Editor<bx::EditorId::frm_Adj_Txp>(); }
    // Starts the program (the radio identified) and opens the editor.
    void begin() {
        start_identified();
        main().frm_adj_Click();
        rt.recorder.clear();
    }
    // Clicks tab i (1..5).
    void tab(int i) { w().TabStrip1.click(i); }
    // A port on which nothing answers: the window's exchange stays busy
    // until its first time-out.
    void quiet_port() {
        rt.ports.add_quiet_port(9);
        app.Comm_port = 9;
    }
    std::vector<int> cells(int c, int first, int count) const {
        std::vector<int> v;
        for (int r = first; r < first + count; ++r) v.push_back(app.Adj_table(c, r));
        return v;
    }
    // Every cell holds a byte.
    bool all_bytes() const {
        for (int c = 0; c < bx::kAdjRecords; ++c)
            for (int r = 0; r < bx::kAdjCells; ++r)
                if (app.Adj_table(c, r) < 0 || app.Adj_table(c, r) > 255) return false;
        return true;
    }
    template <class Array>
    static std::vector<std::string> texts_of(Array& boxes, size_t n) {
        std::vector<std::string> v;
        for (size_t i = 0; i < n; ++i) v.push_back(boxes[i].Text());
        return v;
    }
    template <class Array>
    static std::vector<std::string> captions_of(Array& labels, size_t n) {
        std::vector<std::string> v;
        for (size_t i = 0; i < n; ++i) v.push_back(labels[i].Caption());
        return v;
    }
};

inline std::vector<std::string> numbers(std::vector<int> v) {
    std::vector<std::string> out;
    for (int x : v) out.push_back(std::to_string(x));
    return out;
}

}  // namespace adjtest
