// quarlin-cli-reference: quarlin-cli with the straightforward fits (every
// search summed in full, one thread), the measure that scripts/bench.sh
// holds the product's whole-process times against.

#include "cli/command_line.h"
#include "data/run_session.h"
#include "reference/reference_fits.h"

int main(int argc, char** argv) {
  const quarlin::ReferenceFits fits;
  quarlin::RunSession session(fits, quarlin::kReferenceThreads);
  return quarlin::RunCommandLine(argc, argv, "quarlin-cli-reference", session);
}
