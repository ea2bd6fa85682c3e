// Conversions of value texts into numbers and truth values. Every refusal is an exception
// carrying the text that failed.
#pragma once

#include <string>
#include <string_view>

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
double AtoDouble(std::string_view text);
// A number without fractional part that fits an int ("3", "3.0", "3e2").
int AtoInt(std::string_view text);
// As AtoInt, but a negative number is refused first; the value must fit an unsigned int.
unsigned int AtoUInt(std::string_view text);
// Exactly one of true TRUE True t T 1 false FALSE False f F 0.
bool AtoBool(std::string_view text);

}  // namespace znString::znAtoValue
