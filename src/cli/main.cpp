#include "cli/command_line.h"
#include "data/engine_adapter.h"

int main(int argc, char** argv) {
  quarlin::EngineAdapter steps;
  return quarlin::RunCommandLine(argc, argv, "quarlin-cli", steps);
}
