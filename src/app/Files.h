// The driver's file set: the input file and the text, CSV, pipe, DXF, SVG and HTML output
// files named on the command line (or, for the input and the DXF file, typed at a prompt).
// The input "-" is the console's input stream.
#pragma once

#include <fstream>
#include <iostream>
#include <string>

#include "app/OutputFile.h"

namespace frame2d {

class csFiles {
 public:
  csFiles() = default;
  csFiles(const csFiles&) = delete;
  csFiles& operator=(const csFiles&) = delete;
  // The members close in reverse order: HTML, SVG, DXF, pipe, CSV, text, then input; an
  // output not committed leaves its file as it was.
  ~csFiles() = default;

  // Parses the command line and opens the files; a missing input or DXF file name is asked
  // for on the console. Every failure is thrown as a text string (std::string). The console
  // must outlive the file set when the input is "-".
  void Setup(int argc, const char* const* argv, std::istream& console = std::cin,
             std::ostream& prompt = std::cout);
  // Puts every output in place (see csOutputFile::Commit), in the order of the options.
  // Returns an empty text, or the failures, one per file, each on lines of its own.
  std::string Commit();

  std::istream& InputStream() { return *input_; }
  std::ofstream& TextStream() { return text_.Stream(); }
  std::ofstream& CsvStream() { return csv_.Stream(); }
  std::ofstream& PipeStream() { return pipe_.Stream(); }
  std::ofstream& DxfStream() { return dxf_.Stream(); }
  std::ofstream& SvgStream() { return svg_.Stream(); }
  std::ofstream& HtmlStream() { return html_.Stream(); }
  bool IsTextWanted() const { return !text_.Name().empty(); }
  bool IsCsvWanted() const { return !csv_.Name().empty(); }
  bool IsPipeWanted() const { return !pipe_.Name().empty(); }
  bool IsSvgWanted() const { return !svg_.Name().empty(); }
  bool IsHtmlWanted() const { return !html_.Name().empty(); }
  // The names the output files were opened with; empty for an output not asked for.
  const std::string& TextName() const { return text_.Name(); }
  const std::string& CsvName() const { return csv_.Name(); }
  const std::string& PipeName() const { return pipe_.Name(); }
  const std::string& DxfName() const { return dxf_.Name(); }
  const std::string& SvgName() const { return svg_.Name(); }
  const std::string& HtmlName() const { return html_.Name(); }
  const std::string& InputName() const { return inputName_; }

 private:
  std::ifstream inputFile_;
  std::istream* input_ = &inputFile_;
  csOutputFile text_;
  csOutputFile csv_;
  csOutputFile pipe_;
  csOutputFile dxf_;
  csOutputFile svg_;
  csOutputFile html_;
  std::string inputName_;
};

}  // namespace frame2d
