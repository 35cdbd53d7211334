#include "data/messages.h"

namespace quarlin {

std::string CouldNotOpenMessage(const std::string& path) {
  return std::string("The file ") + "\"" + path + "\"" + "could not be opened. It may be " +
         "in use by another program";
}

std::string ProgramErrorMessage(const std::string& detail) {
  return "A program error occurred." + detail;
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
