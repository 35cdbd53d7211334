#pragma once
// The rows of the normal family: normal in a variable of Y (normal_variable.h).
// Every text exactly as lists, progress memos and reports have always shown
// it: the odd spellings and blanks belong to them.

#include <array>

#include "engine/catalogue/rows/row_makers.h"

namespace quarlin::row_making {

// The mean and spread lines of each member after its description.
inline constexpr NormalWording kNormalWording{};
inline constexpr NormalWording kNormalOptimizedWording{.sdShift = " The standard error of X+C : ",
                                                       .sd = " The standard error of X: ",
                                                       .optimised = true};
inline constexpr NormalWording kLogNormalWording{.meanShift = " The mean value of Ln (X+C) is : ",
                                                 .mean = " The mean value of Ln (X) is : ",
                                                 .sdShift = " The standard error of Ln(X+C) : ",
                                                 .sd = " The standard error of Ln(X) : "};
inline constexpr NormalWording kLogNormalOptimizedWording{
    .meanShift = " The mean value of Ln (X+C) is optimized as : ",
    .mean = " The mean value of Ln (X) is optimized as : ",
    .sdShift = " The standard error of Ln(X+C) : ",
    .sd = " The standard error of Ln(X) : ",
    .optimised = true};
inline constexpr NormalWording kRootNormalWording{
    .meanShift = " The mean value of sqrt(X+C)     : ",
    .mean = " The mean value of sqrt(X)     : ",
    .sdShift = " The standard error of sqrt(X+C) : ",
    .sd = " The standard error of sqrt(X) : ",
    .optimised = true};
inline constexpr NormalWording kSquareNormalWording{
    .meanShift = " The mean value of (X+C)sq     : ",
    .mean = " The mean value of Xsq     : ",
    .sdShift = " The standard error of (X+C)sq : ",
    .sd = " The standard error of Xsq : ",
    .optimised = true};
inline constexpr NormalWording kGeneralizedNormalWording{
    .meanShift = " The average value of (X+C)^E  : ",
    .mean = " The average value of X^E  : ",
    .sdShift = " The standard error of (X+C)^E : ",
    .sd = " The standard error of X^E : ",
    .optimised = true};

inline constexpr std::array kNormalRows{
    Normal(kNormal, NormalForm::Plain,
           {"Normal distribution usual",
            "Normal distribution (standard)",
            " Normal distribution standard",
            {" 90 done"}},
           {.description = {" The cumulative frequency function is normal.",
                            " The numerical method of Hastings is applied."},
            .descriptionValues = report_values::NormalValues<kNormalWording>}),
    Normal(kNormalOptimized, NormalForm::Plain,
           {"Normal distribution optimized",
            "Normal distribution optimized",
            " Normal distribution optimized",
            {" 91 done"}},
           {.description = {" The probability distribution is optimized normal.",
                            " The numerical method of Hastings is applied."},
            .descriptionValues = report_values::NormalValues<kNormalOptimizedWording>}),
    Normal(kLogNormal, NormalForm::Log,
           {"Log-normal distribution usual",
            "Log-normal distribution",
            " Log-normal distribution standard",
            {" 92 done"}},
           {.description = {" The cumulative frequency function is log-normal.",
                            " The numerical method of Hastings is applied."},
            .descriptionValues = report_values::NormalValues<kLogNormalWording>}),
    Normal(kLogNormalOptimized, NormalForm::Log,
           {"Log-normal distribution optimized",
            "Log-normal distribution optimized",
            " Log-normal distribution optimized",
            {" 93 done"}},
           {.description = {" The cumulative distribution is log-normal optimized.",
                            " The numerical method of Hastings is applied."},
            .descriptionValues = report_values::NormalValues<kLogNormalOptimizedWording>}),
    Normal(kRootNormal, NormalForm::Root,
           {"Root-normal distribution",
            "Root-normal distribution",
            " Root-normal distribution optimized",
            {" 94 done"}},
           {.description = {" The cumulative frequency function is root-normal.",
                            " The numerical method of Hastings is applied."},
            .descriptionValues = report_values::NormalValues<kRootNormalWording>}),
    Normal(kSquareNormal, NormalForm::Square,
           {"Square-normal distribution",
            "Square-normal distribution",
            " Square normal distribution optimized",
            {" 95 done"}},
           {.description = {" The cumulative frequency function is square-normal.",
                            " The numerical method of Hastings is applied."},
            .descriptionValues = report_values::NormalValues<kSquareNormalWording>}),
    Normal(
        kGeneralizedNormal, NormalForm::Power,
        {"Generalized normal distribution",
         "Generalized normal distribution",
         " Generalized normal distribution",
         {" 96 done"}},
        {.description = {" The frequency function is generalized normal.",
                         " The X-data were temporarily transformed into X^E"},
         .descriptionValues = report_values::GeneralizedNormalValues<kGeneralizedNormalWording>}),
};

}  // namespace quarlin::row_making
