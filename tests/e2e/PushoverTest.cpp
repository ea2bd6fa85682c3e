// Traced analyses from input text through the whole program, against plastic theory: the
// events, their load ratios and why the analysis ended, as the CSV report gives them.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/Driver.h"
#include "app/RunAssembly.h"
#include "app/ScratchDirectory.h"
#include "e2e/CsvReport.h"

namespace {

using frame2d::testing::csCsvReport;
using frame2d::testing::ScratchDirectory;

struct Outcome {
  int exitCode = -1;
  std::string console;
  csCsvReport csv;

  std::string Pair(const std::string& key) const {
    const auto it = csv.pairs.find(key);
    return it == csv.pairs.end() ? "" : it->second;
  }
  // "ratio element end event", one per event row.
  std::vector<std::string> Events() const {
    std::vector<std::string> events;
    if (!csv.Has("Analyze/Event")) return events;
    const auto& rows = csv.tables.at("Analyze/Event");
    for (std::size_t r = 1; r < rows.size(); ++r) {
      events.push_back(rows[r][2] + " " + rows[r][3] + " " + rows[r][4] + " " + rows[r][5]);
    }
    return events;
  }
  const std::vector<csCsvReport::Row>& Table(const std::string& name) const {
    return csv.tables.at("Analyze/" + name);
  }
};

Outcome Trace(const std::string& model) {
  ScratchDirectory dir;
  dir.Write("in.txt", model);
  const std::vector<std::string> args{"frame2d",         "-i", dir.Path("in.txt"), "-c",
                                      dir.Path("o.csv"), "-d", dir.Path("o.dxf")};
  std::vector<const char*> argv;
  for (const auto& arg : args) argv.push_back(arg.c_str());
  std::istringstream console;
  std::ostringstream out;
  const int code = frame2d::RunDriver(static_cast<int>(argv.size()), argv.data(),
                                      frame2d::RunAssembly, console, out);
  return {code, out.str(), csCsvReport(dir.Read("o.csv"))};
}

// Every member: a = 0.01, e = 2e8, i = 1e-4 (EA = 2e6, EI = 2e4), with the keys given.
std::string Member(const std::string& id, const std::string& i, const std::string& j,
                   const std::string& keys) {
  return "id=" + id + " nodei=" + i + " nodej=" + j + " a=0.01 e=2e8 i=1e-4 " + keys + ";\n";
}

// Fixed-fixed beam, L = 6, split at mid-span M, w = 10 down per unit ratio, Mp = 18: the end
// hinges at w·L²/12 = Mp (ratio 0.6), mid-span at w·L²/16 = Mp (0.8). The second case, when
// given, reverses the load.
std::string FixedBeam(const std::string& mainProp, const std::string& cases,
                      const std::string& secondLoad = "") {
  return "&&MainProp;\n" + mainProp +
         ";\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\nid=M x=3 y=0;\n"
         "id=C x=6 y=0 sptx=1 spty=1 sptm=1;\n&&Element;\n" +
         Member("AM", "A", "M", "my=18") + Member("MC", "M", "C", "my=18") +
         "&&EdgeLoadFixCaseDistributedLoad;\nid=AM iy=-10 jy=-10 posi=0 posj=3;\n"
         "id=MC iy=-10 jy=-10 posi=0 posj=3;\n" +
         secondLoad + "&&LoadCase;\n" + cases + "&&End;\n";
}

// Portal: columns AB, DC (h = 4, fixed feet), beam BM–MC (L = 8), Mp = 16 everywhere, H = 10
// at B and V down at mid-beam. Beam mechanism V·L/4 = 4Mp, sway H·h = 4Mp, combined
// H·h + V·L/2 = 6Mp: V = 2H collapses at 0.8, V = H at 1.2 (combined).
std::string Portal(double h, double v, const std::string& keys, const std::string& cases,
                   double e = 2e8) {
  std::ostringstream model;
  model << "&&MainProp;\nmonitor=B;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\n"
        << "id=B x=0 y=4;\nid=M x=4 y=4;\nid=C x=8 y=4;\nid=D x=8 y=0 sptx=1 spty=1 sptm=1;\n"
        << "&&Element;\n";
  for (const char* m : {"AB A B", "BM B M", "MC M C", "DC D C"}) {
    std::istringstream ids(m);
    std::string id, i, j;
    ids >> id >> i >> j;
    model << "id=" << id << " nodei=" << i << " nodej=" << j << " a=0.01 e=" << e << " i=1e-4 "
          << keys << ";\n";
  }
  model << "&&ImposedLoadAndDisp;\nid=B fx=" << h << ";\nid=M fy=" << -v << ";\n&&LoadCase;\n"
        << cases << "&&End;\n";
  return model.str();
}

// Collinear bars A(0,0)–B–C, A and C fixed, load fx at B: AB from A to B; BC as given.
std::string Bars(double b, const std::string& bc, const std::string& keys, const std::string& loads,
                 const std::string& cases) {
  std::ostringstream model;
  model << "&&MainProp;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\nid=B x=" << b
        << " y=0;\nid=C x=" << b + (b == 1 ? 2 : 4) << " y=0 sptx=1 spty=1 sptm=1;\n&&Element;\n"
        << Member("AB", "A", "B", keys) << Member("BC", bc.substr(0, 1), bc.substr(1), keys)
        << "&&ImposedLoadAndDisp;\n"
        << loads << "&&LoadCase;\n"
        << cases << "&&End;\n";
  return model.str();
}

// Three pinned bars from L, T, R (1 above D, the side ones at 60° to the vertical) to D, whose
// rotation is held: the vertical bar yields at Ny(1 + 2cos³α) = 1.25 Ny, the structure
// collapses at Ny(1 + 2cos α) = 2 Ny.
std::string Truss() {
  std::string model =
      "&&MainProp;\n&&Node;\nid=L x=-1.7320508075688772 y=1 sptx=1 spty=1 sptm=1;\n"
      "id=T x=0 y=1 sptx=1 spty=1 sptm=1;\nid=R x=1.7320508075688772 y=1 sptx=1 spty=1 sptm=1;\n"
      "id=D x=0 y=0 sptm=1;\n&&Element;\n";
  for (const char* bar : {"L", "T", "R"}) {
    model += Member(std::string(bar) + "D", bar, "D", "ki=0 kj=0 nt=10 nc=10");
  }
  return model + "&&ImposedLoadAndDisp;\nid=D fy=-10;\n&&LoadCase;\nratio=3;\n&&End;\n";
}

// "*" as the ratio of an expected event matches any ratio (one that plastic theory does not
// give in closed form).
void ExpectEvents(const std::vector<std::string>& actual, const std::vector<std::string>& expected,
                  const std::string& name) {
  ASSERT_EQ(actual.size(), expected.size()) << name << ::testing::PrintToString(actual);
  for (std::size_t k = 0; k < expected.size(); ++k) {
    if (expected[k][0] == '*') {
      EXPECT_EQ(actual[k].substr(actual[k].find(' ')), expected[k].substr(1)) << name;
    } else {
      EXPECT_EQ(actual[k], expected[k]) << name;
    }
  }
}

const std::string kRatio2 = "ratio=2;\n";
const std::string kReversed =
    "id=AM iy=10 jy=10 posi=0 posj=3 case=1;\nid=MC iy=10 jy=10 posi=0 posj=3 case=1;\n";

// Where two ends meet at a free node with the same plastic moment, the later member's end
// stays elastic (MC at M, DC at C). Reversing the fixed beam's load (second case, after 0.7)
// unloads the end hinges at once, re-forms them at (18 + 18)/(w·L²/12) = 1.2 and the mid-span
// hinge from 13.5 − 1.2·w·L²/24 = −4.5 at 1.2 + (18 − 4.5)/(w·L²/8) = 1.5. Tension
// and compression capacities that differ (nt 10, nc 25; BC drawn from C to B, so its ends
// swap signs): AB takes 2/3 of the load, yields in tension at 1.5; the second case unloads it,
// yields it in compression at (10 + 25)/(2/3·10) = 5.25 and BC, then at −10 + 5.25·10/3 = 7.5,
// in tension at 5.5.
TEST(Pushover, CollapseFollowsPlasticTheory) {
  struct Case {
    const char* name;
    std::string model;
    std::string endCase, endRatio;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"fixed beam",
       FixedBeam("", ""),
       "0",
       "0.8",
       {"0.6 AM I Hinge", "0.6 MC J Hinge", "0.8 AM J Hinge"}},
      {"propped cantilever, P at mid-span: 16Mp/3L = 16, 6Mp/L = 18",
       "&&MainProp;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\nid=M x=3 y=0;\n"
       "id=C x=6 y=0 spty=1;\n&&Element;\n" +
           Member("AM", "A", "M", "my=18") + Member("MC", "M", "C", "my=18") +
           "&&ImposedLoadAndDisp;\nid=M fy=-10;\n&&LoadCase;\n" + kRatio2 + "&&End;\n",
       "0",
       "1.8",
       {"1.6 AM I Hinge", "1.8 AM J Hinge"}},
      {"portal V = 2H",
       Portal(10, 20, "my=16", kRatio2),
       "0",
       "0.8",
       {"* BM J Hinge", "* MC J Hinge", "* DC I Hinge", "0.8 AB I Hinge", "0.8 AB J Hinge"}},
      {"portal V = H",
       Portal(10, 10, "my=16", kRatio2),
       "0",
       "1.2",
       {"* DC I Hinge", "* MC J Hinge", "* BM J Hinge", "1.2 AB I Hinge"}},
      {"bars of stiffness 2:1, Ny 10: 15 then 20",
       Bars(1, "BC", "nt=10 nc=10", "id=B fx=10;\n", "ratio=3;\n"),
       "0",
       "2",
       {"1.5 AB I AxialYield", "1.5 AB J AxialYield", "2 BC I AxialYield", "2 BC J AxialYield"}},
      {"members in line yield together: the later one is held, the tie is a mechanism",
       "&&MainProp;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\nid=M x=2 y=0;\n"
       "id=C x=4 y=0 spty=1 sptm=1;\n&&Element;\n" +
           Member("AM", "A", "M", "nt=10 nc=10") + Member("MC", "M", "C", "nt=10 nc=10") +
           "&&ImposedLoadAndDisp;\nid=C fx=10;\nid=M fy=-1;\n&&LoadCase;\nratio=3;\n&&End;\n",
       "0",
       "1",
       {"1 AM I AxialYield", "1 AM J AxialYield"}},
      // Statically determinate: N(LD) = 13·√2.69/2.3 per unit ratio, yield at 10 over that;
      // the stiff inclined bar left alone holds D in one direction only.
      {"two stiff inclined bars",
       "&&MainProp;\n&&Node;\nid=L x=-1 y=1.3 sptx=1 spty=1 sptm=1;\n"
       "id=R x=1 y=1 sptx=1 spty=1 sptm=1;\nid=D x=0 y=0 sptm=1;\n&&Element;\n"
       "id=LD nodei=L nodej=D a=1 e=2e8 i=1e-4 ki=0 kj=0 nt=10 nc=10;\n"
       "id=RD nodei=R nodej=D a=1 e=2e8 i=1e-4 ki=0 kj=0 nt=30 nc=30;\n"
       "&&ImposedLoadAndDisp;\nid=D fx=3 fy=-10;\n&&LoadCase;\nratio=10;\n&&End;\n",
       "0",
       "1.078719038",
       {"1.078719038 LD I AxialYield", "1.078719038 LD J AxialYield"}},
      {"three-bar truss",
       Truss(),
       "0",
       "2",
       {"1.25 TD I AxialYield", "1.25 TD J AxialYield", "2 LD I AxialYield", "2 LD J AxialYield",
        "2 RD I AxialYield", "2 RD J AxialYield"}},
      {"tension and compression over two cases",
       Bars(2, "CB", "nt=10 nc=25", "id=B fx=10;\nid=B fx=-10 case=1;\n",
            "ratio=2 max_steps=2;\nratio=10 max_steps=4;\n"),
       "1",
       "5.5",
       {"1.5 AB I AxialYield", "1.5 AB J AxialYield", "0 AB I AxialUnload", "0 AB J AxialUnload",
        "5.25 AB I AxialYield", "5.25 AB J AxialYield", "5.5 BC I AxialYield",
        "5.5 BC J AxialYield"}},
      {"hinges unload and re-yield",
       FixedBeam("", "ratio=0.7;\nratio=2;\n", kReversed),
       "1",
       "1.5",
       {"0.6 AM I Hinge", "0.6 MC J Hinge", "0 AM I HingeUnload", "0 MC J HingeUnload",
        "1.2 AM I Hinge", "1.2 MC J Hinge", "1.5 AM J Hinge"}},
  };
  for (const Case& c : cases) {
    const Outcome run = Trace(c.model);
    EXPECT_EQ(run.exitCode, 0) << c.name;
    EXPECT_EQ(run.Pair("Analyze/EndReason"), "Mechanism") << c.name;
    EXPECT_EQ(run.Pair("Analyze/EndCase"), c.endCase) << c.name;
    EXPECT_EQ(run.Pair("Analyze/EndRatio"), c.endRatio) << c.name;
    ExpectEvents(run.Events(), c.events, c.name);
  }
}

