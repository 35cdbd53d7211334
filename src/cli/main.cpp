#include "cli/command_line.h"
#include "data/run_session.h"

int main(int argc, char** argv) {
  quarlin::RunSession session;
  return quarlin::RunCommandLine(argc, argv, "quarlin-cli", session);
}
