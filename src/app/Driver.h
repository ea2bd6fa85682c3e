// The program driver: parses the command line, opens the files, builds the writer chain, runs
// the analysis, prints the closing line and returns the process exit code.
#pragma once

#include <iosfwd>

#include "app/Files.h"
#include "inout/OutputDataWriter.h"

namespace frame2d {

// The process entry: phase B is the run assembly; the console is standard input and output.
int RunDriver(int argc, char** argv);

// Phase B of a run, given the driver's file set and writer chain.
using tPhaseB = void (*)(csFiles& files, znInOutData::ifOutputDataWriter& writers);

// The whole run with its phase B and its console given, so that every handler of the driver
// can be exercised.
int RunDriver(int argc, const char* const* argv, tPhaseB phaseB, std::istream& console,
              std::ostream& out);

}  // namespace frame2d
