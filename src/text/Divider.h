// A divider: cuts a text into words.
#pragma once

#include <vector>

namespace znString::znDivider {

template <class S>
class ifDivider {
 public:
  virtual ~ifDivider() = default;
  // Appends the words of text to output, in order.
  virtual void Divide(const S& text, std::vector<S>& output) const = 0;
};

}  // namespace znString::znDivider
