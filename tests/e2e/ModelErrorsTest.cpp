// Model errors found through the executable: stress positions off their member, and values the
// reader accepts whose derived quantities overflow. Each fails with exit code 1, the failure
// line and an Error section naming the record; no output holds nan or inf.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "e2e/CsvReport.h"
#include "e2e/RunModel.h"

namespace {

using frame2d::testing::csCsvReport;
using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

// A cantilever fixed at N1 (0, 0) with its tip N2 at (x, y), and the blocks after Element.
std::string Cantilever(const std::string& tip, const std::string& member,
                       const std::string& blocks) {
  return "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\nid=N2 " + tip +
         ";\n&&Element;\nid=B1 nodei=N1 nodej=N2 " + member + ";\n" + blocks + "&&End;\n";
}

const std::string kTip = "x=1000 y=0";
const std::string kSection = "a=1e4 e=2e5 i=1e8";
const std::string kTipLoad = "&&ImposedLoadAndDisp;\nid=N2 fy=-10;\n";

std::string Stress(const std::string& statement) {
  return kTipLoad + "&&ElementStress;\n" + statement + ";\n";
}

bool HasNonFinite(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

TEST(ModelErrors, AModelErrorFailsBeforeTheAnalysisNamingItsRecord) {
  struct Case {
    const char* name;
    std::string model;
    std::string error;     // the Error section's message key and fields, as the text report has it
    bool drawable = true;  // the drawing of the geometry holds finite coordinates only
  };
  std::string wall = frame2d::testing::ReadExample("walled_bay.txt");
  wall.replace(wall.find("e=2.1e4 i=2.7e12"), 7, "e=1e308");
  const Case cases[] = {
      {"stress: no such element", Cantilever(kTip, kSection, Stress("id=X9 pos0=0")),
       "SpecifiedElementOfElementStressIsnotExist\nElement : X9\n"},
      {"stress: beyond the length", Cantilever(kTip, kSection, Stress("id=B1 pos0=0 pos1=1000.5")),
       "SpecifiedPositionOfElementStressIsOutOfLength\nElement  : B1\nPosition : 1\n"
       "Value    : 1.000500e+03\nLength   : 1.000000e+03\n"},
      {"stress: negative", Cantilever(kTip, kSection, Stress("id=B1 pos0=-0.5")),
       "SpecifiedPositionOfElementStressIsOutOfLength\nElement  : B1\nPosition : 0\n"
       "Value    : -5.000000e-01\nLength   : 1.000000e+03\n"},
      {"stress: past the end by more than 1e-9 of the length",
       Cantilever(kTip, kSection, Stress("id=B1 pos0=1000.00001")),
       "SpecifiedPositionOfElementStressIsOutOfLength\nElement  : B1\nPosition : 0\n"
       "Value    : 1.000000e+03\nLength   : 1.000000e+03\n"},
      // The length is finite, its cube is not: 12EI/L^3 would be zero.
      {"length: a node at 1e308", Cantilever("x=1e308 y=0", kSection, kTipLoad),
       "LengthOfElementOverflows\nElement : B1\n", false},
      {"stiffness: an area of 1e308", Cantilever(kTip, "a=1e308 e=2e5 i=1e8", kTipLoad),
       "StiffnessOfElementIsNotFinite\nElement : B1\n"},
      {"stiffness: a member 1e-300 long", Cantilever("x=1e-300 y=0", kSection, kTipLoad),
       "StiffnessOfElementIsNotFinite\nElement : B1\n"},
      {"stiffness: a wall of modulus 1e308", wall,
       "StiffnessOfWallElementIsNotFinite\nWallElement : W1\n"},
      {"nodal loads summing past the largest double",
       Cantilever(kTip, kSection, "&&ImposedLoadAndDisp;\nid=N2 fy=-1e308;\nid=N2 fy=-1e308;\n"),
       "ImposedLoadAndDispIsNotFinite\nType              : DirectInput\nArgNumber         : 1\n"
       "Node              : N2\nLoadAndDispNumber : 0\nKey               : fy\n"},
      {"fixed-end forces of a load of 1e308 per length",
       Cantilever(kTip, kSection,
                  "&&EdgeLoadFixCaseDistributedLoad;\nid=B1 iy=-1e308 jy=-1e308 posi=0 posj=0;\n"),
       "EdgeLoadIsNotFinite\nType       : DistributedLoad\nArgNumber  : 0\nElement    : B1\n"
       "LoadNumber : 0\n"},
      // The rigid zone carries the face shear 1e307 to the node as a moment 100 times larger.
      {"equivalent loads through a rigid zone",
       Cantilever(kTip, kSection + " li=100", "&&EdgeLoadFixCaseDirectInput;\nid=B1 miy=1e307;\n"),
       "EquivalentLoadOfElementIsNotFinite\nElement    : B1\nLoadNumber : 0\n"},
      {"a finite load whose forces K*U overflow",
       Cantilever(kTip, kSection, "&&ImposedLoadAndDisp;\nid=N2 fy=-1e308;\n"),
       "ResultIsNotFinite\nNode : N2\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDirectory dir;
    const auto run = RunModel(dir, c.model);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.console, "\nThe analysis has been failed\n");
    EXPECT_NE(run.text.find("\n\n1. Error\n\n1.1. " + c.error), std::string::npos) << run.text;
    const csCsvReport csv(run.csv);
    EXPECT_EQ(csv.pairs.at("Analyze/EndType"), "Failed");
    for (const char* result : {"Node/NodeDisp", "Element/FaceLoad", "ElementStress/Stress"}) {
      EXPECT_FALSE(csv.Has(result)) << result;
    }
    EXPECT_FALSE(HasNonFinite(run.text) || HasNonFinite(run.csv) || HasNonFinite(run.pipe));
    EXPECT_FALSE(c.drawable && HasNonFinite(run.dxf));
  }
}

// Positions typed for the ends of an inclined member, 1000·√2 long, are rounded: within 1e-9
// of the length from an end they are that end. At the free tip the moment is exactly zero.
TEST(ModelErrors, AStressPositionWithinOneBillionthOfTheLengthOfAnEndIsThatEnd) {
  ScratchDirectory dir;
  const auto run = RunModel(
      dir, Cantilever("x=1000 y=1000", kSection, Stress("id=B1 pos0=-1e-7 pos1=1414.2135623731")));
  EXPECT_EQ(run.exitCode, 0);
  const std::string rows = run.text.substr(run.text.find("5.1. Stress"));
  EXPECT_NE(rows.find("B1       0        0.0"), std::string::npos) << rows;
  EXPECT_NE(rows.find("1     1414.2  -7.0711e+00   7.0711e+00   0.0000e+00"), std::string::npos)
      << rows;
}

}  // namespace
