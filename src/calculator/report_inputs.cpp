#include "calculator/report_inputs.h"

#include "common/text_file.h"
#include "data/input_file.h"
#include "data/messages.h"

namespace quarlin {

ReportInputsReading ReadReportInputs(const RunState& state) {
  RunState copy = state;
  copy.FileName = ChangeExtension(state.FileName, ".inp").string();
  const Status input = ReadInputFile(copy);
  if (!input.ok()) return {std::nullopt, input.message()};
  // The limits of every answer are taken over the data: without any, they
  // would be divided by zero.
  if (copy.NrOfData < 1) return {std::nullopt, NoDataValuesMessage(copy.FileName)};
  const auto aux = ChangeExtension(state.FileName, ".aux");
  const ParameterFileReading parameters = ReadParameterFile(aux);
  if (!parameters.contents) return {std::nullopt, parameters.error};
  ReportInputs inputs;
  inputs.values = MakeWorkingValues(*parameters.contents);
  inputs.data.assign(copy.Values.begin(), copy.Values.begin() + copy.NrOfData);
  copy.FileName = ChangeExtension(state.FileName, ".out").string();
  inputs.state = std::move(copy);
  return {std::move(inputs), {}};
}

}  // namespace quarlin
