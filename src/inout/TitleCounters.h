// Section numbering shared by the text and CSV writers: one counter per title level.
#pragma once

#include <string>
#include <vector>

namespace znInOutData::znOutputDataWriter {

// Moves the counters to a new title of the given level (1 is the top): deeper levels are
// forgotten, a missing level starts at 0, and the counter of the level is incremented.
// Level 0 is taken as level 1.
void AdvanceTitleCounters(std::vector<unsigned>& counters, unsigned level);

// The counters joined with the separator; with trailing, every counter is followed by it.
std::string JoinTitleCounters(const std::vector<unsigned>& counters, const std::string& separator,
                              bool trailing);

}  // namespace znInOutData::znOutputDataWriter
