#include "fem/app/report/FormatTables.h"

#include "print/Format.h"

namespace znFEM::znTarvex {

// Adding +0.0 turns a negative zero (an axial force −0 of an unloaded member) into zero.
std::string csFormatTables::Number(double value, unsigned formatIndex) const {
  return znPrint::FormatNumber(value + 0.0, Precision(formatIndex), IsFixed(formatIndex));
}

// Too wide in its own format, a number takes scientific notation with the most decimals, at
// most those of its format, that fit the width. Each decimal less is one character less (the
// point goes with the last one), unless rounding lengthens the exponent, so the first try is
// the precision that removes the excess.
std::string csFormatTables::Number(double value, unsigned formatIndex, unsigned width) const {
  std::string text = Number(value, formatIndex);
  if (text.size() <= width) return text;
  const unsigned full = Precision(formatIndex);
  text = znPrint::FormatNumber(value, full, false);
  const std::size_t excess = text.size() > width ? text.size() - width : 0;
  unsigned precision = excess > full ? 0 : full - static_cast<unsigned>(excess);
  for (++precision; precision-- > 0;) {
    if (precision != full) text = znPrint::FormatNumber(value, precision, false);
    if (text.size() <= width) return text;
  }
  return text;
}

}  // namespace znFEM::znTarvex
