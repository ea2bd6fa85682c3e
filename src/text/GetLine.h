// A statement source: delivers the text of a stream one statement at a time, remembering where
// the last statement began so that it can be read again.
#pragma once

namespace znGetString::znGetLine {

template <class S>
class ifGetLine {
 public:
  struct exBad {};   // the stream below is in its bad state
  struct exFail {};  // the stream below is in its fail state

  virtual ~ifGetLine() = default;
  // Reads the next statement into s; returns the line breaks passed while reading it.
  virtual int GetLine(S& s) = 0;
  // Returns the source to the start of the last statement.
  virtual void UngetLine() = 0;
  virtual bool IsEof() const = 0;
  virtual void Rewind() = 0;
  // Line breaks met before the first non-white character of the last statement.
  virtual int GetLeadingLineN() const = 0;
};

}  // namespace znGetString::znGetLine
