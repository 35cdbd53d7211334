#include "cli/batch_command.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <system_error>
#include <thread>

#include "data/messages.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

namespace fs = std::filesystem;

struct Done {
  bool finished = false;
  int status = 0;
  std::string out;
  std::string err;
};

// Every line of `text` with the input's name in front, so that the lines of
// several runs can be told apart.
std::string Named(const std::string& input, const std::string& text) {
  std::string named;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) named += input + ": " + line + '\n';
  return named;
}

// Prints the runs in the order given, as soon as the ones before are done.
class Printer {
 public:
  Printer(const BatchOptions& options, std::ostream& out, std::ostream& err)
      : options_(options), out_(out), err_(err), done_(options.inputs.size()) {}

  void Finished(size_t index, Done done) {
    const std::lock_guard lock(mutex_);
    done_[index] = std::move(done);
    done_[index].finished = true;
    for (; next_ < done_.size() && done_[next_].finished; ++next_) Print(done_[next_]);
  }

  int Close() {
    if (options_.run.json) out_ << (printedJson_ ? "\n]\n" : "[]\n");
    out_.flush();
    return failed_ ? 1 : 0;
  }

 private:
  void Print(const Done& done) {
    if (done.status != 0) failed_ = true;
    // A run that was done has only its summary line there (with --json).
    err_ << (done.status == 0 ? done.err : Named(options_.inputs[next_], done.err));
    if (options_.run.json) {
      if (!done.out.empty()) {
        out_ << (printedJson_ ? ",\n" : "[\n") << done.out.substr(0, done.out.find('\n'));
        printedJson_ = true;
      }
    } else {
      out_ << done.out;
    }
    out_.flush();
    err_.flush();
  }

  const BatchOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  std::mutex mutex_;
  std::vector<Done> done_;
  size_t next_ = 0;
  bool printedJson_ = false;
  bool failed_ = false;
};

fs::path BaseOf(const BatchOptions& options, const std::string& input) {
  const fs::path folder =
      options.folder ? fs::path(*options.folder) : fs::path(input).parent_path();
  return folder / fs::path(input).stem();
}

fs::path AbsoluteBaseOf(const BatchOptions& options, const std::string& input) {
  std::error_code error;
  const fs::path base = BaseOf(options, input);
  const fs::path absolute = fs::absolute(base, error);
  return (error ? base : absolute).lexically_normal();
}

// For each input, the earlier one whose files it would overwrite (empty when
// none): two runs must not write over each other's report.
std::vector<std::string> Clashes(const BatchOptions& options) {
  std::vector<std::string> clashes(options.inputs.size());
  for (size_t i = 0; i < options.inputs.size(); ++i) {
    const fs::path base = AbsoluteBaseOf(options, options.inputs[i]);
    for (size_t j = 0; j < i && clashes[i].empty(); ++j)
      if (clashes[j].empty() && AbsoluteBaseOf(options, options.inputs[j]) == base)
        clashes[i] = options.inputs[j];
  }
  return clashes;
}

Done RunOne(const BatchOptions& options, size_t index, const std::string& clash,
            RunSession& session) {
  if (!clash.empty())
    return {.status = 1,
            .out = "",
            .err = "Not analysed: its files would overwrite those of " + clash + '\n'};
  if (options.run.stop && options.run.stop->Requested())
    return {.status = 1, .out = "", .err = std::string(kRunStoppedMessage) + '\n'};
  RunOptions run = options.run;
  run.input = options.inputs[index];
  run.summaryLine = true;
  if (options.folder) run.output = BaseOf(options, run.input).string();
  std::ostringstream out, err;
  Done done;
  // One input's trouble must not end the others' runs.
  try {
    done.status = RunCommand(run, session, out, err);
  } catch (...) {
    err << ProgramFaultMessage(std::current_exception()) << '\n';
    done.status = 1;
  }
  done.out = done.status == 0 ? out.str() : std::string();
  done.err = err.str();
  return done;
}

}  // namespace

int BatchCommand(const BatchOptions& options, RunSession& session, std::ostream& out,
                 std::ostream& err) {
  if (options.folder) {
    std::error_code error;
    fs::create_directories(*options.folder, error);
    if (error) {
      err << "Cannot make the folder " << *options.folder << ": " << error.message() << '\n';
      return 1;
    }
  }
  const std::vector<std::string> clashes = Clashes(options);
  Printer printer(options, out, err);
  const size_t jobs =
      std::min(static_cast<size_t>(std::max(options.jobs, 1)), options.inputs.size());
  if (jobs <= 1) {
    for (size_t i = 0; i < options.inputs.size(); ++i)
      printer.Finished(i, RunOne(options, i, clashes[i], session));
    return printer.Close();
  }
  // Each worker has a session of its own, fitting on its own thread.
  std::atomic<size_t> next = 0;
  const auto work = [&] {
    const ProductFits fits;
    RunSession own(fits, 1);
    for (size_t i; (i = next++) < options.inputs.size();)
      printer.Finished(i, RunOne(options, i, clashes[i], own));
  };
  std::vector<std::jthread> workers;
  workers.reserve(jobs);
  // Fewer workers than asked for only take longer; with none, this thread
  // does the runs.
  try {
    for (size_t w = 0; w < jobs; ++w) workers.emplace_back(work);
  } catch (const std::system_error&) {
  }
  if (workers.empty()) work();
  workers.clear();
  return printer.Close();
}

}  // namespace quarlin
