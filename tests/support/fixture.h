// A fresh program on the simulated platform for each test.
#pragma once

#include <gtest/gtest.h>

#include "appstate/app.h"
#include "shell/mdimain.h"
#include "ui/sim.h"

namespace bxtest {

struct Program {
    ui::SimRuntime rt;
    bx::App app{rt};
    bx::MDImain& main() { return *app.MDImain; }
    // Starts the program and lets the events due at start-up run.
    void start() {
        app.Start();
        rt.sim.run_pending();
    }
};

class ProgramTest : public ::testing::Test {
protected:
    Program prog;
    ui::SimRuntime& rt = prog.rt;
    bx::App& app = prog.app;
    bx::MDImain& main() { return prog.main(); }
};

}  // namespace bxtest
