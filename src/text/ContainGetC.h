// The statement source of the input file: cuts the characters of a character source at a
// terminator character. The terminator is consumed and not stored; the text after the last
// terminator is a last statement.
#pragma once

#include <string>

#include "text/GetC.h"
#include "text/GetLine.h"

namespace znGetString::znGetLine {

class csContainGetC : public ifGetLine<std::string> {
 public:
  csContainGetC(znGetC::ifGetC<int>& source, int terminator);
  csContainGetC(const csContainGetC&) = delete;
  csContainGetC& operator=(const csContainGetC&) = delete;

  int GetLine(std::string& s) override;
  void UngetLine() override;
  bool IsEof() const override;
  void Rewind() override;
  int GetLeadingLineN() const override;

 private:
  int ReadStatement(std::string& s);

  znGetC::ifGetC<int>& source_;
  int terminator_;
  int leadingLineN_ = 0;
};

}  // namespace znGetString::znGetLine