// The fixed beam's mid-span deflection: w·L⁴/384EI per unit ratio while fixed (to 0.6), five
// times that while simply supported (0.6 to 0.8): 0.0027 at collapse. The curve starts
// unloaded; the hinge moments are ±Mp.
TEST(Pushover, CurveAndEventForcesOfTheFixedBeam) {
  const Outcome run = Trace(FixedBeam("monitor=M monitor_dir=y", ""));
  const auto& curve = run.Table("Curve");
  ASSERT_EQ(curve.size(), 4u);
  EXPECT_EQ(curve[1], (csCsvReport::Row{"----", "0", "0", "0.0000e+00"}));
  const double unit = 10 * std::pow(6.0, 4) / (384 * 2e4);
  EXPECT_NEAR(std::stod(curve[2][3]), -0.6 * unit, 1e-4 * unit);
  EXPECT_NEAR(std::stod(curve[3][3]), -0.0027, 1e-7);
  for (const auto& row : run.Table("Event")) {
    if (row[0] != "Step") {
      EXPECT_EQ(std::fabs(std::stod(row[6])), 18.0);
    }
  }
  const auto& steps = run.Table("Step");
  EXPECT_EQ(steps[2],
            (csCsvReport::Row{"1", "0", "0.2", "0.8", "2.7000e-03", "M", "9.0000e-04", "AM"}));
}

