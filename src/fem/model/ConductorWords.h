// The words of the conductor's failures that have no report of their own: a text naming the
// failure and its data, as "csNodeMgr::exItIsMakingDuplicatedNode (ID : N1)".
#pragma once

#include <exception>
#include <sstream>
#include <string>

namespace znFEM::znTraceYield2DRahmen {

// Builds one text: the failure's name, then "(label : value, ...)" when data is added.
// Reals are written in scientific notation with six digits after the point.
class csFailureWords {
 public:
  explicit csFailureWords(const std::string& name);

  template <class T>
  csFailureWords& operator()(const char* label, const T& value) {
    out_ << (hasData_ ? ", " : " (") << label << " : " << value;
    hasData_ = true;
    return *this;
  }

  std::string Text() const;

 private:
  std::ostringstream out_;
  bool hasData_ = false;
};

// The words for a failure that the conductor's logger has no operation for: a manager's
// duplicate or unknown ID, a matrix or linear-solve failure, a standard exception, or an
// exception of an unknown kind. Returns an empty text only for a text thrown as std::string.
std::string DescribeUnreportedFailure(const std::exception_ptr& failure);

}  // namespace znFEM::znTraceYield2DRahmen
