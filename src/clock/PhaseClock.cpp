#include "clock/PhaseClock.h"

#include <array>
#include <ctime>

namespace znClock {

namespace {

// The processor time of the process: on a machine shared with other work it measures the
// run itself, where the wall clock would charge the waits for the processor too.
std::clock_t Now() {
  return std::clock();
}

struct stPhaseClock {
  Phase current = Phase::Other;
  std::clock_t since = Now();
  std::array<std::clock_t, static_cast<int>(Phase::Count)> charged{};

  // Charges the time since the last switch to the current phase and makes phase current.
  void SwitchTo(Phase phase) {
    const std::clock_t now = Now();
    charged[static_cast<int>(current)] += now - since;
    since = now;
    current = phase;
  }
};

stPhaseClock& TheClock() {
  static stPhaseClock clock;
  return clock;
}

}  // namespace

csPhase::csPhase(Phase phase) : previous_(TheClock().current) {
  TheClock().SwitchTo(phase);
}

csPhase::~csPhase() {
  TheClock().SwitchTo(previous_);
}

double PhaseSeconds(Phase phase) {
  stPhaseClock& clock = TheClock();
  clock.SwitchTo(clock.current);
  return static_cast<double>(clock.charged[static_cast<int>(phase)]) / CLOCKS_PER_SEC;
}

const char* PhaseName(Phase phase) {
  static const char* const kNames[] = {"other",  "read", "build", "assemble", "solve",   "forces",
                                       "report", "text", "csv",   "pipe",     "drawing", "dxf"};
  return kNames[static_cast<int>(phase)];
}

}  // namespace znClock
