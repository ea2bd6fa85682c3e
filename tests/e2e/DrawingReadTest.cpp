// The drawings of the example models and of a failed run, read by an independent DXF reader
// (Debian's python3-ezdxf): each file loads, passes the reader's audit, lists the fifteen layers
// in order and shows the panel titles with their Shift_JIS brackets decoded.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>

#include "e2e/RunModel.h"

namespace {

using frame2d::testing::ReadExample;
using frame2d::testing::RunCommand;
using frame2d::testing::RunModel;
using frame2d::testing::ScratchDirectory;

const char* const kAudit = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
problems = ['audit: %s' % e.message for e in doc.audit().errors]
ours = ['Title', 'Frame', 'Rigid', 'WElem', 'Hinge', 'NodeID', 'ElemID', 'WElemID', 'Value',
        'Stress', 'StressLast', 'Rotation', 'RotationLast', 'Stretch', 'StretchLast']
layers = [layer.dxf.name for layer in doc.layers]
if layers[:15] != ours:
    problems.append('layers: %r' % layers)
titles = [t.dxf.text for t in doc.modelspace().query('TEXT[layer=="Title"]')]
if titles != ['\u3010Axial\u3011', '\u3010Shear\u3011', '\u3010Moment\u3011']:
    problems.append('titles: %r' % titles)
print('\n'.join(problems) if problems else 'OK')
)";

TEST(DrawingRead, ExampleAndFailedRunDrawingsPassTheAuditOfADxfReader) {
  ScratchDirectory dir;
  dir.Write("audit.py", kAudit);
  const std::pair<const char*, std::string> models[] = {
      {"portal", ReadExample("portal.txt")},
      {"walled bay", ReadExample("walled_bay.txt")},
      {"failed",
       "&&MainProp;\n&&Node;\nid=N1 x=0 y=0 sptx=1 spty=1 sptm=1;\n"
       "id=N2 x=1000 y=0;\n&&Element;\nid=B1 nodei=N1 nodej=N2 a=1 e=1 i=1;\n&&End;\n"},
  };
  for (const auto& [name, model] : models) {
    RunModel(dir, model);
    const auto [status, output] =
        RunCommand("/usr/bin/python3 '" + dir.Path("audit.py") + "' '" + dir.Path("o.dxf") + "'");
    EXPECT_EQ(status, 0) << name << ": " << output;
    EXPECT_EQ(output, "OK\n") << name;
  }
}

}  // namespace
