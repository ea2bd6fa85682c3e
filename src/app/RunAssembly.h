// Phase B of the driver, the run proper: builds the objects of the run, reads the input, runs
// the analysis and destroys the objects again, which writes the report and the drawing.
#pragma once

#include "app/Files.h"
#include "fem/model/Conductor.h"
#include "inout/OutputDataWriter.h"

namespace frame2d {

// Text strings, znFEM::znTarvex::exFailed and the conductor's failure pass on to the driver's
// phase-B handlers once every object of the run has been destroyed. A failure met while the
// report was written becomes a text of its own (its text, for example "bad case!!!", replaces
// any failure in flight). Whether everything reached the output files is checked when the
// driver puts them in place.
void RunAssembly(csFiles& files, znInOutData::ifOutputDataWriter& writers);

// The failure record of the conductor, caught by the driver's phase-B handler.
using exConductorFailed = znFEM::znTraceYield2DRahmen::csConductor::exFailed;

}  // namespace frame2d
