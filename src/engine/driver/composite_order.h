#pragma once
// The order in which a best-of-all run fits the composites. What each one
// writes into the ranked list and the progress lines is in its row
// (catalogue/distribution_table.h).

#include <array>

#include "engine/catalogue/codes.h"

namespace quarlin {

// Fitted after code 6, in this order.
inline constexpr std::array kSimpleCompositeOrder{kCompositeMirroredGumbel,
                                                  kCompositeLogistic,
                                                  kCompositeGumbel,
                                                  kCompositeMirroredGumbelLogistic,
                                                  kCompositeMirroredGumbelGumbel,
                                                  kCompositeGumbelLogistic,
                                                  kCompositeGumbelMirroredGumbel,
                                                  kCompositeLogisticMirroredGumbel,
                                                  kCompositeLogisticGumbel,
                                                  kCompositeGumbelPoisson,
                                                  kCompositeMirroredGumbelPoisson,
                                                  kCompositeLogisticPoisson};
// Fitted after code 73, in this order.
inline constexpr std::array kGeneralizedCompositeOrder{
    kCompositeGeneralizedLogistic,        kCompositeGeneralizedGumbel,
    kCompositeGeneralizedPoisson,         kCompositeGeneralizedMirroredGumbel,
    kCompositeGeneralizedLogisticGumbel,  kCompositeGeneralizedLogisticPoisson,
    kCompositeGeneralizedGumbelLogistic,  kCompositeGeneralizedGumbelPoisson,
    kCompositeGeneralizedPoissonLogistic, kCompositeGeneralizedPoissonGumbel};

}  // namespace quarlin
