// Every window of the program, opened on screens of several sizes: each
// control the user can see lies inside the client area of its window or of
// the frame it sits in. The front-end test checks the real widgets at
// 1280 x 800; this one covers the larger screens, and the smaller ones for
// the dialogs whose size follows the main window's.
#include <set>
#include <string>
#include <vector>

#include "support/fixture.h"
#include "ui/tabstrip.h"

namespace {

bool seen(const ui::Control& c) {
    for (const ui::Control* k = &c; k; k = k->Container())
        if (!k->Visible()) return false;
    return true;
}

// The controls of a loaded form outside their window's client area or
// their container, as lines for a failure message.
void misplaced(const ui::Form& f, std::set<std::string>& faults) {
    for (const ui::Control* c : f.controls()) {
        if (!seen(*c)) continue;
        const ui::Control* k = c->Container();
        const int w = k ? k->Width() : f.ScaleWidth(), h = k ? k->Height() : f.ScaleHeight();
        if (c->Left() < 0 || c->Top() < 0 || c->Left() + c->Width() > w || c->Top() + c->Height() > h)
            faults.insert(f.name() + "." + c->name() + " (" + std::to_string(c->Left()) + "," +
                          std::to_string(c->Top()) + " " + std::to_string(c->Width()) + "x" +
                          std::to_string(c->Height()) + ") outside " + (k ? k->name() : "the client area") + " " +
                          std::to_string(w) + "x" + std::to_string(h));
    }
}

}  // namespace

TEST(WindowFit, EveryWindowsControlsLieInsideItOnEveryScreen) {
    // Screens in pixels; below 1280 x 800 (the program warns) only the
    // dialogs sized from the main window are held to it.
    const std::set<std::string> follow_main = {"Form_Comm_Read", "Form_Comm_Write", "Form_setup", "Form_type",
                                               "Form_Write_PassWord"};
    struct Screen {
        int w, h;
        bool all;
    };
    for (Screen s : {Screen{800, 600, false}, Screen{1024, 768, false}, Screen{1280, 800, true},
                     Screen{1440, 900, true}, Screen{1600, 1000, true}, Screen{1920, 1080, true},
                     Screen{2560, 1600, true}}) {
        for (bool chinese : {false, true}) {
            bxtest::Program p;
            p.rt.screen_w = s.w * 15;
            p.rt.screen_h = s.h * 15;
            p.start();
            if (chinese) p.main().Language_chn_Click();
            std::set<std::string> faults;
            int checked = 0;
            for (ui::Form* f : std::vector<ui::Form*>(p.app.forms())) {
                if (f->IsMDIForm() || (!s.all && !follow_main.contains(f->name()))) continue;
                bx::App::Reopen(*f);
                p.rt.sim.run_pending();
                if (!f->Loaded()) continue;
                ++checked;
                misplaced(*f, faults);
                for (ui::Control* c : f->controls())
                    if (auto* t = dynamic_cast<ui::TabStrip*>(c); t && seen(*t))
                        for (int i = 1; i <= t->TabCount(); ++i) {
                            t->click(i);
                            misplaced(*f, faults);
                        }
                bx::App::Unload(*f);
            }
            EXPECT_GE(checked, s.all ? 19 : 5) << s.w << "x" << s.h;
            std::string lines;
            for (const std::string& l : faults) lines += "\n  " + l;
            EXPECT_TRUE(faults.empty()) << s.w << "x" << s.h << (chinese ? " Chinese" : " English") << ":" << lines;
        }
    }
}
