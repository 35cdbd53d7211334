#include "engine/report/parameter_file.h"

#include "common/number_text.h"
#include "common/text_file.h"
#include "engine/catalogue/parameter_slots.h"

namespace quarlin {
namespace {

std::string SlotText(const ParameterSlot& slot, const FittedParams& p, double C) {
  switch (slot.form) {
    case SlotForm::Flag:
      return Int(slot.get(p) == 1.0 ? 1 : 0);
    case SlotForm::DataUnits:
      return Ext(slot.get(p) + C);
    case SlotForm::Real:
      break;
  }
  return Ext(slot.get(p));
}

}  // namespace

std::vector<std::string> ParameterFileLines(int code, const FittedParams& reported, double C) {
  std::vector<std::string> lines = {std::string(kParameterFileHeader), Int(code)};
  for (const ParameterSlot& slot : ParameterSlotsOf(code))
    lines.push_back(SlotText(slot, reported, C));
  lines.push_back(Ext(C));
  return lines;
}

std::string ParameterFileText(int code, const FittedParams& reported, double C) {
  TextBuilder text;
  for (const std::string& line : ParameterFileLines(code, reported, C)) text.Line(line);
  return text.Text();
}

bool WriteParameterFile(const std::filesystem::path& path, int code, const FittedParams& reported,
                        double C) {
  return WriteFileAtomically(path, ParameterFileText(code, reported, C));
}

}  // namespace quarlin
