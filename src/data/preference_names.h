#pragma once
// The names under which the selection dialog and the composite-type list
// offer each preference text, for front ends that take a name where the
// dialog takes a click.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarlin {

struct PreferenceChoice {
  std::string_view text;  // the preference text the choice sets
  std::string_view name;  // the dialog's caption or the list's item, as spelt there
  // What the window shows as the current selection (dialog choices only).
  std::string_view shown = {};
};

inline constexpr size_t kDialogChoiceCount = 37;

// The dialog's 37 choices in its order, then the composite list's choices in
// its order (its separator line is no choice). "1" and "73" appear in both.
std::span<const PreferenceChoice> PreferenceChoices();
// The selection dialog's choices alone, in its order.
std::span<const PreferenceChoice> DialogChoices();
// The composite-type list's choices alone, in its order, without the
// separator line.
std::span<const PreferenceChoice> CompositeChoices();

// What a typed name selects: a preference text, or why it selects none.
struct PreferenceMatch {
  std::string text;                     // empty when the name is unknown or ambiguous
  std::vector<std::string_view> names;  // ambiguous: every name it could mean
};

// A preference text as it is, or a choice's name compared without regard to
// case: the name whole, or else an unambiguous beginning of it. Names that
// set the same text do not make a beginning ambiguous.
PreferenceMatch MatchPreference(std::string_view typed);

}  // namespace quarlin
