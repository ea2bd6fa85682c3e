// White-space test of the text layer: the six white-space characters of the C locale (blank,
// tab, line feed, vertical tab, form feed, carriage return), which the program never leaves.
// Every other byte, including those of 0x80 and above (a byte-order mark, non-ASCII
// identifiers), is no white space.
#pragma once

namespace znString {

inline bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// A character as a character source delivers it: a byte value 0..255, or -1 at end of input.
inline bool IsSpace(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace znString
