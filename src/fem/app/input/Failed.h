// The failure of the application layer: an input error has already been reported in words
// through the error-message reporter; this empty record carries the failure to the driver.
#pragma once

namespace znFEM::znTarvex {

struct exFailed {};

}  // namespace znFEM::znTarvex
