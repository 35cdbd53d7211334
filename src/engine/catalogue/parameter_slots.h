#pragma once
// Which parameters a code carries, in the order the parameter file holds
// them, and where each lives among the FittedParams slots. The file's writer
// and its reader both walk these layouts, so the two cannot drift apart.

#include <array>
#include <span>
#include <string_view>

#include "engine/model/fitted_params.h"

namespace quarlin {

enum class SlotForm {
  Real,       // a real as the slot holds it
  Flag,       // 1 or 0, written as an integer
  DataUnits,  // a composite's break point: the slot is in the engine variable,
              // the file in data units (slot + the shift constant C)
};

struct ParameterSlot {
  std::string_view letter;  // as the report and the parameter file name it
  double (*get)(const FittedParams&);
  // Null where the value only repeats another slot (the general block's A
  // and B of codes 67 and 69) or stands for none (code 68's A and B).
  void (*set)(FittedParams&, double);
  SlotForm form = SlotForm::Real;
};

namespace slot_access {

template <auto family, auto member>
double Get(const FittedParams& p) {
  return p.*family.*member;
}

template <auto family, auto member>
void Set(FittedParams& p, double value) {
  p.*family.*member = value;
}

inline double Zero(const FittedParams&) {
  return 0.0;
}

inline double GompertzFlag(const FittedParams& p) {
  return p.gompertz.flag ? 1.0 : 0.0;
}

// Only a value of exactly 1 sets the flag, as the program always read it.
inline void SetGompertzFlag(FittedParams& p, double value) {
  p.gompertz.flag = value == 1.0;
}

}  // namespace slot_access

template <auto family, auto member>
constexpr ParameterSlot Slot(std::string_view letter, SlotForm form = SlotForm::Real) {
  return {letter, &slot_access::Get<family, member>, &slot_access::Set<family, member>, form};
}

// A value written again from a slot that an earlier or later line fills.
template <auto family, auto member>
constexpr ParameterSlot Copy(std::string_view letter) {
  return {letter, &slot_access::Get<family, member>, nullptr};
}

// Codes 1, 2, 4, 5, 53, 54, 57, 60, 64.
inline constexpr std::array kLineAB = {Slot<&FittedParams::line, &LinearParams::A>("A"),
                                       Slot<&FittedParams::line, &LinearParams::B>("B")};
// Codes 3, 51, 52, 55, 65, 66.
inline constexpr std::array kLineABE = {Slot<&FittedParams::line, &LinearParams::A>("A"),
                                        Slot<&FittedParams::line, &LinearParams::B>("B"),
                                        Slot<&FittedParams::line, &LinearParams::E>("E")};
// Code 6.
inline constexpr std::array kLineA = {Slot<&FittedParams::line, &LinearParams::A>("A")};
// Codes 33, 35, 58, 59.
inline constexpr std::array kBoundABC = {Slot<&FittedParams::bound, &BoundParams::A>("A"),
                                         Slot<&FittedParams::bound, &BoundParams::B>("B"),
                                         Slot<&FittedParams::bound, &BoundParams::C>("C")};
// Code 56.
inline constexpr std::array kFiskAB = {Slot<&FittedParams::fisk, &FiskParams::A>("A"),
                                       Slot<&FittedParams::fisk, &FiskParams::B>("B")};
// Code 61: the scale and the order in the general block's A and B.
inline constexpr std::array kGammaAB = {Slot<&FittedParams::gamma, &GammaParams::a>("A"),
                                        Slot<&FittedParams::gamma, &GammaParams::b>("B")};
// Code 67: the general A and B repeat the location and scale.
inline constexpr std::array kGevSlots = {
    Copy<&FittedParams::gev, &GevParams::A>("A"), Copy<&FittedParams::gev, &GevParams::B>("B"),
    Slot<&FittedParams::gev, &GevParams::K>("K"), Slot<&FittedParams::gev, &GevParams::A>("A"),
    Slot<&FittedParams::gev, &GevParams::B>("B")};
// Code 68: the general A and B have no meaning and are written as 0.
inline constexpr std::array kLaplaceSlots = {
    ParameterSlot{"A", &slot_access::Zero, nullptr},
    ParameterSlot{"B", &slot_access::Zero, nullptr},
    Slot<&FittedParams::laplace, &LaplaceParams::L>("L"),
    Slot<&FittedParams::laplace, &LaplaceParams::D1>("D1"),
    Slot<&FittedParams::laplace, &LaplaceParams::D2>("D2")};
// Code 69: the general A and B repeat the exponent and divisor.
inline constexpr std::array kRayleighSlots = {
    Copy<&FittedParams::rayleigh, &RayleighParams::E>("A"),
    Copy<&FittedParams::rayleigh, &RayleighParams::S>("B"),
    Slot<&FittedParams::rayleigh, &RayleighParams::E>("E"),
    Slot<&FittedParams::rayleigh, &RayleighParams::S>("S")};
// Codes 7-18.
inline constexpr std::array kCompositeSlots = {
    Slot<&FittedParams::composite, &CompositeParams::As>("As"),
    Slot<&FittedParams::composite, &CompositeParams::Bs>("Bs"),
    Slot<&FittedParams::composite, &CompositeParams::Ag>("Ag"),
    Slot<&FittedParams::composite, &CompositeParams::Bg>("Bg"),
    Slot<&FittedParams::composite, &CompositeParams::P>("P", SlotForm::DataUnits)};
// Codes 70-72, 74, 80-85.
inline constexpr std::array kGeneralizedCompositeSlots = {
    Slot<&FittedParams::composite, &CompositeParams::Es>("Es"),
    Slot<&FittedParams::composite, &CompositeParams::Eg>("Eg"),
    Slot<&FittedParams::composite, &CompositeParams::As>("As"),
    Slot<&FittedParams::composite, &CompositeParams::Bs>("Bs"),
    Slot<&FittedParams::composite, &CompositeParams::Ag>("Ag"),
    Slot<&FittedParams::composite, &CompositeParams::Bg>("Bg"),
    Slot<&FittedParams::composite, &CompositeParams::P>("P", SlotForm::DataUnits)};
// Codes 20-25: the mean and standard deviation that F uses.
inline constexpr std::array kNormalSlots = {Slot<&FittedParams::normal, &NormalParams::M>("Av"),
                                            Slot<&FittedParams::normal, &NormalParams::S>("Sd")};
// Code 26.
inline constexpr std::array kNormalSlotsE = {Slot<&FittedParams::normal, &NormalParams::M>("Av"),
                                             Slot<&FittedParams::normal, &NormalParams::S>("Sd"),
                                             Slot<&FittedParams::normal, &NormalParams::E>("E")};
// Codes 31 and 32.
inline constexpr std::array kBurrSlots = {
    Slot<&FittedParams::burr, &BurrParams::B>("B"), Slot<&FittedParams::burr, &BurrParams::A>("A"),
    Slot<&FittedParams::burr, &BurrParams::E>("E"), Slot<&FittedParams::burr, &BurrParams::K>("K"),
    Slot<&FittedParams::burr, &BurrParams::D>("D")};
// Code 34.
inline constexpr std::array kGompertzSlots = {
    ParameterSlot{"flag", &slot_access::GompertzFlag, &slot_access::SetGompertzFlag,
                  SlotForm::Flag},
    Slot<&FittedParams::gompertz, &GompertzParams::B>("B"),
    Slot<&FittedParams::gompertz, &GompertzParams::E>("E"),
    Slot<&FittedParams::gompertz, &GompertzParams::A>("A")};
// Code 36.
inline constexpr std::array kKumaraswamySlots = {
    Slot<&FittedParams::kumaraswamy, &KumaraswamyParams::M>("M"),
    Slot<&FittedParams::kumaraswamy, &KumaraswamyParams::A>("A"),
    Slot<&FittedParams::kumaraswamy, &KumaraswamyParams::B>("B")};
// Codes 62 and 63.
inline constexpr std::array kStudentSlots = {
    Slot<&FittedParams::student, &StudentParams::mean>("Av"),
    Slot<&FittedParams::student, &StudentParams::sd>("Sd")};
// Code 73.
inline constexpr std::array kGeneralizedLaplaceSlots = {
    Slot<&FittedParams::laplace, &LaplaceParams::L>("L"),
    Slot<&FittedParams::laplace, &LaplaceParams::D1>("D1"),
    Slot<&FittedParams::laplace, &LaplaceParams::D2>("D2"),
    Slot<&FittedParams::laplace, &LaplaceParams::E1>("E1"),
    Slot<&FittedParams::laplace, &LaplaceParams::E2>("E2")};

// The values of a code between its code line and the shift line, as the
// code's row names them; empty for code 0 and for codes that are not
// assigned.
std::span<const ParameterSlot> ParameterSlotsOf(int code);

// Codes whose values open with the general block, the slope A and intercept B
// of the report's A and B lines: 1-5, 33, 35 and 51-69 except 62 and 63.
bool HasGeneralBlock(int code);

}  // namespace quarlin