// Every end the report names is a normal end. A mechanism at the case's ratio outranks the
// ratio, a displacement limit the ratio, an added limit its total.
TEST(Pushover, EveryEndReasonFromTheInput) {
  struct Case {
    std::string model;
    const char* reason;
    const char* element;
  };
  const std::string cantilever =
      "&&MainProp;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\nid=B x=3 y=0;\n&&Element;\n" +
      Member("AB", "A", "B", "qy=5") + "&&ImposedLoadAndDisp;\nid=B fy=-10;\n&&End;\n";
  // Axial load 10 per length along AB, held by A and by BC: both ends of AB yield (Ny 5).
  const std::string axial =
      "&&MainProp;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\nid=B x=2 y=0;\n"
      "id=C x=4 y=0 sptx=1 spty=1 sptm=1;\n&&Element;\n" +
      Member("AB", "A", "B", "nt=5 nc=5") + Member("BC", "B", "C", "") +
      "&&EdgeLoadFixCaseDistributedLoad;\nid=AB ix=10 jx=10 posi=0 posj=2;\n&&End;\n";
  const Case cases[] = {
      {Portal(10, 10, "my=16", ""), "RatioReached", ""},
      {Portal(10, 10, "my=16", "ratio=2 max_steps=2;\n"), "StepLimit", ""},
      {FixedBeam("", "ratio=0.8;\n"), "Mechanism", ""},
      {cantilever, "ShearFailure", "AB"},
      {axial, "AxialFailure", "AB"},
      // After the first step: displacement 1.0125e-3, chord rotation 3.375e-4.
      {FixedBeam("max_disp=0.001", ""), "MaxDisp", ""},
      {FixedBeam("max_rot_angle=1e-4", ""), "MaxRotAngle", ""},
      {FixedBeam("max_add_disp=0.001 max_disp=0.001", ""), "MaxAddDisp", ""},
      {FixedBeam("max_add_rot_angle=1e-4 max_rot_angle=1e-4", ""), "MaxAddRotAngle", ""},
      {FixedBeam("max_disp=0.001", "ratio=0.6;\n"), "MaxDisp", ""},
  };
  for (const Case& c : cases) {
    const Outcome run = Trace(c.model);
    EXPECT_EQ(run.exitCode, 0) << c.reason;
    EXPECT_EQ(run.console, "\nThe analysis has been succeeded.\n") << c.reason;
    EXPECT_EQ(run.Pair("Analyze/EndType"), "Succeed") << c.reason;
    EXPECT_EQ(run.Pair("Analyze/EndReason"), c.reason) << c.model;
    EXPECT_EQ(run.Pair("Analyze/EndElement"), c.element) << c.reason;
  }
}

