#include "inout/InputValue.h"

#include "matrix/Matrix.h"

namespace znInOutData::znInputDataReader {

bool operator==(const InputValue& a, const InputValue& b) {
  return a.Str == b.Str && a.Int == b.Int && znMatrix::IsNearlyEqual(a.Dbl, b.Dbl) &&
         a.Bool == b.Bool;
}

std::ostream& operator<<(std::ostream& out, const InputValue& value) {
  out << "(Str ) : " << value.Str << "\n";
  out << "(Int ) : " << value.Int << "\n";
  out << "(Dbl ) : " << value.Dbl << "\n";
  return out << "(Bool) : " << (value.Bool ? "true" : "false") << "\n";
}

}  // namespace znInOutData::znInputDataReader
