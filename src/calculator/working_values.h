#pragma once
// The values the calculator works with: the parameter file's values exactly
// as the file holds them (bounds and break points in data units, slopes as
// printed), in the slots the code's row names, not put back into the
// engine's units as the reader's own slots are.

#include <optional>
#include <vector>

#include "engine/catalogue/distribution_table.h"
#include "engine/model/fitted_params.h"
#include "engine/report/parameter_file_reader.h"

namespace quarlin {

struct WorkingValues {
  int code = 0;
  // Null for a code without a row: the calculator then has no answer.
  const DistributionRow* row = nullptr;
  double shift = 0;  // subtracted from X before the formulas
  // The file's values, line by line, in the slots of the row's parameters;
  // lines that only repeat another value (67, 69) or stand for none (68)
  // fill no slot. Codes 1 and 2 carry no exponent in the file and keep
  // E = 1 (the line through the data itself).
  FittedParams params;
  // F of the upper branch at the break point; set for the composite codes.
  std::optional<double> breakPointF;

  CalculatorForm Form() const { return row ? row->calculator : CalculatorForm::Catalogue; }
  bool IsComposite() const { return row && row->IsComposite(); }
  bool IsNormalFamily() const { return row && row->IsNormalFamily(); }
};

// The working values of `code` from the file's values in file order and its
// shift; the break-point frequency is computed here. Values missing at the
// end leave their slots as they are.
WorkingValues MakeWorkingValues(int code, const std::vector<double>& values, double shift);

// The same from a parameter file as read.
WorkingValues MakeWorkingValues(const ParameterFileContents& contents);

// Whether the calculator converts a frequency back into X for `code`; true
// for a code without a row, which then gives no answer either way.
bool CalculatorInvertsCode(int code);

}  // namespace quarlin
