// The identifier rules of the input: the ids of nodes, frame elements and wall elements are at
// most ten characters long, do not end in the endings reserved for spring supports, and are
// not repeated within their block.
#pragma once

#include <iterator>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "fem/app/input/Failed.h"
#include "fem/app/report/ErrorMessage.h"

namespace znFEM::znTarvex {

class csCheckID {
 public:
  static constexpr unsigned kMaxLength = 10;

  // The reporter is used, never owned.
  explicit csCheckID(ifErrorMessage& errorMessage);

  // Reports an id longer than kMaxLength, then one ending in "_sse" or "_ssn", with the block
  // and line of its statement, and throws exFailed.
  void Check(const std::string& id, const std::string& blockName, int lineNum) const;

  // The first record, in list order, whose id an earlier record already has; nullptr when
  // every id differs. idOf returns a reference to the record's id.
  template <class Record, class IDOf>
  static const Record* FindRepeated(const std::vector<Record>& records, IDOf idOf) {
    std::unordered_set<std::string_view> seen;
    seen.reserve(records.size());
    for (const Record& record : records) {
      if (!seen.insert(idOf(record)).second) return &record;
    }
    return nullptr;
  }

  // Appends records to list when no record repeats the id of an earlier one; otherwise reports
  // the first repeated id through reportRepeated and throws exFailed, leaving list as it was.
  template <class Record>
  void AppendUnrepeated(std::vector<Record>&& records, const std::string Record::*id,
                        void (ifErrorMessage::*reportRepeated)(const std::string&),
                        std::vector<Record>& list) const {
    const Record* repeated =
        FindRepeated(records, [id](const Record& r) -> const std::string& { return r.*id; });
    if (repeated != nullptr) {
      (errorMessage_.*reportRepeated)(repeated->*id);
      throw exFailed{};
    }
    list.insert(list.end(), std::make_move_iterator(records.begin()),
                std::make_move_iterator(records.end()));
  }

 private:
  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
