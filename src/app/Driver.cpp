#include "app/Driver.h"

#include <iostream>
#include <string>
#include <string_view>

#include "app/RunAssembly.h"
#include "fem/app/input/Failed.h"
#include "inout/OutputDataWriterCompositor2.h"

namespace frame2d {

namespace {

using znInOutData::znOutputDataWriter::csOutputDataWriterCompositor2;

const int kSucceeded = 0;
const int kFailed = 1;

// Text writer, CSV writer and pipe writer, in this order, each only when its file was named.
void BuildWriterChain(csFiles& files, csOutputDataWriterCompositor2& writers) {
  if (files.IsTextWanted()) {
    writers.AddText(files.TextStream(), 100)
        ->SetHeadRightAlign(true)
        .SetValueRightAlign(true)
        .SetWidth(120);
  }
  if (files.IsCsvWanted()) writers.AddCsv(files.CsvStream());
  if (files.IsPipeWanted()) writers.AddPipe(files.PipeStream());
}

const char* const kUsage = R"(Usage: frame2d [options]

Analyses a plane frame by the stiffness method and writes its report and drawing.

Options (each takes one value, may be given once; the value may follow a short option directly):
  -i, --inptxt FILE    input file (asked for as InputFileName when absent; '-' reads the
                       standard input, and then -d must be given)
  -o, --outtxt FILE    text report
  -c, --outcsv FILE    CSV report
  -p, --outpipe FILE   pipe stream for other programs
  -d, --outdxf FILE    DXF drawing (asked for as OutputDxfFileName when absent)
  -s, --outsvg FILE    SVG drawing, with the deformed shape
  -w, --outhtml FILE   one self-contained HTML page: summary, drawing and report
  -h, --help           print this help and exit
  -V, --version        print the version and exit

An output that is a regular file is written beside it and renamed into place at the end of the
run: it is wholly old or wholly new.

Exit codes:
  0  the analysis has been succeeded; the reports and the drawings are written
  1  a command-line or file error, or an input or model error (its cause is printed or
     written to the reports)

The input format and the reports are described in README.md.
)";

enum class Request { kRun, kHelp, kVersion };

// Help and version are looked for before anything is parsed, prompted for or opened: help
// wins over version, and either over every other argument, right or wrong.
Request FindRequest(int argc, const char* const* argv) {
  Request request = Request::kRun;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") return Request::kHelp;
    if (argument == "-V" || argument == "--version") request = Request::kVersion;
  }
  return request;
}

const char* const kSucceededLine = "The analysis has been succeeded.";
// The cause has already been written through the writer chain.
const char* const kFailedLine = "The analysis has been failed";

// Phase B; returns its closing line and sets the exit code of its end.
std::string RunPhaseB(tPhaseB phaseB, csFiles& files, csOutputDataWriterCompositor2& writers,
                      int& exitCode) {
  exitCode = kFailed;
  try {
    phaseB(files, writers);
  } catch (const std::string& text) {
    return text;
  } catch (const znFEM::znTarvex::exFailed&) {
    return kFailedLine;
  } catch (const exConductorFailed&) {
    return kFailedLine;
  }
  exitCode = kSucceeded;
  return kSucceededLine;
}

void PrintLine(std::ostream& out, const std::string& text) {
  out << "\n" << text << std::endl;
}

}  // namespace

int RunDriver(int argc, char** argv) {
  return RunDriver(argc, argv, RunAssembly, std::cin, std::cout);
}

int RunDriver(int argc, const char* const* argv, tPhaseB phaseB, std::istream& console,
              std::ostream& out) {
  switch (FindRequest(argc, argv)) {
    case Request::kHelp:
      out << kUsage << std::flush;
      return kSucceeded;
    case Request::kVersion:
      out << "frame2d " << FRAME2D_VERSION << std::endl;
      return kSucceeded;
    case Request::kRun:
      break;
  }
  // Destroyed after the closing line on every path: the writers first, then the files. An
  // output opened before a failure of phase A is never put in place.
  csFiles files;
  csOutputDataWriterCompositor2 writers;
  try {
    files.Setup(argc, argv, console, out);
    BuildWriterChain(files, writers);
  } catch (const std::string& text) {
    PrintLine(out, text);
    return kFailed;
  }
  int exitCode = kFailed;
  const std::string closingLine = RunPhaseB(phaseB, files, writers, exitCode);
  // The outputs are put in place after a success and after a reported failure alike, so that
  // a failure report reaches the report files; an output that could not be is named first.
  const std::string unwritten = files.Commit();
  if (!unwritten.empty()) {
    PrintLine(out, unwritten);
    if (exitCode == kSucceeded) return kFailed;
  }
  PrintLine(out, closingLine);
  return exitCode;
}

}  // namespace frame2d
