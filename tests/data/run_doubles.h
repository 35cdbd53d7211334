#pragma once
// Test doubles for a run: dialogs with scripted answers, a progress sink and
// engine steps that log what they are called with into one event list, so
// that tests can check the order of everything a run does.

#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/text_file.h"
#include "data/dialogs.h"
#include "data/engine_steps.h"
#include "data/stop_request.h"
#include "engine/model/progress.h"
#include "temp_dir.h"

namespace quarlin::testing_support {

using Events = std::vector<std::string>;

class ScriptedDialogs : public Dialogs {
 public:
  explicit ScriptedDialogs(Events& events) : events_(events) {}
  void Message(const std::string& text) override { events_.push_back("message: " + text); }
  bool Question(const std::string& text) override {
    events_.push_back("question: " + text);
    return answer;
  }
  std::optional<std::string> ChooseSaveFile(const std::vector<FileFilter>& filters) override {
    events_.push_back("choose save file:" + Listed(filters));
    return saveFile;
  }
  std::optional<std::string> ChooseOpenFile(const std::vector<FileFilter>& filters) override {
    events_.push_back("choose open file:" + Listed(filters));
    return openFile;
  }

  std::optional<std::string> saveFile;
  std::optional<std::string> openFile;
  bool answer = true;

 private:
  static std::string Listed(const std::vector<FileFilter>& filters) {
    std::string text;
    for (const auto& filter : filters)
      text += " [" + filter.description + " | " + filter.pattern + "]";
    return text;
  }

  Events& events_;
};

class LoggingProgress : public ProgressSink {
 public:
  explicit LoggingProgress(Events& events) : events_(events) {}
  void Line(const std::string& text) override { events_.push_back("progress: " + text); }

 private:
  Events& events_;
};

// What the engine steps saw while the run was on.
struct StepObservations {
  // Temp, Report, Values, NewRankedList, NewAux
  std::vector<std::filesystem::path> temporaries;
  bool temporariesExisted = false;
  bool graphModeAtEvaluation = true;
  bool graphModeAtIntervals = false;
  bool fitStarted = false;
  std::string prefCode;
  bool compositeWanted = false;
  std::string tempText;  // files.Temp at the confidence analysis
  size_t obsRows = 0;    // engine.ObsCalc size at the confidence analysis
};

class FakeEngineSteps : public EngineSteps {
 public:
  // `stop` is the front end's, requested when the step `stopAt` runs.
  FakeEngineSteps(Events& events, StopRequest& stop) : events_(events), stop_(stop) {}

  Status FitAll(RunContext& run) override {
    if (Status s = Enter("FitAll"); !s.ok()) return s;
    seen.fitStarted = run.engine.FitStarted;
    seen.prefCode = run.engine.PrefCode;
    seen.compositeWanted = run.engine.CompositeWanted;
    seen.temporaries = {run.files.Temp, run.files.Report, run.files.Values, run.files.NewRankedList,
                        run.files.NewAux};
    seen.temporariesExisted = true;
    for (const auto& path : seen.temporaries)
      seen.temporariesExisted = seen.temporariesExisted && std::filesystem::exists(path);
    if (noVariation) {
      run.engine.StopRun = true;
      return Status::Ok();
    }
    run.engine.ChosenCode = chosenCode;
    if (run.engine.PrefCode == "1") WriteAll(run.files.NewRankedList, " List\r\n");
    return Status::Ok();
  }
  Status EvaluateCalculated(RunContext& run) override {
    seen.graphModeAtEvaluation = run.engine.GraphMode;
    return Enter("EvaluateCalculated");
  }
  ChosenParameters TempParameters(RunContext&) override {
    Enter("TempParameters");
    return params;
  }
  Status EvaluateIntervals(RunContext& run) override {
    seen.graphModeAtIntervals = run.engine.GraphMode;
    return Enter("EvaluateIntervals");
  }
  Status WriteReport(RunContext& run) override {
    if (Status s = Enter("WriteReport"); !s.ok()) return s;
    TextBuilder report;
    report.Line(" RESULTS OF Quarlin PROGRAM")
        .Line(" Observed and calculated cumulative frequencies");
    report.Line(" ---").Line(" X").Line(" R").Line(" ---");
    for (int i = 1; i <= run.engine.sample.N; ++i)
      report.Line(Fix(run.engine.sample.X[i], 8, 2) + "      " + Int(i) + Fix(50, 10, 2) +
                  Fix(40, 10, 2) + Fix(10, 10, 2) + Fix(30, 10, 2) + Fix(60, 10, 3));
    WriteAll(run.files.Report, report.Text());
    return Status::Ok();
  }
  Status AnalyseConfidence(RunContext& run) override {
    seen.tempText = ReadAll(run.files.Temp);
    seen.obsRows = run.engine.ObsCalc.size();
    return Enter("AnalyseConfidence");
  }
  Status FinalAnalysis(RunContext& run) override {
    if (Status s = Enter("FinalAnalysis"); !s.ok()) return s;
    WriteAll(run.files.Values, "\r\n Confidence limits\r\n");
    if (writeAux)
      WriteAll(run.files.NewAux, " Parameters for internal use, do not remove.\r\n" +
                                     std::to_string(run.engine.ChosenCode) + "\r\n");
    return Status::Ok();
  }
  Status ResortRankedList(RunContext&) override { return Enter("ResortRankedList"); }

  int chosenCode = 57;
  bool noVariation = false;
  bool writeAux = true;
  std::string failAt;
  std::string stopAt;
  // The step that throws `fault` (a std::logic_error when none is set), as
  // a fault no check foresaw would.
  std::string throwAt;
  std::exception_ptr fault;
  ChosenParameters params{1.5, -2.25, 3.0, 0.5};
  StepObservations seen;

 private:
  Status Enter(const std::string& step) {
    events_.push_back("step: " + step);
    if (step == stopAt) stop_.Request();
    if (step == throwAt)
      std::rethrow_exception(fault ? fault
                                   : std::make_exception_ptr(std::logic_error(step + " threw")));
    if (step == failAt) return Status::Error("step " + step + " failed");
    return Status::Ok();
  }

  Events& events_;
  StopRequest& stop_;
};

}  // namespace quarlin::testing_support
