#include "engine/catalogue/parameter_slots.h"

#include "engine/catalogue/distribution_table.h"

namespace quarlin {

std::span<const ParameterSlot> ParameterSlotsOf(int code) {
  const DistributionRow* row = FindRow(code);
  return row ? row->parameters : std::span<const ParameterSlot>();
}

bool HasGeneralBlock(int code) {
  const auto slots = ParameterSlotsOf(code);
  return slots.size() >= 2 && slots[0].letter == "A" && slots[1].letter == "B";
}

}  // namespace quarlin
