#include "places/NameKey.h"

#include <QChar>
#include <QString>
#include <utility>

namespace horavela {

namespace {

// Letters that carry their stroke or ligature in the letter itself, so that
// decomposition leaves them alone, written as people type them in English;
// and ß, which Qt's simple case folding keeps.
constexpr std::pair<char32_t, const char*> PlainLetters[] = {
    {U'ø', "o"}, {U'đ', "d"}, {U'ð', "d"},  {U'ł', "l"},  {U'ħ', "h"},  {U'ŧ', "t"},
    {U'ı', "i"}, {U'ŋ', "n"}, {U'æ', "ae"}, {U'œ', "oe"}, {U'þ', "th"}, {U'ß', "ss"},
};

const char* plainLetters(char32_t c) {
    for (const auto& [letter, plain] : PlainLetters)
        if (letter == c)
            return plain;
    return nullptr;
}

// The combining accents that Latin, Greek and Cyrillic letters decompose into.
bool isDroppedAccent(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

bool isKept(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return QChar::isLetterOrNumber(c) || category == QChar::Mark_NonSpacing ||
           category == QChar::Mark_SpacingCombining;
}

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string nameKey(QStringView name) {
    const QString folded =
        name.left(LongestName).toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
    std::string key;
    key.reserve(static_cast<std::size_t>(folded.size()));
    for (qsizetype i = 0; i < folded.size(); ++i) {
        char32_t c = folded[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < folded.size() && folded[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(folded[i].unicode(), folded[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(c)) {
            continue;
        }
        if (isDroppedAccent(c))
            continue;
        if (const char* letters = plainLetters(c))
            key += letters;
        else if (isKept(c))
            appendUtf8(key, c);
    }
    return key;
}

} // namespace horavela