// The portal with its loads scaled gives the same events at the same load (ratio × scale);
// with its force unit scaled (forces, capacities and E) the same events at the same ratios.
TEST(Pushover, ResultsDoNotDependOnTheUnits) {
  const Outcome base = Trace(Portal(10, 10, "my=16", kRatio2));
  const auto ratios = [](const Outcome& run) {
    std::vector<double> values;
    for (const std::string& event : run.Events()) values.push_back(std::stod(event));
    return values;
  };
  const auto places = [](const Outcome& run) {
    std::vector<std::string> values;
    for (const std::string& event : run.Events()) values.push_back(event.substr(event.find(' ')));
    return values;
  };
  for (const double s : {1e-5, 1e5}) {
    std::ostringstream mp, ratio;
    mp << "my=" << 16 * s;
    ratio << "ratio=" << 2 / s << ";\n";
    const Outcome loads =
        Trace(Portal(10 * s, 10 * s, "my=16", "ratio=" + std::to_string(2 / s) + ";\n"));
    const Outcome unit = Trace(Portal(10 * s, 10 * s, mp.str(), kRatio2, 2e8 * s));
    for (const Outcome* run : {&loads, &unit}) {
      EXPECT_EQ(run->Pair("Analyze/EndReason"), "Mechanism") << s;
      EXPECT_EQ(places(*run), places(base)) << s;
      const double scale = run == &loads ? s : 1.0;
      const std::vector<double> scaled = ratios(*run), expected = ratios(base);
      ASSERT_EQ(scaled.size(), expected.size());
      for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(scaled[k] * scale, expected[k], 1e-9 * expected[k]) << s << " " << k;
      }
    }
  }
}

