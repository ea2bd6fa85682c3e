// A character source: delivers the characters of a stream one by one together with the number
// of line breaks passed while producing each of them.
#pragma once

namespace znGetString::znGetC {

template <class C>
class ifGetC {
 public:
  struct exBad {};   // the stream's bad state is set
  struct exFail {};  // the stream's fail state is set

  virtual ~ifGetC() = default;
  // Delivers the next character in c (-1 at end of input); returns the line breaks passed.
  virtual int GetC(C& c) = 0;
  virtual bool IsEof() const = 0;
  virtual void Rewind() = 0;
  virtual void SavePosition() = 0;
  virtual void RestorePosition() = 0;
};

}  // namespace znGetString::znGetC
