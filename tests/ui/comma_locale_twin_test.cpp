// The window tests run a second time under each comma locale; this checks
// that the second run really is under it.
#include <gtest/gtest.h>

#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "fixtures/scoped_locale.h"

namespace quarlin::testing_support {
namespace {

// What the twin below reads back.
TEST(CommaLocaleProbe, PrintsItsLocale) {
  const char* lang = std::getenv("LANG");
  std::cout << "locale: " << (lang ? lang : "") << "\n"
            << "separator: " << QLocale::system().decimalPoint().toStdString() << "\n"
            << "temporaries: " << std::filesystem::temp_directory_path().string() << "\n";
}

std::string Output(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    pclose(pipe);
  }
  return text;
}

TEST(CommaLocaleTwins, RunUnderTheirLocaleInAFolderOfTheirOwn) {
  if (TestLocale() != "C") GTEST_SKIP() << "the twins are looked at from the C suite";
  for (const char* locale : kCommaLocales) {
    std::string pattern = std::string("^") + locale + "/CommaLocaleProbe.PrintsItsLocale$";
    const std::string output = Output(std::string("'") + QUARLIN_CTEST + "' --test-dir '" +
                                      QUARLIN_BUILD_DIR + "' -R '" + pattern + "' -V 2>&1");
    EXPECT_NE(output.find(std::string("locale: ") + locale + "\n"), std::string::npos) << output;
    EXPECT_NE(output.find("separator: ,\n"), std::string::npos) << output;
    EXPECT_NE(output.find(std::string("temporaries: ") + QUARLIN_BUILD_DIR + "/tmp-" + locale),
              std::string::npos)
        << output;
  }
}

}  // namespace
}  // namespace quarlin::testing_support
