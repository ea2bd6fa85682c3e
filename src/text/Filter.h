// A filter: turns one word into a value of type T.
#pragma once

#include <string>

namespace znString::znFilter {

template <class T>
class ifFilter {
 public:
  virtual ~ifFilter() = default;
  virtual T Filter(const std::string& word) const = 0;
};

}  // namespace znString::znFilter
