#include "app/Files.h"

#include <filesystem>
#include <vector>

#include "app/ArgOptions.h"

namespace frame2d {

namespace {

using znArgOptions::csArgOptions;

const char* const kInput = "inptxt";
const char* const kText = "outtxt";
const char* const kCsv = "outcsv";
const char* const kDxf = "outdxf";
const char* const kPipe = "outpipe";
const char* const kSvg = "outsvg";
const char* const kHtml = "outhtml";
// The input name that stands for the console's input stream.
const char* const kConsoleInput = "-";

void ParseOptions(csArgOptions& options, int argc, const char* const* argv) {
  options.AddOption(kInput, "i", true, false);
  options.AddOption(kText, "o", true, false);
  options.AddOption(kCsv, "c", true, false);
  options.AddOption(kDxf, "d", true, false);
  options.AddOption(kPipe, "p", true, false);
  options.AddOption(kSvg, "s", true, false);
  options.AddOption(kHtml, "w", true, false);
  try {
    options.Parse(argc, argv);
  } catch (const csArgOptions::exUnExpectedOptionHasBeenSet& e) {
    throw "An unexpected option has been set. : " + e.option;
  } catch (const csArgOptions::exRequiredValueHasnotBeenSet& e) {
    throw "The required value hasn't been set. : " + e.option;
  } catch (const csArgOptions::exSpecifiedOptionIsDuplicated& e) {
    throw "The specifeid option is duplicated. : " + e.option;
  }
}

// The option's first value, or one whole line typed at the prompt when it was not given (a
// carriage return ending the line is no part of the name).
std::string NameOrAsk(const csArgOptions& options, const std::string& longName,
                      const std::string& promptText, std::istream& console, std::ostream& prompt) {
  if (options.Count(longName) != 0) return options.Values(longName).front();
  prompt << promptText << " : " << std::flush;
  std::string name;
  std::getline(console, name);
  if (!name.empty() && name.back() == '\r') name.pop_back();
  return name;
}

// A directory is no file to read: on some systems it opens for reading and then reads as an
// empty text, which would be reported as a model without blocks.
void OpenInput(std::ifstream& stream, const std::string& name) {
  std::error_code error;
  if (!std::filesystem::is_directory(name, error)) stream.open(name);
  if (!stream.is_open()) throw FileMessage("The specified file can't been open.", name);
}

// Two spellings of one path name the same file even before it exists ("o.svg", "./o.svg").
bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error) && !error) return true;
  std::error_code errorA;
  std::error_code errorB;
  const auto canonicalA = std::filesystem::weakly_canonical(std::filesystem::absolute(a), errorA);
  const auto canonicalB = std::filesystem::weakly_canonical(std::filesystem::absolute(b), errorB);
  return !errorA && !errorB && canonicalA == canonicalB;
}

// Refuses a file named twice among the seven before any output is opened: opening the second
// name for output would truncate the input before it is read, or one output would overwrite
// another. Empty names are left to fail when they are opened.
void CheckDistinct(const std::vector<std::string>& names) {
  for (std::size_t later = 1; later < names.size(); ++later) {
    if (names[later].empty()) continue;
    for (std::size_t earlier = 0; earlier < later; ++earlier) {
      if (!names[earlier].empty() && SameFile(names[earlier], names[later])) {
        throw FileMessage("The same file is specified twice.", names[later]);
      }
    }
  }
}

}  // namespace

void csFiles::Setup(int argc, const char* const* argv, std::istream& console,
                    std::ostream& prompt) {
  csArgOptions options;
  ParseOptions(options, argc, argv);

  const std::string inputName = NameOrAsk(options, kInput, "InputFileName", console, prompt);
  const bool consoleInput = options.Count(kInput) != 0 && inputName == kConsoleInput;
  // The console gives the input, so it cannot give the DXF file's name as well.
  if (consoleInput && options.Count(kDxf) == 0) {
    throw std::string("The DXF file must be named when the input is the standard input. : ") + kDxf;
  }
  if (consoleInput) {
    input_ = &console;
  } else {
    OpenInput(inputFile_, inputName);
  }
  // The DXF name is settled before any output is opened, so that all seven can be compared.
  const std::string dxfName = NameOrAsk(options, kDxf, "OutputDxfFileName", console, prompt);

  std::vector<std::string> names{consoleInput ? std::string() : inputName};
  for (const char* name : {kText, kCsv, kPipe}) {
    if (options.Count(name) != 0) names.push_back(options.Values(name).front());
  }
  names.push_back(dxfName);
  for (const char* name : {kSvg, kHtml}) {
    if (options.Count(name) != 0) names.push_back(options.Values(name).front());
  }
  CheckDistinct(names);
  inputName_ = inputName;

  const auto open = [&options](const char* longName, csOutputFile& output) {
    if (options.Count(longName) != 0) output.Open(options.Values(longName).front());
  };
  open(kText, text_);
  open(kCsv, csv_);
  open(kPipe, pipe_);
  dxf_.Open(dxfName);
  open(kSvg, svg_);
  open(kHtml, html_);
}

std::string csFiles::Commit() {
  std::string failures;
  for (csOutputFile* output : {&text_, &csv_, &pipe_, &dxf_, &svg_, &html_}) {
    const std::string failure = output->Commit();
    if (!failure.empty()) failures += (failures.empty() ? "" : "\n") + failure;
  }
  return failures;
}

}  // namespace frame2d
