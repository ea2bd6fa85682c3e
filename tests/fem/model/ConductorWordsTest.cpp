#include <gtest/gtest.h>

#include <exception>
#include <stdexcept>
#include <string>

#include "fem/makers/SimulEquation.h"
#include "fem/model/ConductorWords.h"
#include "fem/model/NodeMgr.h"
#include "matrix/BandMatrix.h"
#include "matrix/SymmetryMatrix.h"

namespace {

using namespace znFEM::znTraceYield2DRahmen;

struct WordsCase {
  std::exception_ptr failure;
  std::string words;
};

// Each matrix failure by its own name, a field where it has one, the family's base only when
// nothing closer is known; a text is left to pass through.
TEST(ConductorWordsTest, NamesEachFailureWithItsData) {
  struct Unknown {};
  const WordsCase cases[] = {
      {std::make_exception_ptr(csNodeMgr::exItIsMakingDuplicatedNode{"N1"}),
       "csNodeMgr::exItIsMakingDuplicatedNode (ID : N1)"},
      {std::make_exception_ptr(znMatrix::csBandMatrix::exZeroPivot{}),
       "znMatrix::ifMatrix::exZeroPivot"},
      {std::make_exception_ptr(znMatrix::csBandMatrix::exTwoRowsAreSameVector{}),
       "znMatrix::csBandMatrix::exTwoRowsAreSameVector"},
      {std::make_exception_ptr(znMatrix::csSymmetryMatrix::exTwoRowsAreSameVector{}),
       "znMatrix::csSymmetryMatrix::exTwoRowsAreSameVector"},
      {std::make_exception_ptr(znMatrix::csBandMatrix::exDiagonalElementIsZero{{}, 7}),
       "znMatrix::csBandMatrix::exDiagonalElementIsZero (Row : 7)"},
      {std::make_exception_ptr(znMatrix::exMatrixException{}), "znMatrix::exMatrixException"},
      {std::make_exception_ptr(znFEM::znSimulEquation::ifSimulEquation::exUnBalancedLoad{4, 2.5}),
       "znSimulEquation::ifSimulEquation::exUnBalancedLoad (Dof : 4, Value : 2.500000e+00)"},
      {std::make_exception_ptr(std::logic_error("broken")), "std::exception (What : broken)"},
      {std::make_exception_ptr(Unknown{}), "An exception of an unknown kind"},
      {std::make_exception_ptr(std::string("bad case!!!")), ""},
  };
  for (const WordsCase& c : cases) EXPECT_EQ(DescribeUnreportedFailure(c.failure), c.words);
}

}  // namespace
