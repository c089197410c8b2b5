#include "NameKey.h"

#include <QChar>
#include <QString>

namespace horavela {

namespace {

// Letters that carry their stroke or ligature in the letter itself, so that
// decomposition leaves them alone; written as people type them in English.
const char* plainLetters(char32_t c) {
    switch (c) {
    case U'ø':
        return "o";
    case U'đ':
        return "d";
    case U'ð':
        return "d";
    case U'ł':
        return "l";
    case U'ħ':
        return "h";
    case U'ŧ':
        return "t";
    case U'ı':
        return "i";
    case U'ŋ':
        return "n";
    case U'æ':
        return "ae";
    case U'œ':
        return "oe";
    case U'þ':
        return "th";
    default:
        return nullptr;
    }
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
