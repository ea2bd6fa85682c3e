// Finds a number that is not finite ("nan", "-nan", "inf", "infinity", in any case) written
// into an output. A word of the input is excused: a node named "inf" is echoed into the report.
#pragma once

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace frame2d::testing {

namespace non_finite_detail {

inline bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

inline bool IsNonFiniteWord(std::string_view word) {
  std::string lower;
  for (const char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == "nan" || lower == "inf" || lower == "infinity";
}

// Calls visit(begin, length) for every run of letters and digits; stops when it returns true.
template <typename Visit>
bool AnyWord(std::string_view text, Visit visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (!IsWordChar(text[pos])) {
      ++pos;
      continue;
    }
    const std::size_t begin = pos;
    while (pos < text.size() && IsWordChar(text[pos])) ++pos;
    if (visit(begin, pos - begin)) return true;
  }
  return false;
}

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (std::tolower(static_cast<unsigned char>(a[k])) !=
        std::tolower(static_cast<unsigned char>(b[k]))) {
      return false;
    }
  }
  return true;
}

}  // namespace non_finite_detail

// The first non-finite number of output that is no word of input, with up to 40 characters
// before and after it; empty when there is none.
inline std::string FindNonFinite(std::string_view output, std::string_view input) {
  namespace d = non_finite_detail;
  std::string found;
  d::AnyWord(output, [&](std::size_t begin, std::size_t length) {
    const std::string_view word = output.substr(begin, length);
    if (!d::IsNonFiniteWord(word)) return false;
    const bool inInput = d::AnyWord(input, [&](std::size_t b, std::size_t n) {
      return d::SameIgnoringCase(input.substr(b, n), word);
    });
    if (inInput) return false;
    const std::size_t from = begin < 40 ? 0 : begin - 40;
    found = std::string(output.substr(from, begin + length + 40 - from));
    return true;
  });
  return found;
}

}  // namespace frame2d::testing
