#include "data/run_session.h"

#include <algorithm>

#include "data/preference_names.h"

namespace quarlin {

RunResult RunSession::SaveRun(RunState& state, const SaveRunInput& input, FrontEnd& frontEnd) {
  engine_ = EngineData();
  return quarlin::SaveRun(state, engine_, input, frontEnd, steps_);
}

const std::vector<std::string>& PreferenceTexts() {
  // The choices' texts in their order, each once ("1" and "73" are offered twice).
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> unique;
    for (const PreferenceChoice& choice : PreferenceChoices())
      if (std::find(unique.begin(), unique.end(), choice.text) == unique.end())
        unique.emplace_back(choice.text);
    return unique;
  }();
  return texts;
}

}  // namespace quarlin
