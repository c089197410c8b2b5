// The form in which the place search compares names: the same for the names
// stored in the places database and for what the user types, whatever the
// desktop's language.
#pragma once

#include <QStringView>
#include <string>

namespace horavela {

// Names longer than this are cut before folding: no place is called anything
// longer, and it keeps a pasted page of text from costing more than a name.
inline constexpr qsizetype LongestName = 200;

// The name in compatibility-decomposed, case-folded form, as UTF-8, with the
// accents of Latin, Greek and Cyrillic letters dropped and everything that is
// neither letter, digit nor mark left out: "Dehra Dūn" and "dehradun" give the
// same key, "St. John's" gives "stjohns". Letters of other scripts keep their
// marks, so "पुणे" stays "पुणे". Lone surrogates and control characters are
// left out like punctuation.
std::string nameKey(QStringView name);

} // namespace horavela
