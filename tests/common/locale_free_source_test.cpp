// The C library's number conversions follow the process locale, which the
// desktop toolkit sets from the user's desktop: under a decimal comma they
// write "1,5" into files that must read back anywhere, and read "1.5" as 1.
// The program's sources therefore never call them; numbers go through
// to_chars/from_chars (common/number_text.h, common/number_parse.h).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace quarlin {
namespace {

namespace fs = std::filesystem;

const std::regex kLocaleBound(
    R"(\b(v?s?n?printf|v?fprintf|sscanf|fscanf|scanf|strto(d|f|ld)|ato(f|i|l|ll)|sto(d|f|ld)|setlocale|locale::global)\s*\()");

std::vector<std::string> Offences(const fs::path& root) {
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const auto extension = entry.path().extension();
    if (extension != ".cpp" && extension != ".h") continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const auto comment = line.find("//");
      const std::string code = comment == std::string::npos ? line : line.substr(0, comment);
      if (std::regex_search(code, kLocaleBound))
        found.push_back(entry.path().string() + ":" + std::to_string(number) + ": " + line);
    }
  }
  return found;
}

TEST(LocaleFreeSource, NoLocaleBoundNumberConversions) {
  for (const char* folder : {"src", "bench"}) {
    const fs::path root = fs::path(QUARLIN_SOURCE_DIR) / folder;
    ASSERT_TRUE(fs::is_directory(root)) << root;
    std::ostringstream list;
    for (const auto& offence : Offences(root)) list << offence << '\n';
    EXPECT_EQ(list.str(), "") << "use to_chars/from_chars instead";
  }
}

// The pattern itself must catch what it is for, or the test above proves
// nothing.
TEST(LocaleFreeSource, ThePatternCatchesTheCalls) {
  for (const char* call :
       {"std::snprintf(buf, 8, \"%f\", x);", "printf(\"%g\", x);", "std::strtod(s, &end)",
        "atof(s)", "std::stod(text)", "std::setlocale(LC_ALL, \"\")", "sscanf(s, \"%lf\", &x)"})
    EXPECT_TRUE(std::regex_search(std::string(call), kLocaleBound)) << call;
  for (const char* fine : {"std::to_chars(b, e, x)", "Sprintfield(x)", "std::stoi(text)"})
    EXPECT_FALSE(std::regex_search(std::string(fine), kLocaleBound)) << fine;
}

}  // namespace
}  // namespace quarlin
