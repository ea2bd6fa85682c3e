// Conversions of values, codes and flags into the strings the report writers are given.
#pragma once

#include <string>

namespace znPrint {

// "----" for the unset sentinel (largest finite magnitude); else p digits after the point,
// fixed or scientific.
std::string FormatNumber(double value, unsigned precision, bool fixed);
// The same text appended to out.
void AppendNumber(std::string& out, double value, unsigned precision, bool fixed);
// "----" for the unset sentinel (all bits set); else the count in decimal.
std::string FormatCount(unsigned count);
// "X", "Y", "M" for 0, 1, 2; empty for any other code.
std::string DirectionName(int code);
// "I", "J", "Undef" for 0, 1, 2; any other code throws the text "bad case!!!".
std::string EndName(int code);
// "A", "B", "Undef" for 0, 1, 2; any other code throws the text "bad case!!!".
std::string SideName(int code);
// The white circle (UTF-8, three bytes) when the flag is set; empty otherwise.
std::string SupportMark(bool flag);
// "DirectInput" for 1, "dummy" otherwise.
std::string ImposedTypeName(int type);
// "DirectInput", "ConcentratedLoad", "DistributedLoad" for 1, 2, 3; "dummy" otherwise.
std::string EdgeTypeName(int type);

}  // namespace znPrint
