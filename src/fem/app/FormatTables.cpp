#include "fem/app/FormatTables.h"

#include "print/Format.h"

namespace znFEM::znTarvex {

std::string csFormatTables::Number(double value, unsigned formatIndex) const {
  return znPrint::FormatNumber(value, Precision(formatIndex), IsFixed(formatIndex));
}

std::string csFormatTables::Number(double value, unsigned formatIndex, unsigned width) const {
  std::string text = Number(value, formatIndex);
  if (text.size() <= width) return text;
  for (unsigned precision = Precision(formatIndex) + 1; precision-- > 0;) {
    text = znPrint::FormatNumber(value, precision, false);
    if (text.size() <= width) return text;
  }
  return text;
}

}  // namespace znFEM::znTarvex
