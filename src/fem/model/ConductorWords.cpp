#include "fem/model/ConductorWords.h"

#include <iomanip>
#include <stdexcept>

#include "fem/makers/SimulEquation.h"
#include "fem/model/ElementMgr.h"
#include "fem/model/NodeMgr.h"
#include "fem/model/SpringSupportMgr.h"
#include "fem/model/WallElementMgr.h"
#include "matrix/BandMatrix.h"
#include "matrix/Matrix.h"
#include "matrix/SymmetryMatrix.h"

namespace znFEM::znTraceYield2DRahmen {

csFailureWords::csFailureWords(const std::string& name) {
  out_ << std::scientific << std::setprecision(6) << name;
}

std::string csFailureWords::Text() const {
  return out_.str() + (hasData_ ? ")" : "");
}

namespace {

using znMatrix::csBandMatrix;
using znMatrix::csMatrix;
using znMatrix::csSymmetryMatrix;
using znMatrix::ifMatrix;

template <class Ex>
struct Named {
  const char* name;
};

std::string MatrixFailureName(const std::exception_ptr&) {
  return "znMatrix::exMatrixException";
}

// The name of the first listed type that the failure is; the family's name otherwise.
template <class Ex, class... Rest>
std::string MatrixFailureName(const std::exception_ptr& failure, Named<Ex> first,
                              Named<Rest>... rest) {
  try {
    std::rethrow_exception(failure);
  } catch (const Ex&) {
    return first.name;
  } catch (...) {
  }
  return MatrixFailureName(failure, rest...);
}

std::string DescribeMatrixFailure(const std::exception_ptr& failure) {
  return MatrixFailureName(
      failure, Named<ifMatrix::exOutOfRowRange>{"znMatrix::ifMatrix::exOutOfRowRange"},
      Named<ifMatrix::exOutOfColRange>{"znMatrix::ifMatrix::exOutOfColRange"},
      Named<ifMatrix::exRowNIsnotEqual>{"znMatrix::ifMatrix::exRowNIsnotEqual"},
      Named<ifMatrix::exColNIsnotEqual>{"znMatrix::ifMatrix::exColNIsnotEqual"},
      Named<ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight>{
          "znMatrix::ifMatrix::exColNOfLeftIsnotEqualToRowNOfRight"},
      Named<ifMatrix::exZeroPivot>{"znMatrix::ifMatrix::exZeroPivot"},
      Named<csMatrix::exThisIsnotSquareMatrix>{"znMatrix::csMatrix::exThisIsnotSquareMatrix"},
      Named<csMatrix::exThereIsZeroRow>{"znMatrix::csMatrix::exThereIsZeroRow"},
      Named<csMatrix::exThereIsZeroCol>{"znMatrix::csMatrix::exThereIsZeroCol"},
      Named<csMatrix::exTwoRowsAreSameVector>{"znMatrix::csMatrix::exTwoRowsAreSameVector"},
      Named<csMatrix::exTwoColsAreSameVector>{"znMatrix::csMatrix::exTwoColsAreSameVector"},
      Named<csMatrix::exLeftVectorIsnotEqualToMatrixInSize>{
          "znMatrix::csMatrix::exLeftVectorIsnotEqualToMatrixInSize"},
      Named<csMatrix::exRightVectorIsnotEqualToMatrixInSize>{
          "znMatrix::csMatrix::exRightVectorIsnotEqualToMatrixInSize"},
      Named<csBandMatrix::exItIsnotBandMatrix>{"znMatrix::csBandMatrix::exItIsnotBandMatrix"},
      Named<csBandMatrix::exBandNIsLargerThanThis>{
          "znMatrix::csBandMatrix::exBandNIsLargerThanThis"},
      Named<csBandMatrix::exOutOfBandRange>{"znMatrix::csBandMatrix::exOutOfBandRange"},
      Named<csBandMatrix::exPartialMatrixCrossDiagonal>{
          "znMatrix::csBandMatrix::exPartialMatrixCrossDiagonal"},
      Named<csBandMatrix::exTwoRowsAreSameVector>{"znMatrix::csBandMatrix::exTwoRowsAreSameVector"},
      Named<csBandMatrix::exLeftVectorIsnotEqualToMatrixInSize>{
          "znMatrix::csBandMatrix::exLeftVectorIsnotEqualToMatrixInSize"},
      Named<csBandMatrix::exRightVectorIsnotEqualToMatrixInSize>{
          "znMatrix::csBandMatrix::exRightVectorIsnotEqualToMatrixInSize"},
      Named<csSymmetryMatrix::exItIsnotSymmetryMatrix>{
          "znMatrix::csSymmetryMatrix::exItIsnotSymmetryMatrix"},
      Named<csSymmetryMatrix::exDiagonalElementIsZero>{
          "znMatrix::csSymmetryMatrix::exDiagonalElementIsZero"},
      Named<csSymmetryMatrix::exTwoRowsAreSameVector>{
          "znMatrix::csSymmetryMatrix::exTwoRowsAreSameVector"},
      Named<csSymmetryMatrix::exPartialMatrixCrossDiagonal>{
          "znMatrix::csSymmetryMatrix::exPartialMatrixCrossDiagonal"},
      Named<csSymmetryMatrix::exLeftVectorIsnotEqualToMatrixInSize>{
          "znMatrix::csSymmetryMatrix::exLeftVectorIsnotEqualToMatrixInSize"},
      Named<csSymmetryMatrix::exRightVectorIsnotEqualToMatrixInSize>{
          "znMatrix::csSymmetryMatrix::exRightVectorIsnotEqualToMatrixInSize"});
}

std::string Words(const char* name, const std::string& id) {
  return csFailureWords(name)("ID", id).Text();
}

std::string DescribeManagerFailure(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const csNodeMgr::exItIsMakingDuplicatedNode& e) {
    return Words("csNodeMgr::exItIsMakingDuplicatedNode", e.ID);
  } catch (const csNodeMgr::exSpecifiedNodeIsnotExist& e) {
    return Words("csNodeMgr::exSpecifiedNodeIsnotExist", e.ID);
  } catch (const csElementMgr::exItIsMakingDuplicatedElement& e) {
    return Words("csElementMgr::exItIsMakingDuplicatedElement", e.ID);
  } catch (const csElementMgr::exSpecifiedElementIsnotExist& e) {
    return Words("csElementMgr::exSpecifiedElementIsnotExist", e.ID);
  } catch (const csWallElementMgr::exItIsMakingDuplicatedWallElement& e) {
    return Words("csWallElementMgr::exItIsMakingDuplicatedWallElement", e.ID);
  } catch (const csWallElementMgr::exSpecifiedWallElementIsnotExist& e) {
    return Words("csWallElementMgr::exSpecifiedWallElementIsnotExist", e.ID);
  } catch (const csSpringSupportMgr::exItIsMakingDuplicatedNode& e) {
    return Words("csSpringSupportMgr::exItIsMakingDuplicatedNode", e.ID);
  } catch (const csSpringSupportMgr::exItIsMakingDuplicatedElement& e) {
    return Words("csSpringSupportMgr::exItIsMakingDuplicatedElement", e.ID);
  } catch (const csSpringSupportMgr::exSpecifiedNodeIsnotExist& e) {
    return Words("csSpringSupportMgr::exSpecifiedNodeIsnotExist", e.ID);
  } catch (const csSpringSupportMgr::exSpecifiedElementIsnotExist& e) {
    return Words("csSpringSupportMgr::exSpecifiedElementIsnotExist", e.ID);
  } catch (...) {
    return {};
  }
}

// The step solver turns these into its own failures; they are named here in case one
// reaches the conductor by another way.
std::string DescribeSolveFailure(const std::exception_ptr& failure) {
  using znSimulEquation::ifSimulEquation;
  try {
    std::rethrow_exception(failure);
  } catch (const ifSimulEquation::exThereIsZeroRow& e) {
    return csFailureWords("znSimulEquation::ifSimulEquation::exThereIsZeroRow")("Dof", e.dof)
        .Text();
  } catch (const ifSimulEquation::exFailedToAnalyzeMatrix&) {
    return csFailureWords("znSimulEquation::ifSimulEquation::exFailedToAnalyzeMatrix").Text();
  } catch (const ifSimulEquation::exUnBalancedLoad& e) {
    return csFailureWords("znSimulEquation::ifSimulEquation::exUnBalancedLoad")("Dof", e.dof)(
               "Value", e.imbalance)
        .Text();
  } catch (...) {
    return {};
  }
}

std::string DescribeOtherFailure(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::string&) {
    return {};
  } catch (const csBandMatrix::exDiagonalElementIsZero& e) {
    return csFailureWords("znMatrix::csBandMatrix::exDiagonalElementIsZero")("Row", e.row).Text();
  } catch (const znMatrix::exMatrixException&) {
    return DescribeMatrixFailure(failure);
  } catch (const std::exception& e) {
    return csFailureWords("std::exception")("What", e.what()).Text();
  } catch (...) {
    return "An exception of an unknown kind";
  }
}

}  // namespace

std::string DescribeUnreportedFailure(const std::exception_ptr& failure) {
  std::string words = DescribeManagerFailure(failure);
  if (words.empty()) words = DescribeSolveFailure(failure);
  if (words.empty()) words = DescribeOtherFailure(failure);
  return words;
}

}  // namespace znFEM::znTraceYield2DRahmen
