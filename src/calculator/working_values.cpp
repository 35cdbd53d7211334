#include "calculator/working_values.h"

#include "calculator/forward_table.h"

namespace quarlin {

WorkingValues MakeWorkingValues(int code, const std::vector<double>& values, double shift) {
  WorkingValues w;
  w.code = code;
  w.shift = shift;
  w.row = FindRow(code);
  if (!w.row) return w;
  const auto slots = w.row->parameters;
  for (size_t i = 0; i < slots.size() && i < values.size(); ++i)
    if (slots[i].set) slots[i].set(w.params, values[i]);
  if (w.row->IsComposite()) w.breakPointF = BreakPointFrequency(w);
  return w;
}

WorkingValues MakeWorkingValues(const ParameterFileContents& contents) {
  return MakeWorkingValues(contents.code, contents.values, contents.shift);
}

bool CalculatorInvertsCode(int code) {
  const DistributionRow* row = FindRow(code);
  return !row || row->HasCalculatorInverse();
}

}  // namespace quarlin
