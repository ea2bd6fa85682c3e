// The drawing settings of the DXF file (block DxfProp of the input): text and mark sizes, panel
// margins and layout, and the scales of the force diagrams.
#pragma once

namespace znFEM::znTarvex {

// The initial values are those used when the input has no DxfProp block.
struct DxfProp {
  double height_str = 150.0;    // text height of identifiers and values
  double rad_hinge = 40.0;      // size of hinge and yield marks
  double margin_ratio_x = 0.5;  // horizontal panel margin / structure width
  double margin_ratio_y = 0.5;  // vertical panel margin / structure height
  int distsep = 10;
  double axial_ratio = 1e-07;   // drawing length per unit axial force
  double shear_ratio = 1e-07;   // drawing length per unit shear force
  double moment_ratio = 1e-07;  // drawing length per unit moment
  double value_ofs = 180.0;     // distance of value texts from the member; not in the input
  double welem_ofs = 500.0;     // offset used when drawing wall elements
  int row_n = 5;                // panels per row
};

}  // namespace znFEM::znTarvex
