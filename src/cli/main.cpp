#include "cli/command_line.h"
#include "data/engine_stages.h"

int main(int argc, char** argv) {
  quarlin::EngineStages stages;
  return quarlin::RunCommandLine(argc, argv, "quarlin-cli", stages);
}
