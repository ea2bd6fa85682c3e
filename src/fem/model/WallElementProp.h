// The wall element record: its four nodes on two frame edges, the section of its equivalent
// member, the reference points on the edges, the along-edge shares and the edge spring.
#pragma once

#include <iosfwd>
#include <string>
#include <utility>

namespace znFEM::znTraceYield2DRahmen {

class ifNode;

// Pairs are (I, J) over the two edges and (a, b) over the two nodes of one edge.
struct WallElementProp {
  using NodePair = std::pair<ifNode*, ifNode*>;
  using IDPair = std::pair<std::string, std::string>;
  using RealPair = std::pair<double, double>;

  std::string ID;
  std::pair<NodePair, NodePair> Node{{nullptr, nullptr}, {nullptr, nullptr}};  // resolved later
  std::pair<IDPair, IDPair> NodeID;  // nodeia, nodeib; nodeja, nodejb
  double A = 0.0;                    // section of the equivalent member
  double E = 0.0;
  double I = 0.0;
  double Poisson = 0.0;
  double Kappa = 0.0;
  RealPair La{0.0, 0.0};  // distance from node a along the edge to its reference point
  std::pair<RealPair, RealPair> AlphaY{{1.0, 1.0}, {1.0, 1.0}};  // along-edge shares of a, b
  double Kwg = 0.0;  // spring along each edge between its two nodes
  // False where the input left La out: the wall then puts the reference point at the middle
  // of that edge and writes the length it used into La.
  std::pair<bool, bool> IsLaGiven{true, true};
};

// Debugging dump, one labelled field per line.
std::ostream& operator<<(std::ostream& out, const WallElementProp& prop);

}  // namespace znFEM::znTraceYield2DRahmen
