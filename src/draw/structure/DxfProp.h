// The drawing settings of the structure drawing (the DxfProp block); the initial values are
// those used when the input has no DxfProp block.
#pragma once

#include <set>
#include <string>

namespace znDraw {

struct DxfProp {
  // The most divisions distsep may ask for: each division adds a line to every diagram stretch
  // under a distributed load, so the drawing grows with it.
  static constexpr int kMaxDistsep = 100;

  double height_str = 150.0;    // text height of identifiers and values
  double rad_hinge = 40.0;      // size of hinge and yield marks
  double margin_ratio_x = 0.5;  // panel margin as a fraction of the structure's width
  double margin_ratio_y = 0.5;  // and of its height
  int distsep = 10;             // divisions of a diagram stretch under a distributed load
  double axial_ratio = 1e-7;    // drawing length per unit axial force
  double shear_ratio = 1e-7;    // per unit shear
  double moment_ratio = 1e-7;   // per unit moment
  double disp_ratio = 0.0;      // drawing length per unit displacement; 0: no Displacement panel
  double value_ofs = 180.0;     // distance of value texts from the diagram; not read from input
  double welem_ofs = 500.0;     // inset of a wall element's outline from its nodes
  int row_n = 5;                // panels per row
  // The keys the DxfProp statement gave; a picture fits the others to the structure.
  std::set<std::string> given;

  bool IsGiven(const std::string& key) const { return given.count(key) != 0; }
};

}  // namespace znDraw
