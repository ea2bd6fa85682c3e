#include "fem/app/report/FormatTables.h"

#include "print/Format.h"

namespace znFEM::znTarvex {

// Adding +0.0 turns a negative zero (an axial force −0 of an unloaded member) into zero.
std::string csFormatTables::Number(double value, unsigned formatIndex) const {
  return znPrint::FormatNumber(value + 0.0, Precision(formatIndex), IsFixed(formatIndex));
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
