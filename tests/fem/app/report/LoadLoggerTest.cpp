// The ImposedLoadAndDisp and EdgeLoadFixCase sections: one row per applied record, and per
// direction for the edge loads, whose segment-end forces are picked by direction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem/app/report/EdgeLoadFixCaseLogger.h"
#include "fem/app/report/ImposedLoadAndDispLogger.h"
#include "fem/app/report/RecordingWriter.h"
#include "print/Format.h"

namespace {

using frame2d::testing::csRecordingWriter;
using znFEM::znTarvex::csEdgeLoadFixCaseLogger;
using znFEM::znTarvex::csImposedLoadAndDispLogger;
using namespace znFEM::znTraceYield2DRahmen;

using Row = std::vector<std::string>;

TEST(ImposedLoadAndDispLogger, OneRowPerAppliedRecordInOrder) {
  csImposedLoadAndDispLogger imposed;
  csRecordingWriter empty;
  imposed.Write(empty);
  EXPECT_TRUE(empty.outline.empty());

  imposed.Applied({"N2", 0, {10.0, 0.0, 0.0}, {0.0, 0.0, 0.0}});
  imposed.Applied({"N1", 0, {0.0, 0.0, 0.0}, {0.0, -2.5, 0.0}});
  csRecordingWriter writer;
  imposed.Write(writer);
  EXPECT_EQ(writer.outline, (Row{"1:ImposedLoadAndDisp", "2:DirectInput", "Table"}));
  const auto& table = writer.TableOf("ImposedLoadAndDisp/DirectInput");
  EXPECT_EQ(table.Head, (std::vector<Row>{{"ID", "Load", "", "", "Disp", "", ""},
                                          {"", "X", "Y", "M", "X", "Y", "M"}}));
  ASSERT_EQ(table.Value.size(), 2u);
  EXPECT_EQ(table.Value[1], (Row{"N1", "0.0000e+00", "0.0000e+00", "0.0000e+00", "0.0000e+00",
                                 "-2.5000e+00", "0.0000e+00"}));
}

// Segment forces whose value names its segment end (tens) and direction (units).
SegmentForces NamedForces() {
  SegmentForces forces{};
  for (int end = 0; end < 6; ++end) {
    for (int direction = 0; direction < 3; ++direction)
      forces[3 * end + direction] = 10 * end + direction;
  }
  return forces;
}

Row SegmentCells(int direction) {
  Row cells;
  for (int end = 0; end < 6; ++end)
    cells.push_back(znPrint::FormatNumber(10 * end + direction, 4, false));
  return cells;
}

Row Joined(Row front, const Row& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

TEST(EdgeLoadFixCaseLogger, ThreeTablesWithOneRowPerRecordAndDirection) {
  csEdgeLoadFixCaseLogger edges;
  edges.DirectInput({"B1", 0, NamedForces()});
  edges.ConcentratedLoad(NamedForces(), {"B1", 0, {0.0, -20.0, 0.0}, 2000.0, true});
  edges.DistributedLoad(NamedForces(), {"B2", 0, {0.0, -3.0}, {0.0, -1.0}, 0.0, 4000.0, false});
  csRecordingWriter writer;
  edges.Write(writer);
  EXPECT_EQ(writer.outline, (Row{"1:EdgeLoadFixCase", "2:DirectInput", "Table",
                                 "2:ConcentratedLoad", "Table", "2:DistributedLoad", "Table"}));

  const auto& direct = writer.TableOf("EdgeLoadFixCase/DirectInput");
  EXPECT_EQ(direct.Widths, (std::vector<unsigned>{10, 4, 12, 12, 12, 12, 12, 12}));
  EXPECT_EQ(direct.Head[0],
            (Row{"ID", "XYM", "EdgeLoad-I", "", "EdgeLoad-M", "", "EdgeLoad-J", ""}));
  ASSERT_EQ(direct.Value.size(), 3u);
  for (int d = 0; d < 3; ++d) {
    EXPECT_EQ(direct.Value[d], Joined({"B1", znPrint::DirectionName(d)}, SegmentCells(d)));
  }

  const auto& concentrated = writer.TableOf("EdgeLoadFixCase/ConcentratedLoad");
  EXPECT_EQ(concentrated.Widths, (std::vector<unsigned>{10, 7, 12, 4, 12, 12, 12, 12, 12, 12, 12}));
  EXPECT_EQ(concentrated.Value[1],
            Joined({"B1", znPrint::SupportMark(true), "2.0000e+03", "Y", "-2.0000e+01"},
                   SegmentCells(1)));

  const auto& distributed = writer.TableOf("EdgeLoadFixCase/DistributedLoad");
  EXPECT_EQ(distributed.Head[1],
            (Row{"", "", "I", "J", "", "I", "J", "I", "J", "I", "J", "I", "J"}));
  EXPECT_EQ(distributed.Value[1],
            Joined({"B2", "", "0.0000e+00", "4.0000e+03", "Y", "-3.0000e+00", "-1.0000e+00"},
                   SegmentCells(1)));
  // No moment intensity: the M row has empty load cells.
  EXPECT_EQ(distributed.Value[2][5], "");
  EXPECT_EQ(distributed.Value[2][6], "");
}

TEST(EdgeLoadFixCaseLogger, OnlyTheKindsAppliedAreWritten) {
  csEdgeLoadFixCaseLogger edges;
  csRecordingWriter empty;
  edges.Write(empty);
  EXPECT_TRUE(empty.outline.empty());
  edges.ConcentratedLoad(NamedForces(), {"B1", 0, {0.0, -20.0, 0.0}, 2000.0, false});
  csRecordingWriter writer;
  edges.Write(writer);
  EXPECT_EQ(writer.outline, (Row{"1:EdgeLoadFixCase", "2:ConcentratedLoad", "Table"}));
}

}  // namespace
