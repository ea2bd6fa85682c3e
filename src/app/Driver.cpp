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
  -i, --inptxt FILE    input file (asked for as InputFileName when absent)
  -o, --outtxt FILE    text report
  -c, --outcsv FILE    CSV report
  -p, --outpipe FILE   pipe stream for other programs
  -d, --outdxf FILE    DXF drawing (asked for as OutputDxfFileName when absent)
  -s, --outsvg FILE    SVG drawing, with the deformed shape
  -w, --outhtml FILE   one self-contained HTML page: summary, drawing and report
  -h, --help           print this help and exit
  -V, --version        print the version and exit

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

int ReportText(std::ostream& out, const std::string& text) {
  out << "\n" << text << std::endl;
  return kFailed;
}

// The cause has already been written through the writer chain.
int ReportFailed(std::ostream& out) {
  out << "\nThe analysis has been failed" << std::endl;
  return kFailed;
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
  // Destroyed after the closing line on every path: the writers first, then the files, so
  // the output files are flushed and closed last.
  csFiles files;
  csOutputDataWriterCompositor2 writers;
  try {
    files.Setup(argc, argv, console, out);
    BuildWriterChain(files, writers);
  } catch (const std::string& text) {
    return ReportText(out, text);
  }
  try {
    phaseB(files, writers);
  } catch (const std::string& text) {
    return ReportText(out, text);
  } catch (const znFEM::znTarvex::exFailed&) {
    return ReportFailed(out);
  } catch (const exConductorFailed&) {
    return ReportFailed(out);
  }
  out << "\nThe analysis has been succeeded." << std::endl;
  return kSucceeded;
}

}  // namespace frame2d
