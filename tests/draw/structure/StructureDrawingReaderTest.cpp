// The structure drawing of a small frame read by an independent DXF reader (Debian's
// python3-ezdxf): the file must load and pass the reader's audit, list the fifteen layers in
// order and show the titles with their brackets decoded.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#include "draw/structure/FrameRecords.h"
#include "draw/structure/StructureDrawing.h"

namespace {

using namespace drawtest;

const char* const kPython = "/usr/bin/python3";

std::pair<int, std::string> RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return {-1, "cannot start: " + command};
  std::array<char, 512> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) output += buffer.data();
  return {pclose(pipe), output};
}

// Prints what is wrong with the file and exits 1, or prints OK.
const char* const kCheckScript = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
problems = ['audit: %s' % e.message for e in auditor.errors]
ours = ['Title', 'Frame', 'Rigid', 'WElem', 'Hinge', 'NodeID', 'ElemID', 'WElemID', 'Value',
        'Stress', 'StressLast', 'Rotation', 'RotationLast', 'Stretch', 'StretchLast']
layers = [layer.dxf.name for layer in doc.layers]
if layers[:15] != ours:
    problems.append('layers: %r' % layers)
msp = doc.modelspace()
titles = [t.dxf.text for t in msp.query('TEXT[layer=="Title"]')]
if titles != ['\u3010Axial\u3011', '\u3010Shear\u3011', '\u3010Moment\u3011']:
    problems.append('titles: %r' % titles)
if len(msp.query('LINE[layer=="StressLast"]')) == 0:
    problems.append('no diagram lines')
print('\n'.join(problems) if problems else 'OK')
sys.exit(1 if problems else 0)
)";

TEST(StructureDrawingReader, SmallFrameDrawingPassesTheAuditOfADxfReader) {
  const auto [importStatus, importOutput] = RunCommand(std::string(kPython) + " -c 'import ezdxf'");
  ASSERT_EQ(importStatus, 0) << "python3-ezdxf is not available to " << kPython
                             << ", so the drawing cannot be checked by a DXF reader; install it "
                                "with 'apt-get install python3-ezdxf'.\n"
                             << importOutput;
  const std::string dir = ::testing::TempDir();
  const std::string dxfPath = dir + "frame2d_structure_drawing_test.dxf";
  const std::string scriptPath = dir + "frame2d_structure_drawing_test.py";
  {
    std::ofstream(dxfPath, std::ios::binary) << Write(Portal(), {PortalState()});
    std::ofstream(scriptPath) << kCheckScript;
  }
  const auto [status, output] = RunCommand(std::string(kPython) + " " + scriptPath + " " + dxfPath);
  EXPECT_EQ(status, 0) << output;
  EXPECT_EQ(output, "OK\n");
  std::remove(dxfPath.c_str());
  std::remove(scriptPath.c_str());
}

}  // namespace
