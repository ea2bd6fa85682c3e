// The program driver: parses the command line, opens the files, runs the analysis and
// returns the process exit code.
#pragma once

namespace frame2d {

int RunDriver(int argc, char** argv);

}  // namespace frame2d
