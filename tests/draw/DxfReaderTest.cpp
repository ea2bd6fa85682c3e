// A written DXF file read back by an independent reader (Debian's python3-ezdxf): the file must
// load, pass the reader's audit without errors and show the layers, texts and entities drawn.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "draw/Dxf.h"

namespace {

const char* const kPython = "/usr/bin/python3";

// Runs a command and returns its standard output and error, with the exit status.
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
layers = [layer.dxf.name for layer in doc.layers]
if layers[:3] != ['Title', 'Frame', 'Hinge']:
    problems.append('layers: %r' % layers)
msp = doc.modelspace()
texts = [t.dxf.text for t in msp.query('TEXT')]
if texts != ['\u3010Axial\u3011', 'N1']:
    problems.append('texts: %r' % texts)
counts = [len(msp.query(kind)) for kind in ('LINE', 'TEXT', 'CIRCLE')]
if counts != [5, 2, 1]:
    problems.append('entity counts: %r' % counts)
circle = msp.query('CIRCLE')[0]
if (circle.dxf.center.x, circle.dxf.center.y, circle.dxf.radius) != (5.0, -5.0, 5.0):
    problems.append('circle: %r %r' % (circle.dxf.center, circle.dxf.radius))
ours = list(msp) + [l for l in doc.layers if l.dxf.name in ('Title', 'Frame', 'Hinge')]
ours += [t for t in doc.linetypes if t.dxf.name in ('DOT', 'DASHED', 'DASHDOT')]
ours += [doc.layers.head, doc.linetypes.head]
highest = max(int(e.dxf.handle, 16) for e in ours)
if int(doc.header['$HANDSEED'], 16) <= highest:
    problems.append('handle seed %s not above %x' % (doc.header['$HANDSEED'], highest))
print('\n'.join(problems) if problems else 'OK')
sys.exit(1 if problems else 0)
)";

void DrawSample(znDraw::ifDraw& draw) {
  draw.AddLayer("Title");
  draw.AddLayer("Frame");
  draw.AddLayer("Hinge");
  draw.SetLineType(0);
  draw.SetLayer("Title");
  draw.SetColor(6);
  draw.SetAlign(6);
  draw.SetTextHeight(150.0);
  draw.Text(
      "\x81\x79"
      "Axial"
      "\x81\x7a");  // the title brackets in Shift_JIS
  draw.SetLayer("Frame");
  draw.SetColor(3);
  draw.LineTo(3000.0, 0.0, 0.0);
  draw.SetLineType(1);
  draw.Rectangle(100.0, 100.0);
  draw.SetLayer("Hinge");
  draw.SetAlign(0);
  draw.MoveTo(0.0, 0.0, 0.0);
  draw.Circle(5.0);
  draw.SetRotation(90.0);
  draw.Text("N1");
}

TEST(DxfReader, WrittenFilePassesTheAuditOfADxfReader) {
  const auto [importStatus, importOutput] = RunCommand(std::string(kPython) + " -c 'import ezdxf'");
  ASSERT_EQ(importStatus, 0) << "python3-ezdxf is not available to " << kPython
                             << ", so the DXF file cannot be checked by a reader; install it "
                                "with 'apt-get install python3-ezdxf'.\n"
                             << importOutput;
  const std::string dir = ::testing::TempDir();
  const std::string dxfPath = dir + "frame2d_dxf_reader_test.dxf";
  const std::string scriptPath = dir + "frame2d_dxf_reader_test.py";
  {
    std::ofstream file(dxfPath, std::ios::binary);
    znDraw::csDxf dxf(file);
    DrawSample(dxf);
    dxf.Write();
    std::ofstream script(scriptPath);
    script << kCheckScript;
  }
  const auto [status, output] = RunCommand(std::string(kPython) + " " + scriptPath + " " + dxfPath);
  EXPECT_EQ(status, 0) << output;
  EXPECT_EQ(output, "OK\n");
  std::remove(dxfPath.c_str());
  std::remove(scriptPath.c_str());
}

}  // namespace
