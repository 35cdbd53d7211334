#pragma once
// The steps of a run that the pipeline does itself on the run's files,
// between the engine's steps (engine_steps.h).

#include <filesystem>
#include <string>

#include "data/engine_data.h"
#include "data/engine_steps.h"
#include "data/run_files.h"
#include "data/status.h"

namespace quarlin {

// The parameter file of the confidence analysis: N in 4 characters, the
// chosen code in 3, C and then, by code, A and B (codes 1-5 and 51-74
// except 61, 67, 68, 69, 73), A alone (6), the two family parameters (20-26,
// 61, 69) or 1.0 twice (62, 63); every real in exponent notation of width 23.
std::string TempParameterText(int n, int chosenCode, double c, const ChosenParameters& p);

// Reads the calculated frequency, its standard deviation and lower limit of
// every rank from the observation table of `report` into engine.ObsCalc,
// ObsSd and ObsLower (fractions; rows without a deviation get fixed
// stand-ins).
Status LoadObservationTable(const std::filesystem::path& report, EngineData& engine);

// Writes files.NewOutput, the *.out to be: every line of files.Report,
// then, unless the chosen code is 61, every line of files.Values.
Status AssembleOutput(const RunFiles& files, int chosenCode);

// Moves the run's new report, parameter file, ranked list and input file
// (files.NewOutput, NewAux, NewRankedList, NewInput) over an earlier run's,
// the input file last. When the run made no parameter file or ranked list
// (`withAux`, `withRankedList` false), an earlier one is removed, so that it
// cannot pass for this run's. Fails with the name of the file that could not
// be replaced and the system's reason.
Status ReplaceEarlierOutputs(const RunFiles& files, bool withAux, bool withRankedList);

}  // namespace quarlin
