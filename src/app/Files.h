// The driver's file set: the input file and the text, CSV, pipe, DXF, SVG and HTML output
// files named on the command line (or, for the input and the DXF file, typed at a prompt).
#pragma once

#include <fstream>
#include <iostream>
#include <string>

namespace frame2d {

class csFiles {
 public:
  csFiles() = default;
  csFiles(const csFiles&) = delete;
  csFiles& operator=(const csFiles&) = delete;
  // The members close in reverse order: HTML, SVG, DXF, pipe, CSV, text, then input.
  ~csFiles() = default;

  // Parses the command line and opens the files; a missing input or DXF file name is asked
  // for on the console. Every failure is thrown as a text string (std::string).
  void Setup(int argc, const char* const* argv, std::istream& console = std::cin,
             std::ostream& prompt = std::cout);

  std::ifstream& InputStream() { return input_; }
  std::ofstream& TextStream() { return text_; }
  std::ofstream& CsvStream() { return csv_; }
  std::ofstream& PipeStream() { return pipe_; }
  std::ofstream& DxfStream() { return dxf_; }
  std::ofstream& SvgStream() { return svg_; }
  std::ofstream& HtmlStream() { return html_; }
  bool IsTextWanted() const { return textWanted_; }
  bool IsCsvWanted() const { return csvWanted_; }
  bool IsPipeWanted() const { return pipeWanted_; }
  bool IsSvgWanted() const { return svgWanted_; }
  bool IsHtmlWanted() const { return htmlWanted_; }
  // The names the output files were opened with; empty for an output not asked for.
  const std::string& TextName() const { return textName_; }
  const std::string& CsvName() const { return csvName_; }
  const std::string& PipeName() const { return pipeName_; }
  const std::string& DxfName() const { return dxfName_; }
  const std::string& SvgName() const { return svgName_; }
  const std::string& HtmlName() const { return htmlName_; }
  const std::string& InputName() const { return inputName_; }

 private:
  std::ifstream input_;
  std::ofstream text_;
  std::ofstream csv_;
  std::ofstream pipe_;
  std::ofstream dxf_;
  std::ofstream svg_;
  std::ofstream html_;
  bool textWanted_ = false;
  bool csvWanted_ = false;
  bool pipeWanted_ = false;
  bool svgWanted_ = false;
  bool htmlWanted_ = false;
  std::string textName_;
  std::string csvName_;
  std::string pipeName_;
  std::string dxfName_;
  std::string svgName_;
  std::string htmlName_;
  std::string inputName_;
};

}  // namespace frame2d
