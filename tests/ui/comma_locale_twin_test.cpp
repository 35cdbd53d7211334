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

// Run in each twin, and read back by the test below: a twin that lost its
// environment would run in the C locale and skip here.
TEST(CommaLocaleProbe, RunsUnderItsLocale) {
  if (TestLocale() == "C") GTEST_SKIP() << "the C suite has no locale to check";
  const char* lang = std::getenv("LANG");
  const std::string separator = QLocale::system().decimalPoint().toStdString();
  const std::string temporaries = std::filesystem::temp_directory_path().string();
  std::cout << "locale: " << (lang ? lang : "") << "\n"
            << "separator: " << separator << "\n"
            << "temporaries: " << temporaries << "\n";
  EXPECT_EQ(std::string(lang ? lang : ""), TestLocale());
  EXPECT_EQ(separator, ",");
  EXPECT_EQ(temporaries.rfind(std::string(QUARLIN_BUILD_DIR) + "/tmp-" + TestLocale(), 0), 0u)
      << temporaries;
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
    std::string pattern = std::string("^") + locale + "/CommaLocaleProbe.RunsUnderItsLocale$";
    const std::string output = Output(std::string("'") + QUARLIN_CTEST + "' --test-dir '" +
                                      QUARLIN_BUILD_DIR + "' -R '" + pattern + "' -V 2>&1");
    EXPECT_NE(output.find(std::string("locale: ") + locale + "\n"), std::string::npos) << output;
    EXPECT_NE(output.find("separator: ,\n"), std::string::npos) << output;
    EXPECT_NE(output.find("100% tests passed, 0 tests failed out of 1"), std::string::npos)
        << output;
    EXPECT_NE(output.find(std::string("temporaries: ") + QUARLIN_BUILD_DIR + "/tmp-" + locale),
              std::string::npos)
        << output;
  }
}

}  // namespace
}  // namespace quarlin::testing_support
