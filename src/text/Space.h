// White-space test of the text layer. Every byte, including those of 0x80 and above (a
// byte-order mark, non-ASCII identifiers), is classified as an unsigned character.
#pragma once

#include <cctype>
#include <climits>

namespace znString {

inline bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A character as a character source delivers it: a byte value 0..255, or -1 at end of input.
inline bool IsSpace(int c) {
  return c >= 0 && c <= UCHAR_MAX && std::isspace(c) != 0;
}

}  // namespace znString
