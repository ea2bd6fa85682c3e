// The text of a real number in the DXF file: 12 significant digits, the shorter of fixed and
// scientific notation, trailing zeros dropped, as "%.12g" writes it. Twelve digits are enough
// for coordinates in millimetres over a structure of kilometres, and few enough to hide binary
// rounding noise (12.7 + 6.35 is written 19.05).
#pragma once

namespace znDraw {

// Room enough for any value written by WriteReal.
constexpr int kRealTextBytes = 32;

// Writes the text of value at first (kRealTextBytes of room) and returns the end of it.
char* WriteReal(char* first, double value);

}  // namespace znDraw
