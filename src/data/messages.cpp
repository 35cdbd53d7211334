#include "data/messages.h"

namespace quarlin {

std::string CouldNotOpenMessage(const std::string& path) {
  return std::string("The file ") + "\"" + path + "\"" + "could not be opened. It may be " +
         "in use by another program";
}

std::string CouldNotOpenMessage(const std::string& path, const std::string& reason) {
  return CouldNotOpenMessage(path) + " (" + reason + ")";
}

std::string ReadErrorMessage(const std::string& path, const std::string& reason) {
  return "The file \"" + path + "\" could not be read (" + reason + ")";
}

std::string NotRegularFileMessage(const std::string& path) {
  return "The file \"" + path + "\" is not a regular file (a folder, a pipe or a device) and " +
         "was not read";
}

std::string DamagedHeaderMessage(const std::string& path, int line) {
  return "The header of the inputfile \"" + path + "\" is damaged at line " + std::to_string(line) +
         ". Input is invalid.";
}

namespace {

std::string LineOf(const std::string& path, size_t line) {
  return "Line " + std::to_string(line) + " of the file \"" + path + "\" ";
}

// A field as a message quotes it: a field of thousands of characters would
// bury the message.
std::string Quoted(const std::string& text) {
  constexpr size_t kShown = 40;
  if (text.size() <= kShown) return "\"" + text + "\"";
  return "\"" + text.substr(0, kShown) + "...\"";
}

}  // namespace

std::string UnclearCommaMessage(const std::string& path, int line) {
  return LineOf(path, line) +
         "holds a comma that may be a decimal comma or a thousands separator. Input is invalid.";
}

std::string MoreFieldsMessage(const std::string& path, int line) {
  return LineOf(path, line) + "has more fields than its header names. Input is invalid.";
}

std::string NotFiniteMessage(const std::string& path, int line, const std::string& text) {
  return LineOf(path, line) + "holds " + Quoted(text) +
         ", which is not a number within the range of a double. Input is invalid.";
}

std::string NotPlainTextMessage(const std::string& path, int line) {
  return LineOf(path, line) +
         "holds NUL bytes or UTF-16 text; save it as plain text. Input is invalid.";
}

std::string NotANumberMessage(const std::string& path, int line, const std::string& text) {
  return LineOf(path, line) + "holds " + Quoted(text) +
         " where a value should be, which is not a number. Input is invalid.";
}

std::string TooManyValuesMessage(const std::string& path, int line) {
  return LineOf(path, line) + "holds value " + std::to_string(kMaxData + 1) +
         ": there are more than " + std::to_string(kMaxData) + " input data. Input is invalid.";
}

std::string TooManyEmptyRowsMessage(const std::string& path, int line) {
  return LineOf(path, line) + "is row " + std::to_string(kMaxData + 1) +
         " without a value: the input grid holds no more than " + std::to_string(kMaxData) +
         " rows. Input is invalid.";
}

std::string LineTooLongMessage(const std::string& path, size_t line, size_t maxLength) {
  return LineOf(path, line) + "is longer than " + std::to_string(maxLength) +
         " characters, which no value or title needs. Input is invalid.";
}

std::string BaseInUseMessage(const std::string& path) {
  return "The files of \"" + path + "\" are being written by another run. Program stops running";
}

std::string WaitingForBaseLine(const std::string& path) {
  return " Waiting for another run on \"" + path + "\" to finish ..";
}

std::string ProgramErrorMessage(const std::string& detail) {
  return "A program error occurred." + detail;
}

namespace {

// The words of `fault` as a sentence.
std::string FaultSentence(std::exception_ptr fault) {
  std::string words;
  try {
    if (fault) std::rethrow_exception(fault);
  } catch (const std::exception& e) {
    words = e.what();
  } catch (...) {
  }
  if (words.empty()) words = "An exception of unknown type";
  if (words.find_last_of(".!?") != words.size() - 1) words += '.';
  return words;
}

}  // namespace

std::string ProgramFaultMessage(std::exception_ptr fault) {
  return ProgramErrorMessage(" " + FaultSentence(fault));
}

std::string RunFaultMessage(std::exception_ptr fault) {
  return ProgramFaultMessage(fault) +
         " The run was not finished and its temporary files were removed.";
}

std::string InvalidRealsDetail(const std::string& path) {
  return "Real numbers in the inputfile \"" + path + "\" are invalid";
}

std::string InvalidRealsDetail(const std::string& path, int line, const std::string& text) {
  return InvalidRealsDetail(path) + " (line " + std::to_string(line) + " holds " + Quoted(text) +
         ")";
}

std::string NoDataValuesMessage(const std::string& path) {
  return "The inputfile \"" + path +
         "\" holds no data values; the calculator needs the data of the report. Run the "
         "program again.";
}

std::string ReductionWarningMessage(const std::string& what) {
  return "Warning: the input file keeps two decimals from 1 upwards and two significant digits "
         "below 1, and that changes these data: " +
         what +
         ". The calculation uses the values as the input file keeps them; multiply the values "
         "by a power of ten or use other units to keep them as they are.";
}

std::string IndistinctValuesMessage(int decimals, const std::string& least) {
  return "The values lie too close together for the report to tell them apart: it prints X "
         "with " +
         (decimals == 1 ? std::string("1 decimal") : std::to_string(decimals) + " decimals") +
         ", and the largest and the smallest value are less than " + least +
         " apart. Multiply the values by a power of ten or use other units. Input is invalid.";
}

std::string OutputNotOpenedMessage(const std::string& path) {
  return std::string("The file ") + "\"" + path + "\"" +
         " could not be opened.  It may be damaged," +
         "  not created due to inadequate input data," + "  or in use by another program";
}

std::string NotRealMessage(const std::vector<NotRealCell>& cells) {
  // Enough rows to find the pattern; a grid of 2500 bad cells would not fit
  // on the screen.
  constexpr size_t kListed = 10;
  std::string text = kNotRealMessage;
  for (size_t i = 0; i < cells.size() && i < kListed; ++i)
    text +=
        (i == 0 ? ": row " : ", row ") + std::to_string(cells[i].row) + " " + Quoted(cells[i].text);
  if (cells.size() > kListed) text += ", and " + std::to_string(cells.size() - kListed) + " more";
  return text;
}

std::string IncompleteReportMessage(const std::string& path, const std::string& what) {
  return "The file \"" + path + "\" is incomplete: " + what + ".";
}

}  // namespace quarlin
