// Phase B of the driver, the run proper: builds the objects of the run on the driver's files
// and writer chain, reads the input, runs the analysis and destroys the objects again.
#pragma once

#include "app/Files.h"
#include "inout/OutputDataWriter.h"

namespace frame2d {

// Catches nothing: text strings, znFEM::znTarvex::exFailed and the conductor's failure pass
// on to the driver's phase-B handlers once every object of the run has been destroyed.
void RunAssembly(csFiles& files, znInOutData::ifOutputDataWriter& writers);

// The failure record of the conductor, caught by the driver's phase-B handler. While no
// conductor runs in phase B this is a stand-in that nothing throws; with the conductor it is
// znFEM::znTraceYield2DRahmen::csConductor::exFailed.
struct exConductorFailedStandIn {};
using exConductorFailed = exConductorFailedStandIn;

}  // namespace frame2d
