// The program. Its start-up is the main window's load (shell/mdimain.cpp);
// the Qt front end only renders the windows and supplies the platform.
#include "qt/program.h"

int main(int argc, char** argv) { return bx::run_program(argc, argv); }
