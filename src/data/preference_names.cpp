#include "data/preference_names.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "data/run_session.h"

namespace quarlin {
namespace {

// The captions keep their own spellings ("Normal {standard)",
// "compostie", "generailzed"): a name is typed as the window shows it.
constexpr auto kChoices = std::to_array<PreferenceChoice>({
    {"1", "Best of All Distributions", "Best of All"},
    {"20", "Normal {standard)", "standard normal"},
    {"21", "Normal (optimized)", "optimized normal"},
    {"22", "Log-normal (standard)", "standard log-normal"},
    {"23", "Log-normal (optimized)", "optimized log-normal"},
    {"24", "Root-normal", "root-normal"},
    {"25", "Square-normal", "square-normal"},
    {"26", "Generalized normal", "generalized normal"},
    {"53", "Logistic (standard)", "standard logistic"},
    {"54", "Log-logistic", "log-logistic"},
    {"55", "Logistic generalized", "generalized logistic"},
    {"31", "Burr distribution", "Burr probability"},
    {"64", "Cauchy (standard)", "standard Cauchy"},
    {"65", "Cauchy generalized", "generalized Cauchy"},
    {"32", "Dagum distribution", "Dagum probability"},
    {"6", "Exponential (standard)", "standard exponential"},
    {"3", "Exponential generalized", "generalized exponential"},
    {"66", "Exponential general. mirr.", "gen. exponential mirrored"},
    {"58", "Frechet (typical)", "Frechet"},
    {"67", "GEV (Gen. Extreme. Value)", "GEV probability"},
    {"34", "Gompertz (generalized)", "generalized Gompertz"},
    {"4", "Gumbel (standard)", "standard Gumbel"},
    {"51", "Gumbel generalized", "generalized Gumbel"},
    {"5", "Gumbel mirrored", "mirrored Gumbel"},
    {"52", "Gumbel mirrored generalized", "generalized mirrored Gumbel"},
    {"68", "Laplace (standard)", "standard Laplace"},
    {"73", "Laplace generalized", "generalized Laplace"},
    {"56", "Fisk (adjusted)", "Fisk adjusted"},
    {"57", "Weibull (standard)", "Weibull"},
    {"60", "Weibull mirrored", "mirrored Weibull"},
    {"62", "Student (1 or 2 d.f.)", "Student"},
    {"59", "Fisher-Tippet III", "Fisher Tippet III"},
    {"33", "F-T III mirrored", "Fisher Tippet III mirrored"},
    {"35", "Frechet mirrored", "Frechet mirrored"},
    {"39", "Kumaraswamy generalized", "Kumaraswamy generalized"},
    {"69", "Rayleigh generalized", "Rayleigh generalized"},
    {"61", "Gamma (Erlang)", "Gamma (Erlang)"},
    {"1", "Best fitting of all compostie distributions"},
    {"8", "Composite logistic distribution"},
    {"9", "Composite Gumbel distribution"},
    {"7", "Composite Gumbel mirrored"},
    {"15", "Logistic + Gumbel"},
    {"18", "Logistic + Poisson"},
    {"14", "Logistic + Gumbel mirrored"},
    {"12", "Gumbel + Logistic"},
    {"16", "Gumbel + Poisson"},
    {"13", "Gumbel + Gumbel mirrored"},
    {"10", "Gumbel mirrored + logistic"},
    {"11", "Gumbel mirrored + Gumbel"},
    {"17", "Gumbel mirrored + Poisson"},
    {"70", "Composite generalized logistic distribution"},
    {"71", "Composite generailzed Gumbel distribution"},
    {"90", "Composite generailzed Gumbel mirrored"},
    {"72", "Composite generalized Poisson distribution"},
    {"80", "Gen. logistic + gen. Gumbel"},
    {"81", "Gen logistic + gen. Poisson"},
    {"82", "Gen. Gumbel + gen. logistic"},
    {"83", "Gen. Gumbel + gen. Poisson"},
    {"84", "Gen. Poisson + gen. logistic"},
    {"85", "Gen. Poisson + gen. Gumbel"},
    {"73", "Generalized Laplace distribution"},
});

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// One text for all the candidates, or ambiguity naming each of them.
PreferenceMatch Resolve(const std::vector<const PreferenceChoice*>& candidates) {
  PreferenceMatch match;
  for (const PreferenceChoice* choice : candidates) {
    match.names.push_back(choice->name);
    if (choice->text != candidates.front()->text) match.text = "-";
  }
  if (match.text.empty()) {
    match.text = candidates.front()->text;
    match.names.clear();
  } else {
    match.text.clear();
  }
  return match;
}

}  // namespace

std::span<const PreferenceChoice> PreferenceChoices() {
  return kChoices;
}

std::span<const PreferenceChoice> DialogChoices() {
  return std::span(kChoices).first(kDialogChoiceCount);
}

std::span<const PreferenceChoice> CompositeChoices() {
  return std::span(kChoices).subspan(kDialogChoiceCount);
}

PreferenceMatch MatchPreference(std::string_view typed) {
  const auto& texts = PreferenceTexts();
  if (std::find(texts.begin(), texts.end(), typed) != texts.end())
    return {.text = std::string(typed), .names = {}};
  std::vector<const PreferenceChoice*> whole, beginning;
  for (const PreferenceChoice& choice : kChoices) {
    if (SameLetters(choice.name, typed)) whole.push_back(&choice);
    if (!typed.empty() && typed.size() <= choice.name.size() &&
        SameLetters(choice.name.substr(0, typed.size()), typed))
      beginning.push_back(&choice);
  }
  if (!whole.empty()) return Resolve(whole);
  if (!beginning.empty()) return Resolve(beginning);
  return {};
}

}  // namespace quarlin
