#include "engine/catalogue/parameter_slots.h"

namespace quarlin {

std::span<const ParameterSlot> ParameterSlotsOf(int code) {
  switch (code) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 53:
    case 54:
    case 57:
    case 60:
    case 64:
      return kLineAB;
    case 3:
    case 51:
    case 52:
    case 55:
    case 65:
    case 66:
      return kLineABE;
    case 6:
      return kLineA;
    case 33:
    case 35:
    case 58:
    case 59:
      return kBoundABC;
    case 56:
      return kFiskAB;
    case 61:
      return kGammaAB;
    case 67:
      return kGevSlots;
    case 68:
      return kLaplaceSlots;
    case 69:
      return kRayleighSlots;
    case 26:
      return kNormalSlotsE;
    case 31:
    case 32:
      return kBurrSlots;
    case 34:
      return kGompertzSlots;
    case 36:
      return kKumaraswamySlots;
    case 62:
    case 63:
      return kStudentSlots;
    case 73:
      return kGeneralizedLaplaceSlots;
    default:
      break;
  }
  if (code >= 7 && code <= 18) return kCompositeSlots;
  if (code >= 20 && code <= 25) return kNormalSlots;
  if ((code >= 70 && code <= 72) || code == 74 || (code >= 80 && code <= 85))
    return kGeneralizedCompositeSlots;
  return {};
}

bool HasGeneralBlock(int code) {
  const auto slots = ParameterSlotsOf(code);
  return slots.size() >= 2 && slots[0].letter == "A" && slots[1].letter == "B";
}

}  // namespace quarlin
