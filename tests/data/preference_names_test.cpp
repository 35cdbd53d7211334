// The names of the preferences against the texts a run accepts: the two
// tables are kept by hand, so a text added to one must show in the other.
#include "data/preference_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "data/run_session.h"

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

TEST(PreferenceNamesTest, EveryNameTypedWholeSelectsItsOwnText) {
  // "Gumbel mirrored" begins three longer names; typed whole it is itself.
  for (const PreferenceChoice& choice : PreferenceChoices()) {
    const PreferenceMatch match = MatchPreference(choice.name);
    EXPECT_EQ(match.text, choice.text) << choice.name;
  }
}

}  // namespace
}  // namespace quarlin
