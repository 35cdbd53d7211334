#include "data/run_session.h"

namespace quarlin {

RunResult RunSession::SaveRun(RunState& state, const SaveRunInput& input, FrontEnd& frontEnd) {
  engine_ = EngineData();
  return quarlin::SaveRun(state, engine_, input, frontEnd, steps_);
}

const std::vector<std::string>& PreferenceTexts() {
  static const std::vector<std::string> texts = {
      "1",  "20", "21", "22", "23", "24", "25", "26", "53", "54", "55", "31", "64", "65", "32",
      "6",  "3",  "66", "58", "67", "34", "4",  "51", "5",  "52", "68", "73", "56", "57", "60",
      "62", "59", "33", "35", "39", "69", "61", "8",  "9",  "7",  "15", "18", "14", "12", "16",
      "13", "10", "11", "17", "70", "71", "90", "72", "80", "81", "82", "83", "84", "85"};
  return texts;
}

}  // namespace quarlin
