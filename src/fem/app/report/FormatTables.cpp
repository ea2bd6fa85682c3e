#include "fem/app/report/FormatTables.h"

#include "print/Format.h"

namespace znFEM::znTarvex {

// Adding +0.0 turns a negative zero (an axial force −0 of an unloaded member) into zero.
std::string csFormatTables::Number(double value, unsigned formatIndex) const {
  return znPrint::FormatNumber(value + 0.0, Precision(formatIndex), IsFixed(formatIndex));
}

std::string csFormatTables::Number(double value, unsigned formatIndex, unsigned width) const {
  std::string text;
  AppendNumber(text, value, formatIndex, width);
  return text;
}

// Too wide in its own format, a number takes scientific notation with the most decimals, at
// most those of its format, that fit the width. Each decimal less is one character less (the
// point goes with the last one), unless rounding lengthens the exponent, so the first try is
// the precision that removes the excess.
void csFormatTables::AppendNumber(std::string& out, double value, unsigned formatIndex,
                                  unsigned width) const {
  const std::size_t start = out.size();
  znPrint::AppendNumber(out, value + 0.0, Precision(formatIndex), IsFixed(formatIndex));
  if (out.size() - start <= width) return;
  const unsigned full = Precision(formatIndex);
  const auto retry = [&](unsigned precision) {
    out.resize(start);
    znPrint::AppendNumber(out, value, precision, false);
    return out.size() - start;
  };
  const std::size_t fullLength = retry(full);
  const std::size_t excess = fullLength > width ? fullLength - width : 0;
  unsigned precision = excess > full ? 0 : full - static_cast<unsigned>(excess);
  for (++precision; precision-- > 0;) {
    if ((precision == full ? fullLength : retry(precision)) <= width) return;
  }
}

}  // namespace znFEM::znTarvex
