#include "print/Format.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace znPrint {

namespace {
const std::string kUnset = "----";
const std::string kBadCase = "bad case!!!";
}  // namespace

// The text of printf's %.pf or %.pe. The local buffer holds every value of a double with up to
// 80 decimals; the integer part of a fixed double has at most 309 digits.
void AppendNumber(std::string& out, double value, unsigned precision, bool fixed) {
  if (std::fabs(value) == std::numeric_limits<double>::max()) {
    out += kUnset;
    return;
  }
  const auto format = fixed ? std::chars_format::fixed : std::chars_format::scientific;
  const int digits = static_cast<int>(precision);
  char local[400];
  const auto written = std::to_chars(local, local + sizeof local, value, format, digits);
  if (written.ec == std::errc()) {
    out.append(local, written.ptr);
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + 330 + std::size_t{precision});
  const auto end =
      std::to_chars(out.data() + start, out.data() + out.size(), value, format, digits);
  out.resize(static_cast<std::size_t>(end.ptr - out.data()));
}

std::string FormatNumber(double value, unsigned precision, bool fixed) {
  std::string text;
  AppendNumber(text, value, precision, fixed);
  return text;
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
