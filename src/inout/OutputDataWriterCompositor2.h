// The driver's writer chain: a compositor that also creates and owns the text, CSV and pipe
// writers it fans out to.
#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "inout/OutputDataWriterCompositor.h"
#include "inout/OutputDataWriterCsv.h"
#include "inout/OutputDataWriterPipe.h"
#include "inout/OutputDataWriterText.h"

namespace znInOutData::znOutputDataWriter {

class csOutputDataWriterCompositor2 : public csOutputDataWriterCompositor {
 public:
  csOutputDataWriterCompositor2() = default;

  // Each creates the writer on the stream, keeps it, adds it to the fan-out list and returns it.
  csOutputDataWriterText* AddText(std::ostream& stream, unsigned width);
  csOutputDataWriterCsv* AddCsv(std::ostream& stream);
  csOutputDataWriterPipe* AddPipe(std::ostream& stream);

 private:
  std::vector<std::unique_ptr<ifOutputDataWriter>> ownedWriters_;
};

}  // namespace znInOutData::znOutputDataWriter
