#include "app/Driver.h"

#include <iostream>
#include <string>

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
