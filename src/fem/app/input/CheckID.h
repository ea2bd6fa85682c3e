// The identifier rules of the input: the ids of nodes, frame elements and wall elements are at
// most ten characters long, do not end in the endings reserved for spring supports, and are
// not repeated within their block.
#pragma once

#include <functional>
#include <string>
#include <string_view>
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

  // The first record of records from first on whose id a record between first and it already
  // has; nullptr when those ids all differ. idOf returns a reference to the record's id.
  // An open-addressed table of record places finds them without an allocation per record.
  template <class Record, class IDOf>
  static const Record* FindRepeated(const std::vector<Record>& records, std::size_t first,
                                    IDOf idOf) {
    constexpr std::size_t kEmpty = static_cast<std::size_t>(-1);
    std::size_t size = 2;
    while (size < 2 * (records.size() - first)) size *= 2;
    std::vector<std::size_t> table(size, kEmpty);
    for (std::size_t r = first; r < records.size(); ++r) {
      const std::string_view id = idOf(records[r]);
      std::size_t slot = std::hash<std::string_view>{}(id) & (size - 1);
      for (; table[slot] != kEmpty; slot = (slot + 1) & (size - 1)) {
        if (std::string_view(idOf(records[table[slot]])) == id) return &records[r];
      }
      table[slot] = r;
    }
    return nullptr;
  }

  // Keeps the records appended to list from first on when none repeats the id of an earlier
  // one of them; otherwise reports the first repeated id through reportRepeated, removes the
  // records appended, leaving list as it was, and throws exFailed.
  template <class Record>
  static void KeepUnrepeated(std::vector<Record>& list, std::size_t first,
                             const std::string Record::*id, ifErrorMessage& errorMessage,
                             void (ifErrorMessage::*reportRepeated)(const std::string&)) {
    const Record* repeated =
        FindRepeated(list, first, [id](const Record& r) -> const std::string& { return r.*id; });
    if (repeated == nullptr) return;
    const std::string repeatedID = repeated->*id;
    list.resize(first);
    (errorMessage.*reportRepeated)(repeatedID);
    throw exFailed{};
  }

 private:
  ifErrorMessage& errorMessage_;
};

}  // namespace znFEM::znTarvex
