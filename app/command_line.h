#pragma once
// The program's command line: the window on a folder, and the commands that
// need no display (--check, --rebuild, --lookup).

namespace app {

// The whole program: parses the arguments, changes into the catalog folder
// and runs the window or the command. Returns the exit status.
int runProgram(int argc, char** argv);

}  // namespace app