// Failures stay failures: a model that is a mechanism before any step, and every bad input,
// with its line and key; no step table is written.
TEST(Pushover, FailuresBeforeAnyStepAndBadInput) {
  struct Case {
    std::string model;
    const char* message;
    const char* line;  // empty for failures without a line
    const char* key;
  };
  const std::string pinnedAtM =
      "&&MainProp;\n&&Node;\nid=A x=0 y=0 sptx=1 spty=1 sptm=1;\n"
      "id=M x=3 y=0;\nid=C x=6 y=0 sptx=1 spty=1 sptm=1;\n&&Element;\n";
  const Case cases[] = {
      {pinnedAtM + Member("AM", "A", "M", "kj=0 myi=5") + Member("MC", "M", "C", "ki=0 my=5") +
           "&&ImposedLoadAndDisp;\nid=M fy=-1;\n&&End;\n",
       "TheNodeIsIsolated", "", ""},
      {pinnedAtM + Member("AM", "A", "M", "kj=0 myj=5") + Member("MC", "M", "C", "") + "&&End;\n",
       "PlasticMomentIsSetAtPinnedEnd", "7", "myj"},
      {pinnedAtM + Member("AM", "A", "M", "nt=-1") + Member("MC", "M", "C", "") + "&&End;\n",
       "SpecifiedValueIsNegativeOrZero", "7", "nt"},
      {FixedBeam("", "max_steps=0;\n"), "SpecifiedValueIsNegativeOrZero", "14", "max_steps"},
      {FixedBeam("", "ratio=1;\n", "id=AM iy=1 jy=1 posi=0 posj=3 case=1;\n"),
       "SpecifiedLoadCaseIsnotExist", "13", "case"},
      {Bars(1, "BC", "", "id=B fx=1 case=2;\n", "ratio=1;\nratio=1;\n"),
       "SpecifiedLoadCaseIsnotExist", "10", "case"},
      {FixedBeam("monitor=M monitor_dir=z", ""), "SpecifiedDirectionStrIsWrong", "2",
       "monitor_dir"},
      {FixedBeam("monitor=X", ""), "SpecifiedMonitorNodeIsnotExist", "", ""},
  };
  for (const Case& c : cases) {
    const Outcome run = Trace(c.model);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_EQ(run.console, "\nThe analysis has been failed\n") << c.message;
    EXPECT_TRUE(run.csv.Has(std::string("Error/") + c.message)) << c.model;
    EXPECT_EQ(run.Pair("Error/Line"), c.line) << c.message;
    EXPECT_EQ(run.Pair("Error/Key"), c.key) << c.message;
    EXPECT_FALSE(run.csv.Has("Analyze/Step")) << c.message;
  }
  EXPECT_EQ(Trace(FixedBeam("monitor=X", "")).Pair("Error/Node"), "X");
}

// Each load record names its case in the echo tables of a traced input.
TEST(Pushover, LoadTablesNameTheCase) {
  const Outcome run = Trace(FixedBeam("", "ratio=0.7;\nratio=2;\n", kReversed));
  const auto& rows = run.csv.tables.at("EdgeLoadFixCase/DistributedLoad");
  EXPECT_EQ(rows.at(0).at(1), "Case");
  EXPECT_EQ(rows.at(2).at(1), "0");
  EXPECT_EQ(rows.back().at(1), "1");
}

}  // namespace
