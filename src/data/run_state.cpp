#include "data/run_state.h"

#include <filesystem>

namespace quarlin {

void DataModuleCreate(RunState& state) {
  std::error_code error;
  state.FileName = std::filesystem::current_path(error).string();
}

}  // namespace quarlin
