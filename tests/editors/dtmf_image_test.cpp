// The DTMF editor shows a replaced image at once: in front during a
// data-file load or a full read, then one edit, every other byte stays as
// loaded or read.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "editors/signalling/frm_dtmf.h"
#include "link/link_support.h"
#include "model/codecs.h"
#include "model/datafile.h"
#include "model/layouts.h"
#include "shell/dialogs.h"
#include "support/tempdir.h"

using namespace linktest;

namespace {

namespace enc = bx::layout::Dtmf_enc_block;
namespace tim = bx::layout::Dtmf_enc_timing_record;

struct DtmfProgram : RadioProgram {
    bx::frm_dtmf& w() { return *app.Editor<bx::EditorId::frm_dtmf>(); }
    bxtest::TempDir dir;
};

}  // namespace

TEST(DtmfImage, ReplacedImageShowsAtOnceThenOneEdit) {
    struct Case {
        const char* name;
        std::function<void(DtmfProgram&, const bx::MemImage&)> replace;
    } cases[] = {
        {"data-file load",
         [](DtmfProgram& p, const bx::MemImage& img) {
             ASSERT_FALSE(bx::Save_data_file(p.dir / "d.dat", img));
             p.main().Toolbar1.click("open");
             auto& d = *p.app.Form_open_chann;
             ASSERT_TRUE(d.Dir1.setPath(p.dir.path()));
             d.Text1.enter("d.dat");
             d.Command_enter.click();
         }},
        {"full read",
         [](DtmfProgram& p, const bx::MemImage& img) {
             for (int r = 0; r < bx::kImageRecords; ++r)
                 for (int b = 0; b < 16; ++b) p.radio.radio.mem[static_cast<size_t>(16 * r + b)] = img(r, b);
             p.main().Prog_read.click();
             p.rd().Command_read.click();
             ASSERT_TRUE(p.run_until_idle(p.rd().Link));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DtmfProgram p;
        p.start_identified();
        p.main().Sig_dtmf.click();
        bx::frm_dtmf& w = p.w();
        ASSERT_TRUE(w.Loaded());
        bx::MemImage other = p.app.Mem_image;
        enc::Send_code.put(other, 2, std::vector<uint8_t>{9, 8, 7});  // code 3: "987"
        tim::On_time.set(other, 5);                                // 100 ms
        w.Text_tx_Encode[4].enter("1234");  // an edit in front of the replacement
        c.replace(p, other);
        // Shown at once, before the window is in front again.
        EXPECT_EQ(w.Text_tx_Encode[2].Text(), "987");
        EXPECT_EQ(w.Text_tx_Encode[4].Text(), bx::Dtmf_field_to_text(enc::Send_code.bytes(other, 4)));
        EXPECT_EQ(w.Combo_Enc_ys1.Text(), "100");
        const bx::MemImage replaced = p.app.Mem_image;
        for (int r = 656; r <= 687; ++r)
            for (int b = 0; b < 16; ++b) ASSERT_EQ(replaced(r, b), other(r, b)) << r << "," << b;
        w.Activate();
        w.Text_tx_Encode[0].type("5");
        w.Text_tx_Encode[1].focus();
        bx::MemImage expect = replaced;
        std::vector<uint8_t> code0 = enc::Send_code.bytes(replaced, 0);
        const size_t n = static_cast<size_t>(std::find(code0.begin(), code0.end(), 0xFF) - code0.begin());
        ASSERT_LT(n, code0.size());
        code0[n] = 5;
        enc::Send_code.put(expect, 0, code0);
        EXPECT_TRUE(p.app.Mem_image == expect);
    }
}
