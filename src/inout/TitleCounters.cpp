#include "inout/TitleCounters.h"

namespace znInOutData::znOutputDataWriter {

void AdvanceTitleCounters(std::vector<unsigned>& counters, unsigned level) {
  if (level == 0) level = 1;
  counters.resize(level, 0);  // truncates deeper levels or appends new ones at 0
  ++counters[level - 1];
}

std::string JoinTitleCounters(const std::vector<unsigned>& counters, const std::string& separator,
                              bool trailing) {
  std::string joined;
  for (std::size_t i = 0; i < counters.size(); ++i) {
    if (i > 0) joined += separator;
    joined += std::to_string(counters[i]);
  }
  if (trailing && !counters.empty()) joined += separator;
  return joined;
}

}  // namespace znInOutData::znOutputDataWriter
