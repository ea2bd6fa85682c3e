// The character source of the input file: the characters of a stream with C-style block and
// line comments removed; optionally a double quote opens a string in which comment markers are
// ordinary characters.
#pragma once

#include <istream>

#include "text/GetC.h"

namespace znGetString::znGetC {

class csCStyleComment : public ifGetC<int> {
 public:
  csCStyleComment(std::istream& stream, bool quoteAware);
  csCStyleComment(const csCStyleComment&) = delete;
  csCStyleComment& operator=(const csCStyleComment&) = delete;

  int GetC(int& c) override;
  bool IsEof() const override;
  void Rewind() override;
  void SavePosition() override;
  void RestorePosition() override;

 private:
  void CheckState() const;
  int GetInString(int& c);
  int SkipBlockComment(int& c);
  int SkipLineComment(int& c);

  std::istream& stream_;
  bool inString_ = false;
  bool quoteAware_;
  std::istream::pos_type savedPosition_ = 0;
  bool savedInString_ = false;
};

}  // namespace znGetString::znGetC
