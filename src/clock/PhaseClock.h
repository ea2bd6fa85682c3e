// The time a run spends in each of its phases, for the benchmarks: a phase is charged while a
// csPhase of it is alive and no later csPhase is, so nested phases are counted once.
#pragma once

namespace znClock {

enum class Phase : int {
  Other,
  Read,
  Build,
  Assemble,
  Solve,
  MemberForces,
  Report,
  Text,
  Csv,
  Pipe,
  Drawing,
  Dxf,
  Count,
};

// Charges the time from construction to destruction to its phase, and returns to the phase
// before it afterwards. Scopes nest; they must not overlap otherwise.
class csPhase {
 public:
  explicit csPhase(Phase phase);
  ~csPhase();
  csPhase(const csPhase&) = delete;
  csPhase& operator=(const csPhase&) = delete;

 private:
  Phase previous_;
};

// Seconds of processor time charged to the phase since the program started.
double PhaseSeconds(Phase phase);
const char* PhaseName(Phase phase);

}  // namespace znClock
