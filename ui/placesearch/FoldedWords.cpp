#include "FoldedWords.h"

#include <array>

namespace horavela {

namespace {

// U+00C0 to U+00FF in lower case without marks; empty for the two signs ×
// and ÷, which break words.
constexpr std::array<const char*, 64> Latin1Letters = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// U+0100 to U+017F, one letter each; the ligatures IJ and OE are taken apart
// before this table is read.
constexpr std::string_view LatinExtendedLetters = "aaaaaaccccccccdddd"
                                                  "eeeeeeeeee"
                                                  "gggggggg"
                                                  "hhhh"
                                                  "iiiiiiiiii"
                                                  "  "
                                                  "jj"
                                                  "kkk"
                                                  "llllllllll"
                                                  "nnnnnnnnn"
                                                  "oooooo"
                                                  "  "
                                                  "rrrrrr"
                                                  "ssssssss"
                                                  "tttttt"
                                                  "uuuuuuuuuuuu"
                                                  "ww"
                                                  "yyy"
                                                  "zzzzzz"
                                                  "s";
static_assert(LatinExtendedLetters.size() == 0x80);

constexpr char32_t Invalid = 0xFFFFFFFF;

// The code point starting at text[i], and i moved past it.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    int more = 0;
    char32_t point = 0;
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        point = lead & 0x07;
    } else {
        return Invalid;
    }
    for (; more > 0; --more) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return Invalid;
        point = (point << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return point;
}

bool isAsciiLetterOrDigit(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Marks written after their letter, as in decomposed text.
bool isCombiningMark(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// Signs that separate words: Latin-1 punctuation, the general punctuation
// block (dashes, quotes, the typographic apostrophe) and the modifier
// apostrophe.
bool isSeparator(char32_t c) {
    return c == Invalid || (c >= 0x80 && c < 0xC0) || (c >= 0x2000 && c <= 0x206F) || c == 0x02BC;
}

} // namespace

std::vector<std::string> foldedWords(std::string_view utf8) {
    std::vector<std::string> words;
    std::string word;
    const auto endWord = [&] {
        if (!word.empty())
            words.push_back(std::move(word));
        word.clear();
    };
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const char32_t c = nextCodePoint(utf8, i);
        if (isAsciiLetterOrDigit(c)) {
            word += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        } else if (c < 0x80 || isSeparator(c)) {
            endWord();
        } else if (c >= 0xC0 && c <= 0xFF) {
            const std::string_view letters = Latin1Letters[c - 0xC0];
            if (letters.empty())
                endWord();
            word += letters;
        } else if (c == 0x132 || c == 0x133) {
            word += "ij";
        } else if (c == 0x152 || c == 0x153) {
            word += "oe";
        } else if (c >= 0x100 && c <= 0x17F) {
            word += LatinExtendedLetters[c - 0x100];
        } else if (!isCombiningMark(c)) {
            word += utf8.substr(start, i - start);
        }
    }
    endWord();
    return words;
}

} // namespace horavela
