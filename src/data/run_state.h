#pragma once
// What the user entered or opened, the file being handled and the few
// results the windows read back. One instance lives as long as the program
// (or one command) and is handed to whoever needs it.

#include <string>
#include <vector>

namespace quarlin {

using DataArrayR = std::vector<long double>;
using DataArrayI = std::vector<int>;
using RemoveSet = std::vector<unsigned char>;

struct RunState {
  std::string FileName;
  std::string Title1;
  std::string Title2;
  DataArrayI Serial;  // element i holds the serial of datum i+1
  DataArrayR Values;  // data in entry order, elements 0..N-1
  DataArrayR CurveX;
  DataArrayR GraphWork1;
  DataArrayR CurveFc;
  // Ranked data before any shift: elements 1..N after the engine reader,
  // moved down to 0..N-1 at the end of a successful run.
  DataArrayR SortedValues;
  DataArrayR GraphWork2;
  DataArrayR GraphWork3;
  DataArrayR GraphWork4;
  double Threshold = -1000000.0;
  double AvAbsDiff = 0.0;
  double GraphReal1 = 0.0;
  double GraphReal2 = 0.0;
  RemoveSet Removed;  // 1 marks a datum whose value cell was empty
  int NrOfData = 0;
  int GridCount = 0;
  int DistrCode = 0;
  int NrOfClasses = 5;
  std::string NrOfClassesText = "5";
  std::string Preference = "1";  // a distribution code as text, "1" = best of all
  int AuxCode = 0;
  bool CompositeAllowed = false;
  bool GraphFlag1 = false;
  bool GraphFlag2 = false;
  // Selected index of the composite option: 0 not allowed, 1 allowed.
  int OptionIndex = 0;
};

// Sets FileName to the current working directory, as at program start.
void DataModuleCreate(RunState& state);

}  // namespace quarlin
