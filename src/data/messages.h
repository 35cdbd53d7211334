#pragma once
// Message texts of the data and run subsystem, kept in one place because
// several operations show the same words.

#include <exception>
#include <string>
#include <vector>

namespace quarlin {

// Read or write failure of an input file (also of the run's own files).
std::string CouldNotOpenMessage(const std::string& path);
// The same, followed by the system's reason in brackets.
std::string CouldNotOpenMessage(const std::string& path, const std::string& reason);

// A file that was opened but could not be read to its end.
std::string ReadErrorMessage(const std::string& path, const std::string& reason);

// A folder, a pipe or a device given where a file is read: reading a pipe
// could wait for ever.
std::string NotRegularFileMessage(const std::string& path);

// An input file whose fixed header text is missing or changed at `line`.
std::string DamagedHeaderMessage(const std::string& path, int line);

// A line of a column of values that cannot be read as the user meant it.
std::string UnclearCommaMessage(const std::string& path, int line);
std::string MoreFieldsMessage(const std::string& path, int line);
std::string NotFiniteMessage(const std::string& path, int line, const std::string& text);
std::string NotPlainTextMessage(const std::string& path, int line);
// A field of the value column, or a value of an input file, that is no
// number; `text` is quoted, shortened when it is long.
std::string NotANumberMessage(const std::string& path, int line, const std::string& text);
// The line of the value past the most a run takes (kMaxData).
std::string TooManyValuesMessage(const std::string& path, int line);
// The line of the row without a value past the most the input grid holds.
std::string TooManyEmptyRowsMessage(const std::string& path, int line);
// A line longer than any file of values holds.
std::string LineTooLongMessage(const std::string& path, size_t line, size_t maxLength);

// Another run holds the files of the same base and this one was asked not
// to wait for it.
std::string BaseInUseMessage(const std::string& path);
// The progress line of a run that waits for another on the same base.
std::string WaitingForBaseLine(const std::string& path);

// "A program error occurred." directly followed by `detail`.
std::string ProgramErrorMessage(const std::string& detail);

// A fault that no check foresaw (an exception that reached the outermost
// call of a front end): "A program error occurred. " and the fault's own
// words as one sentence, e.g. "A program error occurred. std::bad_alloc."
std::string ProgramFaultMessage(std::exception_ptr fault);
// The same when the fault ended a run: its temporary files and its lock
// went as it ended.
std::string RunFaultMessage(std::exception_ptr fault);

// "Real numbers in the inputfile " and the quoted path and " are invalid":
// an unreadable serial or value in an input file.
std::string InvalidRealsDetail(const std::string& path);
// The same, naming the line and what it holds. An input file the user opens
// is refused with it alone: the fault is the file's, and the program goes
// on. Only the run's own copy, which the program has just written, gives it
// after "A program error occurred.".
std::string InvalidRealsDetail(const std::string& path, int line, const std::string& text);

// An input file with its header and no data values, where a calculation
// needs the data of the report.
std::string NoDataValuesMessage(const std::string& path);

// The input file's reduction changed the data materially; `what` says how
// ("60 different values become 7").
std::string ReductionWarningMessage(const std::string& what);

// Values the report cannot tell apart: it prints X with `decimals`, and
// the data span less than `least`.
std::string IndistinctValuesMessage(int decimals, const std::string& least);

// The report file of a run cannot be opened for the Output page.
std::string OutputNotOpenedMessage(const std::string& path);

// A report that is not whole; `what` says what is missing in the report's
// own words (DamageText of the report's landmarks).
std::string IncompleteReportMessage(const std::string& path, const std::string& what);
// What the Output page does with such a report.
inline constexpr const char* kIncompleteReportShown =
    " The report is shown as far as it goes; graphs that need what is missing cannot be drawn.";
// What the graph command does with it: a graph asked for needs what is
// missing, or the graphs asked for are drawn from what is there.
inline constexpr const char* kIncompleteReportNoGraph = " No graph was drawn.";
inline constexpr const char* kIncompleteReportGraphDrawn =
    " The graph is drawn from the parts it holds.";
inline constexpr const char* kIncompleteReportGraphsDrawn =
    " The graphs are drawn from the parts it holds.";

inline constexpr const char* kNotSavedMessage = "The input data were not saved";
inline constexpr const char* kOverwriteQuestion = "The file already exists, overwrite?";
inline constexpr const char* kNotRealMessage = "Not all data values in the inputfile are real";
// A cell of the Input page that is no number: its row, from 1, and its text.
struct NotRealCell {
  int row = 0;
  std::string text;
};
// kNotRealMessage followed by the rows at fault.
std::string NotRealMessage(const std::vector<NotRealCell>& cells);
inline constexpr const char* kTooManyZerosMessage =
    "There are too many zero input data. Input is invalid.";
inline constexpr const char* kNoVariationMessage =
    "No variation between data. Program stops running";
inline constexpr const char* kLeftShiftMessage =
    "The first values are high. The distribution will be  temporarily shifted to the left.";
inline constexpr const char* kNoAuxMessage =
    " If you wish to make use of the calculator, run the program again";
inline constexpr const char* kMinimumDataMessage = " The minimum number of data is 6";

// Refusals that keep a run within what the engine is built for.
inline constexpr const char* kTooManyDataMessage =
    "There are more than 2500 input data. Input is invalid.";
inline constexpr const char* kValueTooLowMessage =
    "There are input data of -1000000 or less. Input is invalid.";
inline constexpr const char* kClassesOutOfRangeMessage =
    "The number of classes should be between 2 and 50. Input is invalid.";
inline constexpr const char* kSquaresOverflowMessage =
    "The data are too large: their sum of squares exceeds the range of a double. Input is "
    "invalid.";

// A run that its front end asked to stop.
inline constexpr const char* kRunStoppedMessage = "The run was stopped.";

// Fixed limits of a run.
inline constexpr int kMinData = 6;  // values, once the empty cells are dropped
inline constexpr int kMaxData = 2500;
inline constexpr double kLowLimit = -1000000.0;

}  // namespace quarlin
