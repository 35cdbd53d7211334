// The names of the preferences against the texts a run accepts: the two
// tables are kept by hand, so a text added to one must show in the other.
#include "data/preference_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "data/run_session.h"
#include "engine/catalogue/distribution_table.h"
#include "engine/driver/fit_all.h"

namespace quarlin {
namespace {

TEST(PreferenceNamesTest, EveryTextHasANameAndEveryNameATextARunAccepts) {
  const auto& texts = PreferenceTexts();
  std::set<std::string> named;
  for (const PreferenceChoice& choice : PreferenceChoices()) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), choice.text), texts.end()) << choice.name;
    named.insert(std::string(choice.text));
  }
  EXPECT_EQ(named, std::set<std::string>(texts.begin(), texts.end()));
}

// A row's preference number is the text that selects it: each one must be
// offered by a choice, and each choice but "best of all" must select a row.
TEST(PreferenceNamesTest, EveryRowsPreferenceIsOfferedAndEveryChoiceSelectsARow) {
  std::set<std::string> rowTexts;
  for (const DistributionRow& row : AllRows())
    if (row.preferenceNumber != 0) rowTexts.insert(std::to_string(row.preferenceNumber));
  std::set<std::string> offered;
  for (const PreferenceChoice& choice : PreferenceChoices()) offered.emplace(choice.text);
  for (const std::string& text : rowTexts) EXPECT_TRUE(offered.count(text)) << text;
  for (const std::string& text : offered)
    if (text != kBestOfAll) {
      EXPECT_TRUE(rowTexts.count(text)) << text;
    }
}

TEST(PreferenceNamesTest, EveryNameTypedWholeSelectsItsOwnText) {
  // "Gumbel mirrored" begins three longer names; typed whole it is itself.
  for (const PreferenceChoice& choice : PreferenceChoices()) {
    const PreferenceMatch match = MatchPreference(choice.name);
    EXPECT_EQ(match.text, choice.text) << choice.name;
  }
}

}  // namespace
}  // namespace quarlin
