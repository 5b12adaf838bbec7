// The simulated radio's own memory, read through the program: what every
// editor shows lies inside the identified radio's bands and inside the
// editors' ranges, and no window brings a message for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "chann_support.h"
#include "editors/channels/chann_columns.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_5tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "model/option_offsets.h"
#include "shell/mdimain.h"

namespace {

using editortest::EditorProgram;

double number(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

bool only_of(const std::string& s, const std::string& allowed) {
    return s.find_first_not_of(allowed) == std::string::npos;
}

// One kind of value a window shows: the texts, the rule each filled text
// keeps, and how many texts at least are filled.
struct Shown {
    bx::EditorId window;
    const char* what;
    std::function<std::vector<std::string>(EditorProgram&)> texts;
    std::function<bool(EditorProgram&, const std::string&)> in_range;
    int at_least;
};

std::vector<std::string> column(const ui::Grid& g, int first_row, int last_row, int c) {
    std::vector<std::string> out;
    for (int r = first_row; r <= last_row; ++r) out.push_back(trimmed(g.TextMatrix(r, c)));
    return out;
}

bool in_bands(EditorProgram& p, const std::string& s) {
    const double f = number(s);
    const auto& a = p.app;
    return (f >= a.Limit_A_low && f <= a.Limit_A_high) || (f >= a.Limit_B_low && f <= a.Limit_B_high);
}

const std::string kCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+-";

}  // namespace

TEST(SimulatedRadio, ItsMemoryReadsAsARadioInUse) {
    EditorProgram p(3, radiosim::Memory::InUse);
    p.start_identified();
    EXPECT_EQ(p.app.Limit_B_high, 480);
    p.main().Prog_read.click();
    p.rd().Command_read.click();
    ASSERT_TRUE(p.run_until_idle(p.rd().Link));
    ASSERT_EQ(p.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
    p.rd().Unload();
    p.rt.recorder.clear();

    using bx::EditorId;
    auto ch = [](EditorProgram& q) -> ui::Grid& { return q.ch().MSF_Chann; };
    auto open = [&](EditorId id) {
        bx::App::Open(*p.app.Window(id));
        p.rt.sim.run_pending();
    };
    const std::vector<Shown> table = {
        {EditorId::frm_chann, "channel receive frequencies", [&](EditorProgram& q) { return column(ch(q), 1, 200, bx::kColRxFreq); }, in_bands, 8},
        {EditorId::frm_chann, "channel transmit frequencies", [&](EditorProgram& q) { return column(ch(q), 1, 200, bx::kColTxFreq); }, in_bands, 7},
        {EditorId::frm_chann, "channel tones", [&](EditorProgram& q) {
             auto v = column(ch(q), 1, 200, bx::kColRxTone);
             for (auto& t : column(ch(q), 1, 200, bx::kColTxTone)) v.push_back(t);
             return v;
         },
         [](EditorProgram&, const std::string& s) {
             // Off, a CTCSS tone in hertz or a DCS code D...N / D...I.
             return s == "OFF" || (s[0] == 'D' && s.size() == 5) || (number(s) >= 60.0 && number(s) <= 259.9);
         },
         8},
        {EditorId::frm_chann, "channel names", [&](EditorProgram& q) { return column(ch(q), 1, 200, bx::kColName); },
         [](EditorProgram&, const std::string& s) { return s.size() <= 6 && only_of(s, kCapitals); }, 8},
        {EditorId::frm_FM, "FM preset frequencies", [](EditorProgram& q) { return column(q.fm().MSF_Chann, 1, 16, 1); },
         [](EditorProgram&, const std::string& s) { return number(s) >= 87.0 && number(s) <= 108.0; }, 6},
        {EditorId::frm_FM, "FM preset names", [](EditorProgram& q) { return column(q.fm().MSF_Chann, 1, 16, 2); },
         [](EditorProgram&, const std::string& s) { return s.size() <= 6 && only_of(s, kCapitals); }, 6},
        {EditorId::frm_dtmf, "DTMF send codes", [](EditorProgram& q) {
             std::vector<std::string> v;
             for (auto& box : q.app.Editor<EditorId::frm_dtmf>()->Text_tx_Encode) v.push_back(trimmed(box.Text()));
             return v;
         },
         [](EditorProgram&, const std::string& s) { return s.size() <= 16 && only_of(s, "0123456789ABCD*#"); }, 4},
        {EditorId::frm_2tone, "2-tone encode tones", [](EditorProgram& q) {
             auto& g = q.app.Editor<EditorId::frm_2tone>()->MSF_Encode;
             auto v = column(g, 1, 15, 1);
             for (auto& t : column(g, 1, 15, 2)) v.push_back(t);
             return v;
         },
         [](EditorProgram&, const std::string& s) { return number(s) >= 300 && number(s) <= 3000; }, 16},
        {EditorId::frm_2tone, "2-tone decode tones", [](EditorProgram& q) {
             auto& w = *q.app.Editor<EditorId::frm_2tone>();
             std::vector<std::string> v;
             w.TabStrip1.click(2);
             for (int n = 1; n <= 15; ++n) {
                 w.MSF_Decode.click(n, 0);
                 for (int k = 0; k < 4; ++k) v.push_back(trimmed(w.Tone_box(k).Text()));
             }
             return v;
         },
         [](EditorProgram&, const std::string& s) { return number(s) >= 300 && number(s) <= 3000; }, 16},
        {EditorId::frm_5tone, "5-tone frames", [](EditorProgram& q) {
             auto& g = q.app.Editor<EditorId::frm_5tone>()->MSF_Encode;
             std::vector<std::string> v;
             for (int c = 1; c <= 3; ++c)
                 for (auto& t : column(g, 1, 15, c)) v.push_back(t);
             return v;
         },
         [](EditorProgram&, const std::string& s) { return s.size() == 5 && only_of(s, "0123456789ABCDEF"); }, 8},
    };
    for (const Shown& s : table) {
        SCOPED_TRACE(s.what);
        open(s.window);
        int filled = 0;
        for (const std::string& t : s.texts(p)) {
            if (t.empty() || t == "OFF") continue;
            ++filled;
            EXPECT_TRUE(s.in_range(p, t)) << t;
        }
        EXPECT_GE(filled, s.at_least);
    }
    // The 5-tone codes name a standard; every option setting lies in its list.
    open(EditorId::frm_5tone);
    auto& five = *p.app.Editor<EditorId::frm_5tone>();
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(trimmed(five.MSF_Encode.TextMatrix(n, 1)).empty(), trimmed(five.MSF_Encode.TextMatrix(n, 4)).empty())
            << n;
    for (const bx::OptionSetting& o : bx::Option_offsets) {
        if (o.items > 0) {
            EXPECT_LT(p.app.Mem_image(224 + o.pos / 16, o.pos % 16), o.items) << o.constant;
        }
    }
    // Nothing shown was out of range: no window brought a message.
    open(EditorId::frm_option);
    EXPECT_TRUE(p.texts().empty()) << p.texts().front();
}
