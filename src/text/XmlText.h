// Text for XML documents (the SVG drawing, the HTML page): character data and attribute values
// made safe to embed, whatever bytes the input file gave.
#pragma once

#include <string>

namespace znString {

// The text as well-formed UTF-8 character data: '&', '<', '>', '"' and '\'' become entity
// references; a byte that does not start or continue a valid UTF-8 sequence, and a control
// character that XML does not allow (below 0x20 other than tab, line feed and carriage
// return), become U+FFFD.
std::string XmlEscaped(const std::string& text);

// A number in the shortest form that keeps the given significant digits, without locale and
// never in hexadecimal: "1500", "2.5e-05", "-0.125".
std::string XmlNumber(double value, int digits = 10);

}  // namespace znString
