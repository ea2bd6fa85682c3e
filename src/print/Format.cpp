#include "print/Format.h"

#include <cmath>
#include <limits>
#include <sstream>

namespace znPrint {

namespace {
const std::string kUnset = "----";
const std::string kBadCase = "bad case!!!";
}  // namespace

std::string FormatNumber(double value, unsigned precision, bool fixed) {
  if (std::fabs(value) == std::numeric_limits<double>::max()) return kUnset;
  std::ostringstream stream;
  stream.unsetf(std::ios::floatfield);
  stream.setf(fixed ? std::ios::fixed : std::ios::scientific, std::ios::floatfield);
  stream.precision(precision);
  stream << value;
  return stream.str();
}

std::string FormatCount(unsigned count) {
  if (count == std::numeric_limits<unsigned>::max()) return kUnset;
  return std::to_string(count);
}

std::string DirectionName(int code) {
  switch (code) {
    case 0:
      return "X";
    case 1:
      return "Y";
    case 2:
      return "M";
    default:
      return "";
  }
}

std::string EndName(int code) {
  switch (code) {
    case 0:
      return "I";
    case 1:
      return "J";
    case 2:
      return "Undef";
    default:
      throw kBadCase;
  }
}

std::string SideName(int code) {
  switch (code) {
    case 0:
      return "A";
    case 1:
      return "B";
    case 2:
      return "Undef";
    default:
      throw kBadCase;
  }
}

std::string SupportMark(bool flag) {
  // U+25CB WHITE CIRCLE in UTF-8, so every report file stays valid UTF-8.
  return flag ? "\xE2\x97\x8B" : "";
}

std::string ImposedTypeName(int type) {
  return type == 1 ? "DirectInput" : "dummy";
}

std::string EdgeTypeName(int type) {
  switch (type) {
    case 1:
      return "DirectInput";
    case 2:
      return "ConcentratedLoad";
    case 3:
      return "DistributedLoad";
    default:
      return "dummy";
  }
}

}  // namespace znPrint
