// The three format tables of the report loggers: column widths, and the precision and notation
// of every number format; numbers are written through them so that each fits its column.
#pragma once

#include <array>
#include <string>

namespace znFEM::znTarvex {

class csFormatTables {
 public:
  // Width indices of the columns.
  static constexpr unsigned kWidthID = 0;
  static constexpr unsigned kWidthEnd = 1;
  static constexpr unsigned kWidthNo = 2;
  static constexpr unsigned kWidthCoordinate = 3;
  static constexpr unsigned kWidthSection = 4;
  static constexpr unsigned kWidthInertia = 5;
  static constexpr unsigned kWidthRigid = 6;
  static constexpr unsigned kWidthForce = 7;
  static constexpr unsigned kWidthStiffness = 9;
  static constexpr unsigned kWidthFlag = 10;
  static constexpr unsigned kWidthXYM = 12;

  // Number format indices.
  static constexpr unsigned kFormatSection = 0;     // A, E, Poisson, Kappa
  static constexpr unsigned kFormatInertia = 1;     // I, Kwg
  static constexpr unsigned kFormatRigid = 2;       // Lij, La
  static constexpr unsigned kFormatCoordinate = 3;  // coordinates, stress positions
  static constexpr unsigned kFormatForce = 4;       // loads, displacements, forces
  static constexpr unsigned kFormatAngle = 5;
  static constexpr unsigned kFormatStiffness = 6;  // Kij, AlphaY

  unsigned Width(unsigned widthIndex) const { return widths_.at(widthIndex); }
  unsigned Precision(unsigned formatIndex) const { return precisions_.at(formatIndex); }
  bool IsFixed(unsigned formatIndex) const { return fixed_.at(formatIndex); }

  // The value in the number format, "----" when it is unset.
  std::string Number(double value, unsigned formatIndex) const;
  // The same, made to fit a column of the given width: a value wider than the column is
  // written in scientific notation, with fewer digits if it still does not fit, because the
  // text report cuts a cell at its width and a cut number reads wrong.
  std::string Number(double value, unsigned formatIndex, unsigned width) const;
  // The same text appended to out.
  void AppendNumber(std::string& out, double value, unsigned formatIndex, unsigned width) const;

 private:
  std::array<unsigned, 14> widths_{10, 4, 7, 10, 10, 12, 8, 12, 12, 12, 7, 4, 4, 4};
  std::array<unsigned, 7> precisions_{4, 4, 2, 1, 4, 4, 4};
  std::array<bool, 7> fixed_{true, false, true, true, false, false, false};
};

}  // namespace znFEM::znTarvex
