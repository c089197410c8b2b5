// Words of a text as the place search compares them, so that "Tromso"
// meets "Tromsø" and "St John's" meets "St. John's".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace horavela {

// The UTF-8 text cut into words at every space and punctuation mark, in lower
// case, with the accents and strokes of Latin letters dropped ("Łódź" gives
// "lodz", "Æ" gives "ae"). Letters of other scripts are kept as they are.
// Malformed UTF-8 breaks a word, it never ends the text early.
std::vector<std::string> foldedWords(std::string_view utf8);

} // namespace horavela
