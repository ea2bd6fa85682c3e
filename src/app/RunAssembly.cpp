#include "app/RunAssembly.h"

namespace frame2d {

void RunAssembly(csFiles& /*files*/, znInOutData::ifOutputDataWriter& /*writers*/) {
  // The input is not read and no analysis runs yet: the run ends right after the files and
  // the writer chain have been set up.
}

}  // namespace frame2d
