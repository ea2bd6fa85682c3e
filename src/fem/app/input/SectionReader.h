// The section keys that frame elements and wall elements share: area, Young's modulus, moment
// of inertia, Poisson's ratio and shear factor, with the rule that shear deformation needs a
// Poisson's ratio.
#pragma once

#include <string>

#include "fem/app/input/Failed.h"
#include "fem/app/input/InputDataReaderWrapper.h"
#include "fem/app/report/ErrorMessage.h"

namespace znFEM::znTarvex {

// Adds a, e, i (necessary, > 0), psn and kap (optional, >= 0) to the block being declared.
void DeclareSectionKeys(csInputDataReaderWrapper& wrapper);

// Reads the section of one statement into record (an element or wall element record with the
// fields A, E, I, Poisson and Kappa). Shear deformation (kap not 0) needs the shear modulus,
// hence a Poisson's ratio > 0: otherwise the record's id goes to reportNoPoisson and exFailed
// is thrown.
template <class Record>
void ReadSection(const csInputDataReaderWrapper::InputLine& line, Record& record,
                 ifErrorMessage& errorMessage,
                 void (ifErrorMessage::*reportNoPoisson)(const std::string&)) {
  using W = csInputDataReaderWrapper;
  record.A = W::GetReal(line, "a", 0.0);
  record.E = W::GetReal(line, "e", 0.0);
  record.I = W::GetReal(line, "i", 0.0);
  record.Poisson = W::GetReal(line, "psn", 0.0);
  record.Kappa = W::GetReal(line, "kap", 0.0);
  if (record.Kappa != 0.0 && !(record.Poisson > 0.0)) {
    (errorMessage.*reportNoPoisson)(record.ID);
    throw exFailed{};
  }
}

}  // namespace znFEM::znTarvex
