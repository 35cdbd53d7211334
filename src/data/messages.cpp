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

std::string LineOf(const std::string& path, int line) {
  return "Line " + std::to_string(line) + " of the file \"" + path + "\" ";
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
  return LineOf(path, line) + "holds \"" + text +
         "\", which is not a number within the range of a double. Input is invalid.";
}

std::string NotPlainTextMessage(const std::string& path, int line) {
  return LineOf(path, line) +
         "holds NUL bytes or UTF-16 text; save it as plain text. Input is invalid.";
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

std::string OutputNotOpenedMessage(const std::string& path) {
  return std::string("The file ") + "\"" + path + "\"" +
         " could not be opened.  It may be damaged," +
         "  not created due to inadequate input data," + "  or in use by another program";
}

}  // namespace quarlin
