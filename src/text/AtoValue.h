// Conversions of value texts into numbers and truth values. Every refusal is an exception
// carrying the text that failed.
#pragma once

#include <string>

namespace znString::znAtoValue {

struct exFailedInAtoValue {
  std::string Text;
};
struct exSpecifiedStringIsnotNumeric : exFailedInAtoValue {};
struct exSpecifiedStringIsnotInteger : exFailedInAtoValue {};
struct exSpecifiedValueIsNegative : exFailedInAtoValue {};
struct exSpecifiedStringIsnotBool : exFailedInAtoValue {};

// A decimal number with optional sign, fraction and exponent; leading and trailing white
// space allowed. A value beyond the range of double (1e999) is refused as not numeric.
double AtoDouble(const std::string& text);
// A number without fractional part that fits an int ("3", "3.0", "3e2").
int AtoInt(const std::string& text);
// As AtoInt, but a negative number is refused first; the value must fit an unsigned int.
unsigned int AtoUInt(const std::string& text);
// Exactly one of true TRUE True t T 1 false FALSE False f F 0.
bool AtoBool(const std::string& text);

}  // namespace znString::znAtoValue
