#include "clock/PhaseClock.h"

#include <array>

namespace znClock {

namespace {

using Clock = std::chrono::steady_clock;

struct stPhaseClock {
  Phase current = Phase::Other;
  Clock::time_point since = Clock::now();
  std::array<Clock::duration, static_cast<int>(Phase::Count)> charged{};

  // Charges the time since the last switch to the current phase and makes phase current.
  void SwitchTo(Phase phase) {
    const Clock::time_point now = Clock::now();
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
  return std::chrono::duration<double>(clock.charged[static_cast<int>(phase)]).count();
}

const char* PhaseName(Phase phase) {
  static const char* const kNames[] = {"other",  "read", "build", "assemble", "solve",   "forces",
                                       "report", "text", "csv",   "pipe",     "drawing", "dxf"};
  return kNames[static_cast<int>(phase)];
}

}  // namespace znClock
