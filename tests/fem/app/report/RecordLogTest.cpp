// The record log's index: records are found by ID however many are kept, a repeated ID replaces
// its record in place, and an unknown ID (or any ID while the records are lent) finds nothing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "fem/app/report/RecordLog.h"

namespace {

struct stProp {
  std::string ID;
  int value = 0;
};

TEST(RecordLog, FindsReplacesAndLendsRecordsByID) {
  znFEM::znTarvex::csRecordLog<stProp, int> log;
  log.Reserve(3);  // grows past what was reserved
  for (int k = 0; k < 1000; ++k) log.ResultOf(log.Add({"N" + std::to_string(k), k}).ID) = -k;
  log.Add({"N7", 70});
  EXPECT_EQ(log.Size(), 1000u);
  EXPECT_EQ(log.GetProps()[7].value, 70);
  EXPECT_EQ(log.ResultOf(std::string("N7")), 0);  // the replaced record's result starts anew
  for (int k : {0, 8, 511, 999}) {
    const std::string id = "N" + std::to_string(k);
    EXPECT_EQ(log.PropOf(id).value, k);
    EXPECT_EQ(std::as_const(log).ResultOf(id), -k);
  }
  // Results reported in order, again, backwards and far apart each reach their own record.
  for (int k : {5, 6, 6, 3, 4, 999, 0}) log.ResultOf("N" + std::to_string(k)) = 100 + k;
  for (int k : {5, 6, 3, 4, 999, 0}) {
    EXPECT_EQ(std::as_const(log).ResultOf("N" + std::to_string(k)), 100 + k);
  }
  EXPECT_EQ(std::as_const(log).ResultOf("N2"), -2);
  EXPECT_THROW(log.PropOf("N1000"), std::out_of_range);
  log.ResultOf(std::string("N1000")) = 5;  // goes nowhere
  EXPECT_EQ(log.Size(), 1000u);
  auto props = log.LendProps();
  EXPECT_THROW(log.PropOf("N3"), std::out_of_range);
  log.GiveBackProps(std::move(props));
  EXPECT_EQ(log.PropOf("N3").value, 3);
}

}  // namespace
